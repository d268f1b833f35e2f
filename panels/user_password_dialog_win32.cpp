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

INT_PTR CALLBACK password_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: init_dialog(dialog); return FALSE;  // the focus is set
        case WM_COMMAND: {
            char text[SECRET_TEXT_SIZE];
            switch (LOWORD(wparam)) {
                case IDC_SECRET_UNMASK:
                    if (HIWORD(wparam) == BN_CLICKED) secret_fields_swap(dialog);
                    return TRUE;
                case IDOK:  // Enter
                case IDC_SECRET_SET:
                    secret_fields_read(dialog, text);
                    users_set_password(text, IsDlgButtonChecked(dialog, IDC_PASSWORD_PAP_ONLY) == BST_CHECKED);
                    secret_wipe(text, sizeof text);
                    secret_fields_finish(dialog, IDOK);
                    return TRUE;
                case IDC_SECRET_VALIDATE:
                    secret_fields_read(dialog, text);
                    users_validate_password(text);
                    secret_wipe(text, sizeof text);
                    secret_fields_finish(dialog, IDCANCEL);
                    return TRUE;
                case IDCANCEL: secret_fields_finish(dialog, IDCANCEL); return TRUE;
            }
            break;
        }
    }
    return FALSE;
}

}  // namespace

void user_password_dialog_run(HWND owner) { run_dialog(owner, IDD_USER_PASSWORD, password_proc, nullptr); }
