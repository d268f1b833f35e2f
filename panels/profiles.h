// The profiles panel apart from its window: the profile names, the working
// record with its two attribute lists and its snapshot, and every step of
// showing, adding, removing, saving and resetting a profile. The users
// panel hears of added, removed and saved profiles through the notice the
// page installs.
#pragma once

#include <stdint.h>

#include "api/db_lists.h"
#include "panels/attribute_record_panel.h"

const uint32_t HELP_CONTEXT_PROFILES = 1003;  // none is given; between the proxies' 1002 and the pools' 1004
const uint32_t PROFILE_NAME_LIMIT = 255;

// Tells the users panel PROFILE_LIST_CHANGED or PROFILE_CONTENTS_CHANGED.
typedef void (*UsersNotice)(void* context, uint32_t argument);

// The one panel. The page reads it; only the functions below change it.
struct ProfilesPanel {
    void* owner;
    UsersNotice notice;
    void* notice_context;
    bool initialised;  // names read since the last reset
    NameList names;    // sorted, OEM
    int64_t selected;  // index in names, -1: none
    // The record: class PROFILE_CLASS and the profile's name while one is
    // loaded, empty otherwise (none listed, gone from the server, or after
    // a failed write).
    AttributeRecordPanel record;
    bool dictionary_ok;      // the attribute definitions are held
    uint32_t lists_version;  // changes whenever the names change
};

ProfilesPanel& profiles_panel();
void profiles_set_owner(void* owner);
void profiles_set_users_notice(UsersNotice notice, void* context);

// Page commands.
void profiles_activate();
bool profiles_may_leave();
void profiles_reset();

// The controls.
void profiles_select(uint32_t index);
// Add: false when the save prompt was cancelled (no dialog then).
bool profiles_begin_add();
// The Add New Profile dialog's OK.
void profiles_add(const char* typed);
void profiles_remove();
bool profiles_save();
void profiles_revert();
// A list page changed the record.
void profiles_modified();
void profiles_list_name(uint32_t index, char* text, uint32_t text_size);

struct ProfilesControls {
    bool remove_enabled;
    bool lists_enabled;  // Ins on both list pages (the pages decide the rest)
    bool save_enabled;   // Save and Reset: exactly while modified
};
ProfilesControls profiles_controls();
