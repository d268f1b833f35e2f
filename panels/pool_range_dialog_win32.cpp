// Add New IP Address Range: a starting address (or a host name, looked up
// when the count field gets the focus, on Enter and before Add) and a
// number of addresses. Each Add puts one range into the current pool; the
// dialog stays open for the next until Close.
#include <windows.h>

#include "panels/dialogs_win32.h"
#include "panels/pools.h"
#include "panels/pools_ids.h"
#include "ui/dialogs_win32.h"

namespace {

struct RangeDialog {
    HWND beside;  // the range list it opens next to
    void (*added)(void* context);
    void* context;
    bool start_changed;  // typed since it was last looked up
    bool setting_text;   // the dialog is writing the start field itself
};

void enable_add(HWND dialog) {
    bool both = GetWindowTextLengthA(GetDlgItem(dialog, IDC_RANGE_START)) > 0 &&
                GetWindowTextLengthA(GetDlgItem(dialog, IDC_RANGE_COUNT)) > 0;
    EnableWindow(GetDlgItem(dialog, IDOK), both ? TRUE : FALSE);
}

void focus_field(HWND dialog, int id) {
    HWND field = GetDlgItem(dialog, id);
    SendMessageA(dialog, WM_NEXTDLGCTL, (WPARAM)field, TRUE);
    SendMessageA(field, EM_SETSEL, 0, -1);
}

void set_start_text(HWND dialog, RangeDialog* state, const char* text) {
    state->setting_text = true;
    SetDlgItemTextA(dialog, IDC_RANGE_START, text);
    state->setting_text = false;
}

// A host name typed since the last lookup becomes its dotted address; a
// name nobody knows leaves its text selected in the field.
bool resolve_start(HWND dialog, RangeDialog* state) {
    if (!state->start_changed) return true;
    state->start_changed = false;  // once for each text, however often asked
    char text[RANGE_START_FIELD_LIMIT + 1];
    GetDlgItemTextA(dialog, IDC_RANGE_START, text, sizeof text);
    if (!pools_resolve_range_start(text, sizeof text)) {
        focus_field(dialog, IDC_RANGE_START);
        return false;
    }
    set_start_text(dialog, state, text);
    return true;
}

void add_clicked(HWND dialog, RangeDialog* state) {
    if (!resolve_start(dialog, state)) return;
    // Enter with a field empty: nothing to add.
    if (!IsWindowEnabled(GetDlgItem(dialog, IDOK))) return;
    char start[RANGE_START_FIELD_LIMIT + 1], count[RANGE_COUNT_FIELD_LIMIT + 1];
    GetDlgItemTextA(dialog, IDC_RANGE_START, start, sizeof start);
    GetDlgItemTextA(dialog, IDC_RANGE_COUNT, count, sizeof count);
    if (!pools_add_range(start, count)) return;
    state->added(state->context);
    // Ready for the next range.
    set_start_text(dialog, state, "");
    SetDlgItemTextA(dialog, IDC_RANGE_COUNT, "");
    focus_field(dialog, IDC_RANGE_START);
}

void init_dialog(HWND dialog, RangeDialog* state) {
    place_beside(dialog, state->beside);
    // The model's messages belong to this dialog while it is open.
    pools_set_owner(dialog);
    SendDlgItemMessageA(dialog, IDC_RANGE_START, EM_LIMITTEXT, RANGE_START_FIELD_LIMIT, 0);
    SendDlgItemMessageA(dialog, IDC_RANGE_COUNT, EM_LIMITTEXT, RANGE_COUNT_FIELD_LIMIT, 0);
    enable_add(dialog);
    SetFocus(GetDlgItem(dialog, IDC_RANGE_START));
}

bool handle_command(HWND dialog, RangeDialog* state, int id, int code) {
    switch (id) {
        case IDC_RANGE_START:
            if (code == EN_CHANGE) {
                if (!state->setting_text) state->start_changed = true;
                enable_add(dialog);
            }
            return true;
        case IDC_RANGE_COUNT:
            if (code == EN_CHANGE) enable_add(dialog);
            if (code == EN_SETFOCUS) resolve_start(dialog, state);
            return true;
        case IDOK: add_clicked(dialog, state); return true;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return true;
    }
    return false;
}

INT_PTR CALLBACK range_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    RangeDialog* state = (RangeDialog*)dialog_state(dialog, message, lparam);
    switch (message) {
        case WM_INITDIALOG: init_dialog(dialog, state); return FALSE;
        case WM_COMMAND:
            if (!state) break;
            return handle_command(dialog, state, LOWORD(wparam), HIWORD(wparam)) ? TRUE : FALSE;
    }
    return FALSE;
}

}  // namespace

void pool_range_dialog_run(HWND owner, HWND beside, void (*added)(void* context), void* context) {
    RangeDialog state = {beside, added, context, false, false};
    void* page_owner = pools_panel().owner;
    run_dialog(owner, IDD_POOL_RANGE, range_proc, &state);
    pools_set_owner(page_owner);
}
