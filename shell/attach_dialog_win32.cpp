// The Attach to Host dialog: the logon the Servers panel offers when a
// host's pipe refuses this console.
#include <windows.h>

#include "api/text_fill.h"
#include "resources/shell_ids.h"
#include "resources/strings.h"
#include "shell/dialogs_win32.h"
#include "shell/servers.h"
#include "ui/dialogs_win32.h"

namespace {

struct AttachDialog {
    const char* server;
    char* user;
    char* password;
};

INT_PTR CALLBACK attach_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    AttachDialog* state = (AttachDialog*)dialog_state(dialog, message, lparam);
    switch (message) {
        case WM_INITDIALOG: {
            center_over_owner(dialog);
            char prompt[400];
            fill_text(prompt, sizeof prompt, string_text(IDS_ATTACH_PROMPT), &state->server, 1);
            SetDlgItemTextA(dialog, IDC_ATTACH_HOST_NAME, prompt);
            SendDlgItemMessageA(dialog, IDC_ATTACH_USER, EM_LIMITTEXT, LOGON_TEXT_SIZE - 1, 0);
            SendDlgItemMessageA(dialog, IDC_ATTACH_PASSWORD, EM_LIMITTEXT, LOGON_TEXT_SIZE - 1, 0);
            EnableWindow(GetDlgItem(dialog, IDOK), FALSE);
            SetFocus(GetDlgItem(dialog, IDC_ATTACH_USER));
            return FALSE;
        }
        case WM_COMMAND:
            switch (LOWORD(wparam)) {
                case IDC_ATTACH_USER:
                    if (HIWORD(wparam) == EN_CHANGE)
                        EnableWindow(GetDlgItem(dialog, IDOK),
                                     GetWindowTextLengthA(GetDlgItem(dialog, IDC_ATTACH_USER)) > 0);
                    return TRUE;
                case IDOK:
                    // Enter with an empty user name: OK is disabled, nothing to store.
                    if (!IsWindowEnabled(GetDlgItem(dialog, IDOK))) return TRUE;
                    GetDlgItemTextA(dialog, IDC_ATTACH_USER, state->user, LOGON_TEXT_SIZE);
                    GetDlgItemTextA(dialog, IDC_ATTACH_PASSWORD, state->password, LOGON_TEXT_SIZE);
                    SetDlgItemTextA(dialog, IDC_ATTACH_PASSWORD, "");
                    EndDialog(dialog, IDOK);
                    return TRUE;
                case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
            }
            break;
    }
    return FALSE;
}

}  // namespace

bool attach_dialog_run(HWND owner, const char* server, char* user, char* password) {
    AttachDialog state = {server, user, password};
    return run_dialog(owner, IDD_ATTACH_HOST, attach_proc, &state) == IDOK;
}
