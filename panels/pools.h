// The IP address pools panel apart from its window: the list of pools, the
// working record and its snapshot, and every step of showing, editing,
// saving, adding and removing a pool and its ranges. The page hands each
// change of a control to one of the functions below and then redraws every
// control from the panel's state and pools_controls(); the model talks to
// the administrator only through show_prompt.
#pragma once

#include <stdint.h>

#include "api/db_lists.h"
#include "panels/pool_record.h"

const uint32_t HELP_CONTEXT_ADDRESS_POOLS = 1004;
const uint32_t DESCRIPTION_FIELD_LIMIT = POOL_DESCRIPTION_SIZE - 1;
const uint32_t RANGE_START_FIELD_LIMIT = 127;  // a host name may be typed there
const uint32_t RANGE_COUNT_FIELD_LIMIT = 31;
const uint32_t RANGE_TEXT_SIZE = 64;  // "255.255.255.255 (4294967295)"

// The one panel. The page reads it; only the functions below change it.
struct PoolsPanel {
    void* owner;          // window that owns the panel's messages
    bool initialised;     // names loaded since the last reset
    NameList names;       // sorted, OEM
    int64_t selected;     // index in names, -1: none
    PoolRecord current;   // what the controls show
    PoolRecord snapshot;  // the pool as last read or saved
    bool modified;
    // The pool was read whole and may be edited. One whose stored ranges
    // could not be taken stays read-only: saving it would store no ranges.
    bool loaded;
    int64_t range_selected;   // index in current.ranges, -1: none
    uint32_t lists_version;   // changes whenever the names change
    uint32_t ranges_version;  // changes whenever the shown ranges change
};

PoolsPanel& pools_panel();
// The window that owns the panel's messages (none in tests).
void pools_set_owner(void* owner);

// Page commands. Activation loads what was not loaded since the last
// reset; leaving runs the save prompt (false: stay); reset forgets it all.
void pools_activate();
bool pools_may_leave();
void pools_reset();

// The controls.
void pools_select(uint32_t index);  // pool name list selection
void pools_edit_description(const char* text);
void pools_select_range(int64_t index);  // range list selection, -1: none
void pools_delete_range();               // Del, or the Delete key
bool pools_begin_add();                  // Add: true when the Add New IP Address Pool dialog may open
void pools_add(const char* typed);       // its OK, with the typed name
void pools_remove();
bool pools_save();
void pools_revert();  // Reset

// The Add New IP Address Range dialog. A host name in the start field
// becomes its dotted address (true, and `text` replaced when it was a
// name); false after the lookup failed. Adding checks both fields and the
// range: true when it was added, after which the dialog stays open for the
// next one.
bool pools_resolve_range_start(char* text, uint32_t text_size);
bool pools_add_range(const char* start_text, const char* count_text);

// A name of the list as shown (converted from the OEM character set), and
// a range of the current pool as the range list shows it.
void pools_list_name(uint32_t index, char* text, uint32_t text_size);
void pools_range_text(uint32_t index, char* text, uint32_t text_size);

struct PoolsControls {
    bool description_enabled;
    bool insert_enabled;  // Ins
    bool delete_enabled;  // Del
    bool remove_enabled;
    bool save_enabled;  // Save and Reset: exactly while modified
};
PoolsControls pools_controls();
