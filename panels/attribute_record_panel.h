// What the users and profiles panels keep alike: the record whose two
// attribute lists the list pages edit, the snapshot Reset goes back to, and
// whether the record was changed since.
#pragma once

#include <stdint.h>

#include "attrs/attribute_list.h"
#include "attrs/dictionary.h"

struct AttributeRecordPanel {
    AttributeRecord current;   // what the list pages show and edit
    AttributeRecord snapshot;  // as last read or saved
    bool snapshot_taken;       // false when there is none (or memory ran out taking it)
    bool modified;
    // Changes whenever `current` is replaced as a whole (read, reset,
    // cleared): the list pages then refill their rows.
    uint32_t version;
};

// A record is loaded: it has a class and an object name.
bool attribute_panel_has_record(const AttributeRecordPanel& panel);
// Frees the record and the snapshot and leaves both empty, not modified.
void attribute_panel_clear(AttributeRecordPanel* panel);
// Reads (cls, object) into the record: both lists in stored order, checked
// against `dictionary` and validated. Nothing else is touched (the snapshot
// stays; the caller takes one when the record is complete). A failed read
// leaves the record cleared and returns the status.
uint16_t attribute_panel_read(AttributeRecordPanel* panel, const char* cls, const char* object,
                              const Dictionary* dictionary, void* owner);
// Copies the record into the snapshot and clears the modified flag. When
// memory runs out 1113 is shown (owned by `owner`), the record stays as it
// is and stays modified, and Reset has nothing to go back to: false.
bool attribute_panel_take_snapshot(AttributeRecordPanel* panel, void* owner);
// Reset: the record becomes a copy of the snapshot, not modified. False,
// the record unchanged, when there is no snapshot or (1113 shown) no memory.
bool attribute_panel_restore(AttributeRecordPanel* panel, void* owner);
// A list page changed the record; nothing without a record.
void attribute_panel_mark_modified(AttributeRecordPanel* panel);
