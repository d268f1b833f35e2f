// The rules by which the attribute list pages and their Add and Change
// dialogs change one list of a record. The windows only gather what the
// administrator chose and call these; every message goes through the prompt
// interface by string id.
#pragma once

#include <stdint.h>

#include "attrs/attribute_list.h"
#include "attrs/dictionary.h"

// The list a page edits.
struct EditorTarget {
    AttributeRecord* record;
    ListKind kind;
    const Dictionary* dictionary;
    void* owner;  // the window that owns the messages
};

// What the dialog's controls hold when Add or OK is pressed.
struct ValueEntry {
    const char* text;    // the typed text, or the chosen value name
    const char* pool;    // "assign from pool" checked: the chosen pool ("" for none); else null
    bool echo;           // return list: the Echo box
    bool default_value;  // check list: the Default box
};

enum EditResult : uint8_t {
    EDIT_DONE,           // the list changed; `selection` is the resulting row
    EDIT_UNCHANGED,      // nothing to change (the Change dialog just closes)
    EDIT_REFUSED,        // a message was shown; the dialog stays open
    EDIT_REFUSED_CLOSE,  // a message was shown; the Change dialog closes all the same
};

struct EditOutcome {
    EditResult result;
    uint16_t message;   // the string id shown, when refused
    int32_t selection;  // the row to select afterwards, or -1
};

// Which of a page's buttons are enabled for the selected row (-1: none).
struct PageButtons {
    bool edit;
    bool del;
    bool up;
    bool down;
};
PageButtons page_buttons(const AttributeList& list, int32_t selected, const Dictionary* dictionary);

// The marker drawn at the start of a row.
enum RowMarker : uint8_t { MARK_NONE, MARK_ERROR, MARK_SUBTRACT, MARK_PROFILE, MARK_OVERWRITE };
RowMarker row_marker(const AttributeInstance& instance);

// Swaps the row with the one above (up) or below; returns the row's new index.
int32_t editor_move(AttributeList* list, uint16_t index, bool up);

// Del: toggles an inherited row between profile and subtract, removes any
// other. Returns the row to select afterwards, or -1 for an empty list.
int32_t editor_delete(const EditorTarget& target, uint16_t index);

// Check list: sets or clears the Default mark of a row; only one default
// per attribute that stands more than once.
void apply_default_rule(AttributeList* list, uint16_t index, const AttributeDefinition& definition, bool set);

// Add New Attribute: one value of `definition` into the target list.
EditOutcome editor_add(const EditorTarget& target, const AttributeDefinition& definition, const ValueEntry& entry);

// Whether the row may be changed at all; otherwise its message is shown and
// returned (the lowest error bit's, a subtraction's, a constant's).
uint16_t editor_check_change(const EditorTarget& target, uint16_t index);
// Change Attribute Value: the row's new value, Default and Echo.
EditOutcome editor_change(const EditorTarget& target, uint16_t index, const ValueEntry& entry);

// What the dialogs show for an attribute.
enum ValueControl : uint8_t {
    VALUE_NONE,             // constants and types without a text form
    VALUE_TEXT,             // a text field (also addresses on the check list)
    VALUE_NAMES,            // a list of the value names
    VALUE_ADDRESS_OR_POOL,  // return list, type 18: an address or a pool
};
ValueControl value_control(const AttributeDefinition& definition, ListKind kind);
// The prompt above the value field (0: none), for the Add or the Change dialog.
uint16_t value_prompt(const AttributeDefinition& definition, ListKind kind, bool change);
// The Echo box is enabled (return list, single-valued there).
bool echo_allowed(const AttributeDefinition& definition, ListKind kind);
// Whether the Add dialog offers the attribute for the list.
bool attribute_offered(const AttributeDefinition& definition, ListKind kind);
// 0 when the dictionary offers an attribute for the list; else the message.
uint16_t no_attributes_message(const Dictionary* dictionary, ListKind kind);

// The state of the value controls, for enabling Add and OK.
struct ValueState {
    ValueControl control;
    bool text_given;
    bool name_chosen;
    bool pool_checked;
    bool pool_chosen;
    bool echo;
};
bool value_given(const ValueState& state);
