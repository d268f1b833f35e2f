// Add New RAS Client (and the other panels' Add New ... dialogs): a name
// field, and a check box that stands for the catch-all entry.
#include <windows.h>

#include "panels/dialog_ids.h"
#include "panels/dialogs_win32.h"
#include "ui/dialogs_win32.h"

namespace {

struct AddNameDialog {
    const char* any_name;
    char* name;
    uint32_t name_size;
};

void enable_ok(HWND dialog) {
    EnableWindow(GetDlgItem(dialog, IDOK), GetWindowTextLengthA(GetDlgItem(dialog, IDC_ADD_NAME)) > 0);
}

// Checked: the catch-all name, fixed. Unchecked: an empty field to type in.
void any_clicked(HWND dialog, const AddNameDialog* state) {
    bool any = IsDlgButtonChecked(dialog, IDC_ADD_ANY) == BST_CHECKED;
    HWND field = GetDlgItem(dialog, IDC_ADD_NAME);
    SetWindowTextA(field, any ? state->any_name : "");
    EnableWindow(field, any ? FALSE : TRUE);
    enable_ok(dialog);
}

INT_PTR CALLBACK add_name_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    AddNameDialog* state = (AddNameDialog*)dialog_state(dialog, message, lparam);
    switch (message) {
        case WM_INITDIALOG:
            center_over_owner(dialog);
            SendDlgItemMessageA(dialog, IDC_ADD_NAME, EM_LIMITTEXT, state->name_size - 1, 0);
            enable_ok(dialog);
            SetFocus(GetDlgItem(dialog, IDC_ADD_NAME));
            return FALSE;
        case WM_COMMAND:
            if (!state) break;
            switch (LOWORD(wparam)) {
                case IDC_ADD_NAME:
                    if (HIWORD(wparam) == EN_CHANGE) enable_ok(dialog);
                    return TRUE;
                case IDC_ADD_ANY:
                    if (HIWORD(wparam) == BN_CLICKED) any_clicked(dialog, state);
                    return TRUE;
                case IDOK:
                    // Enter with an empty field: OK is disabled, nothing to add.
                    if (!IsWindowEnabled(GetDlgItem(dialog, IDOK))) return TRUE;
                    GetDlgItemTextA(dialog, IDC_ADD_NAME, state->name, (int)state->name_size);
                    EndDialog(dialog, IDOK);
                    return TRUE;
                case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
            }
            break;
    }
    return FALSE;
}

}  // namespace

bool add_name_dialog_run(HWND owner, int template_id, const char* any_name, char* name, uint32_t name_size) {
    if (name_size < 2) return false;
    AddNameDialog state = {any_name, name, name_size};
    return run_dialog(owner, template_id, add_name_proc, &state) == IDOK;
}
