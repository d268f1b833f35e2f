// The value row both attribute dialogs share: a text field, a list of value
// names, or an address with the pool choice, and the Default / Echo box.
#pragma once

#include <windows.h>

#include "attrs/editor.h"
#include "ui/attribute_page_win32.h"

const uint32_t VALUE_FIELD_SIZE = 128;  // 127 characters and the NUL

struct ValueControls {
    const AttributeDefinition* definition;
    ListKind kind;
    ValueControl control;
    bool echo_shown;               // the field holds the echo text
    char typed[VALUE_FIELD_SIZE];  // the text put aside while Echo shows its own
    char text[VALUE_FIELD_SIZE];   // what was read last
    char pool[VALUE_FIELD_SIZE];
};

// Shows the controls `definition` needs and fills the name and pool lists.
void value_controls_show(HWND dialog, ValueControls* values, const AttributeDefinition& definition, ListKind kind,
                         const AttributePageSetup& setup, bool change);
// Echo and the pool box enable or disable the fields; call after either changes.
void value_controls_sync(HWND dialog, ValueControls* values);
// A command from the value row or the Default / Echo box: keeps the fields
// in step; true when whether a value is given may have changed.
bool value_controls_command(HWND dialog, ValueControls* values, int id, int code);
// Whether a value is given (Add and OK enabled).
bool value_controls_given(HWND dialog, const ValueControls& values);
// The entry the editor rules take; its texts live in `values`.
ValueEntry value_controls_read(HWND dialog, ValueControls* values);
// The value's field, all of it selected, takes the keyboard (after a
// refused value, and for the next one).
void focus_value_field(HWND dialog, const ValueControls& values);
// Where both dialogs open: 9 pixels right of and below the main window's
// top-left corner, kept on its monitor.
void place_attribute_dialog(HWND dialog, HWND page);
