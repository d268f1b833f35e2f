// Change Attribute Value: the selected row's value, Default and Echo.
#include <stdio.h>
#include <string.h>

#include <initializer_list>

#include "attrs/value_forms.h"
#include "resources/strings.h"
#include "ui/attribute_editor_ids.h"
#include "ui/attribute_value_controls_win32.h"
#include "ui/dialogs_win32.h"
#include "ui/wait_cursor.h"

namespace {

struct ChangeDialog {
    HWND page;
    AttributePageSetup* setup;
    uint16_t index;
    const AttributeDefinition* definition;
    ValueControls values;
    int32_t result;  // the row to select afterwards, or -1
};

const AttributeInstance& edited(const ChangeDialog& state) {
    return list_of(state.setup->record, state.setup->kind).items[state.index];
}

void select_in_combo(HWND dialog, int id, const char* text) {
    HWND combo = GetDlgItem(dialog, id);
    LRESULT found = SendMessageA(combo, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)text);
    // A pool that is gone from the server still shows as the current choice.
    if (found == CB_ERR && id == IDC_VALUE_POOLS) found = SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)text);
    SendMessageA(combo, CB_SETCURSEL, (WPARAM)found, 0);
}

// Without the pool row the rest moves up into its place.
void close_pool_row(HWND dialog) {
    RECT pool, flag;
    GetWindowRect(GetDlgItem(dialog, IDC_VALUE_POOL_CHECK), &pool);
    GetWindowRect(GetDlgItem(dialog, IDC_VALUE_FLAG), &flag);
    int shift = flag.top - pool.top;
    for (int id : {IDC_VALUE_FLAG, IDOK, IDCANCEL}) {
        HWND control = GetDlgItem(dialog, id);
        RECT box;
        GetWindowRect(control, &box);
        MapWindowPoints(nullptr, dialog, (POINT*)&box, 2);
        SetWindowPos(control, nullptr, box.left, box.top - shift, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    RECT frame;
    GetWindowRect(dialog, &frame);
    SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top - shift,
                 SWP_NOMOVE | SWP_NOZORDER);
}

void show_current_value(HWND dialog, ChangeDialog* state) {
    const AttributeInstance& instance = edited(*state);
    ListKind kind = state->setup->kind;
    char title[128];
    snprintf(title, sizeof title, string_text(IDS_CHANGE_ATTRIBUTE_TITLE), instance.name);
    SetWindowTextA(dialog, title);
    value_controls_show(dialog, &state->values, *state->definition, kind, *state->setup, true);
    if (state->values.control != VALUE_ADDRESS_OR_POOL) close_pool_row(dialog);
    char text[VALUE_TEXT_SIZE];
    char pool[MAX_VALUE_LENGTH + 1];
    if (value_pool_name(instance, pool, sizeof pool) && state->values.control == VALUE_ADDRESS_OR_POOL) {
        CheckDlgButton(dialog, IDC_VALUE_POOL_CHECK, BST_CHECKED);
        select_in_combo(dialog, IDC_VALUE_POOLS, pool);
    } else if (state->values.control == VALUE_NAMES) {
        select_in_combo(dialog, IDC_VALUE_NAMES, instance.value_name);
    } else {
        format_edit_text(instance, text, sizeof text);
        SetDlgItemTextA(dialog, IDC_VALUE_TEXT, text);
    }
    bool flag = kind.list_bit == ATTR_CHECK ? (instance.flags & IF_DEFAULT) != 0
                                            : (instance.flags & IF_ECHO) != 0 && echo_allowed(*state->definition, kind);
    CheckDlgButton(dialog, IDC_VALUE_FLAG, flag ? BST_CHECKED : BST_UNCHECKED);
    value_controls_sync(dialog, &state->values);
}

void update_ok(HWND dialog, const ChangeDialog& state) {
    EnableWindow(GetDlgItem(dialog, IDOK), value_controls_given(dialog, state.values));
}

void change_value(HWND dialog, ChangeDialog* state) {
    if (!IsWindowEnabled(GetDlgItem(dialog, IDOK))) return;
    ValueEntry entry = value_controls_read(dialog, &state->values);
    EditorTarget target = {state->setup->record, state->setup->kind, state->setup->dictionary, dialog};
    EditOutcome outcome;
    {
        WaitCursor wait;  // a host name may be looked up
        outcome = editor_change(target, state->index, entry);
    }
    switch (outcome.result) {
        case EDIT_DONE:
            state->result = outcome.selection;
            EndDialog(dialog, IDOK);
            break;
        case EDIT_UNCHANGED:
        case EDIT_REFUSED_CLOSE: EndDialog(dialog, IDCANCEL); break;
        default: focus_value_field(dialog, state->values); break;
    }
}

INT_PTR CALLBACK change_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    ChangeDialog* state = (ChangeDialog*)dialog_state(dialog, message, lparam);
    if (!state) return FALSE;
    switch (message) {
        case WM_INITDIALOG:
            place_attribute_dialog(dialog, state->page);
            show_current_value(dialog, state);
            update_ok(dialog, *state);
            focus_value_field(dialog, state->values);
            return FALSE;
        case WM_COMMAND: {
            int id = LOWORD(wparam), code = HIWORD(wparam);
            if (value_controls_command(dialog, &state->values, id, code)) update_ok(dialog, *state);
            if (id == IDOK) change_value(dialog, state);
            if (id == IDCANCEL) EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        default: return FALSE;
    }
}

}  // namespace

int32_t run_change_attribute_dialog(HWND page, AttributePageSetup* setup, uint16_t index) {
    const AttributeList& rows = list_of(setup->record, setup->kind);
    if (index >= rows.count) return -1;
    const AttributeDefinition* definition = find_definition(setup->dictionary, rows.items[index].name);
    if (!definition) return -1;
    ChangeDialog state = {page, setup, index, definition, {}, -1};
    run_dialog(GetAncestor(page, GA_ROOT), IDD_CHANGE_ATTRIBUTE, change_dialog_proc, &state);
    return state.result;
}
