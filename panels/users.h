// The users panel apart from its window: the listed users of the eight
// kinds, the profile names, the working record with its password and
// profile link, and every step of showing, editing, saving, adding and
// removing a user. The page hands each change of a control to one of the
// functions below and then redraws from users_controls().
#pragma once

#include <stdint.h>

#include "api/db_lists.h"
#include "attrs/attribute_list.h"
#include "panels/profile_link.h"
#include "panels/user_password.h"
#include "panels/user_types.h"

const uint32_t HELP_CONTEXT_USERS = 1001;
const uint32_t USER_NAME_LIMIT = 255;  // characters the Native and SecurID pages take

// The option mask's bits the panel consults.
const uint32_t OPTION_DOMAIN_USERS = 0x01;
const uint32_t OPTION_HOST_USERS = 0x02;
const uint32_t OPTION_SHOW_PASSWORD = 0x08;

struct UsersPanel {
    void* owner;
    bool initialised;    // names loaded since the last reset
    bool no_dictionary;  // the dictionary could not be loaded: nothing may be edited
    uint32_t option_mask;
    uint32_t pending;   // bits (1 << PROFILE_LIST_CHANGED, ...) to act on at the next showing
    NameList names;     // listed forms, sorted, OEM
    NameList profiles;  // profile names, sorted, OEM
    int64_t selected;   // index in names, -1: none
    char listed[512];   // the listed form of the user shown
    UserKind kind;      // USER_KIND_UNKNOWN: "N/A"
    bool loaded;        // a user is read and may be edited and saved
    AttributeRecord record;
    PasswordProperty password;
    char profile[PROFILE_NAME_SIZE];  // the linked profile, "" for none
    AttributeList profile_list;       // the linked profile's instances
    AttributeRecord snapshot;
    PasswordProperty snapshot_password;
    char snapshot_profile[PROFILE_NAME_SIZE];
    bool modified;
    uint32_t lists_version;     // the user names changed
    uint32_t profiles_version;  // the profile names changed
    uint32_t record_version;    // the lists must be redrawn
};

UsersPanel& users_panel();
void users_set_owner(void* owner);

// Page commands. Reset's argument: PANEL_RESET_ALL, PROFILE_LIST_CHANGED or
// PROFILE_CONTENTS_CHANGED.
void users_activate(uint32_t option_mask);
bool users_may_leave();
void users_reset(uint32_t argument);

// The controls.
void users_select(uint32_t index);
// -1: "<no profile>".
void users_choose_profile(int64_t index);
// A list page changed the record.
void users_lists_changed();
bool users_begin_add();
// An Add New User page's OK with the typed name (Domain and Host pages pass
// "\\domain\name"). False when the name is refused and the page stays open.
bool users_add(UserKind kind, const char* typed);
void users_remove();
bool users_save();
void users_revert();

// The password dialog.
struct PasswordDialogStart {
    bool pap_only;
    bool validate;                // a password is stored
    char text[SECRET_TEXT_SIZE];  // the stored text, when the server lets it be shown
};
void users_password_start(PasswordDialogStart* start);
void users_set_password(const char* text, bool pap_only);
// Shows whether `text` is the stored password; returns it.
bool users_validate_password(const char* text);

struct UsersControls {
    bool lists_editable;  // Ins and the others on both list pages
    bool add;
    bool remove;
    bool profile;  // the profile name list
    bool set_password;
    bool save_reset;
    uint16_t kind_text_id;  // 0: nothing shown
    int64_t profile_index;  // in profiles; -1: "<no profile>"
};
UsersControls users_controls();
void users_list_name(uint32_t index, char* text, uint32_t text_size);
void users_profile_name(uint32_t index, char* text, uint32_t text_size);
