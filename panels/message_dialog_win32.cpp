// Edit Rejection Message: the panel's message with its line breaks shown as
// lines; OK gives the typed text back to the panel.
#include "panels/message_dialog_win32.h"

#include <string.h>

#include "panels/config.h"
#include "panels/config_ids.h"
#include "ui/dialogs_win32.h"

namespace {

struct MessageDialog {
    uint32_t message;
};

void init_dialog(HWND dialog, const MessageDialog& state) {
    center_over_owner(dialog);
    char title[128];
    config_message_title(state.message, title, sizeof title);
    SetWindowTextA(dialog, title);
    char shown[MESSAGE_DIALOG_SIZE];
    config_message_for_dialog(state.message, shown, sizeof shown);
    // A message of many line breaks shows longer than it is stored; it may
    // still be shown whole.
    size_t limit = strlen(shown) > MESSAGE_TEXT_MAX ? strlen(shown) : MESSAGE_TEXT_MAX;
    HWND field = GetDlgItem(dialog, IDC_MESSAGE_TEXT);
    SendMessageA(field, EM_LIMITTEXT, limit, 0);
    SetWindowTextA(field, shown);
    SetFocus(field);
    SendMessageA(field, EM_SETSEL, 0, 0);
}

void finish(HWND dialog, const MessageDialog& state) {
    char typed[MESSAGE_DIALOG_SIZE];
    GetDlgItemTextA(dialog, IDC_MESSAGE_TEXT, typed, sizeof typed);
    config_message_from_dialog(state.message, typed);
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK message_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    MessageDialog* state = (MessageDialog*)dialog_state(dialog, message, lparam);
    if (!state) return FALSE;
    switch (message) {
        case WM_INITDIALOG: init_dialog(dialog, *state); return FALSE;  // the focus is set
        case WM_COMMAND:
            switch (LOWORD(wparam)) {
                case IDOK: finish(dialog, *state); return TRUE;
                case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
            }
            break;
    }
    return FALSE;
}

}  // namespace

bool message_dialog_run(HWND owner, uint32_t message) {
    MessageDialog state = {message};
    return run_dialog(owner, IDD_EDIT_MESSAGE, message_proc, &state) == IDOK;
}
