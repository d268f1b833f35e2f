// Add New Attribute: the attributes the list may hold, one value at a time;
// the dialog stays open for the next until Close.
#include <string.h>

#include "attrs/error_box.h"
#include "ui/attribute_editor_ids.h"
#include "ui/attribute_value_controls_win32.h"
#include "ui/dialogs_win32.h"
#include "ui/wait_cursor.h"

namespace {

struct AddDialog {
    HWND page;
    AttributePageSetup* setup;
    int32_t selected;  // the page's selected row when the dialog opened
    ValueControls values;
};

const AttributeDefinition* chosen_attribute(HWND dialog, const AddDialog& state) {
    HWND list = GetDlgItem(dialog, IDC_ADD_ATTRIBUTES);
    LRESULT chosen = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (chosen == LB_ERR) return nullptr;
    LRESULT index = SendMessageA(list, LB_GETITEMDATA, (WPARAM)chosen, 0);
    const Dictionary* dictionary = state.setup->dictionary;
    return index >= 0 && (uint32_t)index < dictionary->attribute_count ? &dictionary->attributes[index] : nullptr;
}

void update_add_button(HWND dialog, AddDialog* state) {
    bool given = chosen_attribute(dialog, *state) && value_controls_given(dialog, state->values);
    EnableWindow(GetDlgItem(dialog, IDC_ADD_ATTRIBUTE_ADD), given);
}

void show_attribute(HWND dialog, AddDialog* state) {
    const AttributeDefinition* definition = chosen_attribute(dialog, *state);
    if (!definition) return;
    ListKind kind = state->setup->kind;
    EnableWindow(GetDlgItem(dialog, IDC_ADD_MULTI), multi_valued_on(*definition, kind));
    EnableWindow(GetDlgItem(dialog, IDC_ADD_ORDERABLE), is_orderable(*definition));
    CheckDlgButton(dialog, IDC_VALUE_FLAG, BST_UNCHECKED);
    value_controls_show(dialog, &state->values, *definition, kind, *state->setup, false);
    update_add_button(dialog, state);
}

bool fill_attributes(HWND dialog, AddDialog* state) {
    const Dictionary* dictionary = state->setup->dictionary;
    ListKind kind = state->setup->kind;
    uint16_t none = no_attributes_message(dictionary, kind);
    if (none) {
        show_error(dialog, none);
        return false;
    }
    HWND list = GetDlgItem(dialog, IDC_ADD_ATTRIBUTES);
    for (uint32_t i = 0; i < dictionary->attribute_count; ++i) {
        if (!attribute_offered(dictionary->attributes[i], kind)) continue;
        LRESULT at = SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)dictionary->attributes[i].name);
        if (at >= 0) SendMessageA(list, LB_SETITEMDATA, (WPARAM)at, (LPARAM)i);
    }
    // The selected row's attribute when the list offers it, else the first.
    LRESULT start = 0;
    const AttributeList& rows = list_of(state->setup->record, kind);
    if (state->selected >= 0 && state->selected < rows.count) {
        LRESULT found = SendMessageA(list, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)rows.items[state->selected].name);
        if (found != LB_ERR) start = found;
    }
    SendMessageA(list, LB_SETCURSEL, (WPARAM)start, 0);
    return true;
}

void add_value(HWND dialog, AddDialog* state) {
    const AttributeDefinition* definition = chosen_attribute(dialog, *state);
    if (!definition || !IsWindowEnabled(GetDlgItem(dialog, IDC_ADD_ATTRIBUTE_ADD))) return;
    ValueEntry entry = value_controls_read(dialog, &state->values);
    EditorTarget target = {state->setup->record, state->setup->kind, state->setup->dictionary, dialog};
    EditOutcome outcome;
    {
        WaitCursor wait;  // a host name may be looked up
        outcome = editor_add(target, *definition, entry);
    }
    if (outcome.result != EDIT_DONE) {
        focus_value_field(dialog, state->values);
        return;
    }
    attribute_page_show_row(state->page, outcome.selection);
    // Ready for the next value.
    CheckDlgButton(dialog, IDC_VALUE_FLAG, BST_UNCHECKED);
    value_controls_sync(dialog, &state->values);
    focus_value_field(dialog, state->values);
    update_add_button(dialog, state);
}

INT_PTR CALLBACK add_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    AddDialog* state = (AddDialog*)dialog_state(dialog, message, lparam);
    if (!state) return FALSE;
    switch (message) {
        case WM_INITDIALOG:
            place_attribute_dialog(dialog, state->page);
            if (!fill_attributes(dialog, state)) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            show_attribute(dialog, state);
            return TRUE;
        case WM_COMMAND: {
            int id = LOWORD(wparam), code = HIWORD(wparam);
            if (id == IDC_ADD_ATTRIBUTES && code == LBN_SELCHANGE) show_attribute(dialog, state);
            if (value_controls_command(dialog, &state->values, id, code)) update_add_button(dialog, state);
            if (id == IDC_ADD_ATTRIBUTE_ADD || id == IDOK) add_value(dialog, state);
            if (id == IDCANCEL) EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        default: return FALSE;
    }
}

}  // namespace

void run_add_attribute_dialog(HWND page, AttributePageSetup* setup, int32_t selected) {
    // The program's dictionary is fetched when the dialog first needs it.
    if (setup->dictionary == program_dictionary() && !dictionary_loaded(setup->dictionary)) {
        bool loaded;
        {
            WaitCursor wait;
            loaded = load_dictionary(page, nullptr);
        }
        if (!loaded) return;
    }
    AddDialog state = {page, setup, selected, {}};
    run_dialog(GetAncestor(page, GA_ROOT), IDD_ADD_ATTRIBUTE, add_dialog_proc, &state);
}
