// Enter shared secret: a masked and an unmasked field, one of them visible;
// Set stores the visible text scrambled, Validate compares it with the
// stored secret.
#include <windows.h>

#include "panels/dialog_ids.h"
#include "panels/dialogs_win32.h"
#include "panels/secret_edit.h"
#include "ui/dialogs_win32.h"

namespace {

struct SecretDialog {
    ScrambledSecret* secret;
    uint32_t option_mask;
};

void init_dialog(HWND dialog, SecretDialog* state) {
    center_over_owner(dialog);
    SecretDialogStart start;
    secret_dialog_start(*state->secret, state->option_mask, &start);
    secret_fields_start(dialog, start.shown, start.validate_enabled);
    secret_wipe(start.shown, sizeof start.shown);
}

void set_secret(HWND, void* context, const char* text) { secret_set(((SecretDialog*)context)->secret, text); }

void check_secret(HWND dialog, void* context, const char* text) {
    validate_secret(dialog, *((SecretDialog*)context)->secret, text);
}

INT_PTR CALLBACK secret_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    SecretDialog* state = (SecretDialog*)dialog_state(dialog, message, lparam);
    switch (message) {
        case WM_INITDIALOG: init_dialog(dialog, state); return FALSE;  // the focus is set
        case WM_COMMAND:
            if (state) return secret_fields_command(dialog, wparam, {set_secret, check_secret, state}) ? TRUE : FALSE;
            break;
    }
    return FALSE;
}

}  // namespace

void secret_fields_start(HWND dialog, const char* shown, bool validate) {
    SendDlgItemMessageA(dialog, IDC_SECRET_MASKED, EM_LIMITTEXT, SECRET_TEXT_LIMIT, 0);
    SendDlgItemMessageA(dialog, IDC_SECRET_PLAIN, EM_LIMITTEXT, SECRET_TEXT_LIMIT, 0);
    SetDlgItemTextA(dialog, IDC_SECRET_MASKED, shown);
    EnableWindow(GetDlgItem(dialog, IDC_SECRET_VALIDATE), validate ? TRUE : FALSE);
    SetFocus(GetDlgItem(dialog, IDC_SECRET_MASKED));
}

static int visible_field(HWND dialog) {
    return IsDlgButtonChecked(dialog, IDC_SECRET_UNMASK) == BST_CHECKED ? IDC_SECRET_PLAIN : IDC_SECRET_MASKED;
}

void secret_fields_read(HWND dialog, char text[SECRET_TEXT_SIZE]) {
    GetDlgItemTextA(dialog, visible_field(dialog), text, SECRET_TEXT_LIMIT + 1);
}

void secret_fields_swap(HWND dialog) {
    int shown = visible_field(dialog);
    int hidden = shown == IDC_SECRET_PLAIN ? IDC_SECRET_MASKED : IDC_SECRET_PLAIN;
    char text[SECRET_TEXT_SIZE];
    GetDlgItemTextA(dialog, hidden, text, SECRET_TEXT_LIMIT + 1);
    SetDlgItemTextA(dialog, shown, text);
    SetDlgItemTextA(dialog, hidden, "");
    secret_wipe(text, sizeof text);
    ShowWindow(GetDlgItem(dialog, hidden), SW_HIDE);
    ShowWindow(GetDlgItem(dialog, shown), SW_SHOW);
}

bool secret_fields_command(HWND dialog, WPARAM wparam, const SecretFieldActions& actions) {
    char text[SECRET_TEXT_SIZE];
    switch (LOWORD(wparam)) {
        case IDC_SECRET_UNMASK:
            if (HIWORD(wparam) == BN_CLICKED) secret_fields_swap(dialog);
            return true;
        case IDOK:  // Enter
        case IDC_SECRET_SET:
            secret_fields_read(dialog, text);
            actions.set(dialog, actions.context, text);
            secret_wipe(text, sizeof text);
            secret_fields_finish(dialog, IDOK);
            return true;
        case IDC_SECRET_VALIDATE:
            secret_fields_read(dialog, text);
            actions.validate(dialog, actions.context, text);
            secret_wipe(text, sizeof text);
            secret_fields_finish(dialog, IDCANCEL);
            return true;
        case IDCANCEL: secret_fields_finish(dialog, IDCANCEL); return true;
    }
    return false;
}

void secret_fields_finish(HWND dialog, INT_PTR result) {
    SetDlgItemTextA(dialog, IDC_SECRET_MASKED, "");
    SetDlgItemTextA(dialog, IDC_SECRET_PLAIN, "");
    EndDialog(dialog, result);
}

bool secret_dialog_run(HWND owner, ScrambledSecret* secret, uint32_t option_mask) {
    SecretDialog state = {secret, option_mask};
    return run_dialog(owner, IDD_SHARED_SECRET, secret_proc, &state) == IDOK;
}
