// Enter User Password: the masked and unmasked fields of the secret dialog
// and the choice between a digest (PAP only) and a scrambled text (PAP or
// CHAP); Set and Validate go to the users panel.
#include <windows.h>

#include "panels/dialog_ids.h"
#include "panels/dialogs_win32.h"
#include "panels/users.h"
#include "panels/users_ids.h"
#include "ui/dialogs_win32.h"

namespace {

void init_dialog(HWND dialog) {
    center_over_owner(dialog);
    PasswordDialogStart start;
    users_password_start(&start);
    CheckRadioButton(dialog, IDC_PASSWORD_PAP_ONLY, IDC_PASSWORD_PAP_CHAP,
                     start.pap_only ? IDC_PASSWORD_PAP_ONLY : IDC_PASSWORD_PAP_CHAP);
    secret_fields_start(dialog, start.text, start.validate);
    secret_wipe(start.text, sizeof start.text);
}

void set_password(HWND dialog, void*, const char* text) {
    users_set_password(text, IsDlgButtonChecked(dialog, IDC_PASSWORD_PAP_ONLY) == BST_CHECKED);
}

void check_password(HWND, void*, const char* text) { users_validate_password(text); }

INT_PTR CALLBACK password_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: init_dialog(dialog); return FALSE;  // the focus is set
        case WM_COMMAND:
            return secret_fields_command(dialog, wparam, {set_password, check_password, nullptr}) ? TRUE : FALSE;
    }
    return FALSE;
}

}  // namespace

void user_password_dialog_run(HWND owner) { run_dialog(owner, IDD_USER_PASSWORD, password_proc, nullptr); }
