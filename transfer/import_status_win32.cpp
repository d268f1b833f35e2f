#include "transfer/import_status_win32.h"

#include <stdio.h>

#include "resources/strings.h"
#include "transfer/transfer_ids.h"
#include "transfer/waiting_messages_win32.h"
#include "ui/dialogs_win32.h"

namespace {

const int BUTTONS[] = {IDC_IMPORT_REPLACE, IDC_IMPORT_REPLACE_ALL, IDC_IMPORT_SKIP, IDCANCEL};

void show_buttons(HWND window, bool shown) {
    for (int id : BUTTONS) ShowWindow(GetDlgItem(window, id), shown ? SW_SHOW : SW_HIDE);
}

void set_status(ImportStatusWindow* status, uint16_t format_id, const char* cls, const char* object) {
    char text[1400];
    snprintf(text, sizeof text, string_text(format_id), cls, object);
    SetDlgItemTextA(status->window, IDC_IMPORT_STATUS_TEXT, text);
}

INT_PTR CALLBACK status_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    ImportStatusWindow* status = (ImportStatusWindow*)dialog_state(window, message, lparam);
    if (!status) return FALSE;
    if (message == WM_INITDIALOG) {
        SetWindowTextA(window, string_text(IDS_IMPORT_STATUS_TITLE));
        return TRUE;
    }
    if (message != WM_COMMAND || HIWORD(wparam) != BN_CLICKED || status->answered) return FALSE;
    switch (LOWORD(wparam)) {
        case IDC_IMPORT_REPLACE: status->answer = ANSWER_REPLACE; break;
        case IDC_IMPORT_REPLACE_ALL: status->answer = ANSWER_REPLACE_ALL; break;
        case IDC_IMPORT_SKIP: status->answer = ANSWER_SKIP; break;
        case IDCANCEL: status->answer = ANSWER_STOP; break;  // the button, Escape or the close box
        default: return FALSE;
    }
    // Only while a question stands: Escape between objects does nothing.
    status->answered = IsWindowVisible(GetDlgItem(window, IDC_IMPORT_REPLACE)) != FALSE;
    return TRUE;
}

void on_importing(void* context, const char* cls, const char* object) {
    ImportStatusWindow* status = (ImportStatusWindow*)context;
    if (!status->window) return;
    show_buttons(status->window, false);
    set_status(status, IDS_IMPORT_IMPORTING_STATUS, cls, object);
    run_waiting_messages(status->window);
}

// Input meant for other windows is dropped while the question stands.
bool input_elsewhere(const MSG& message, HWND window) {
    bool input = (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST) ||
                 (message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST) ||
                 (message.message >= WM_NCMOUSEMOVE && message.message <= WM_NCMBUTTONDBLCLK);
    return input && message.hwnd != window && !IsChild(window, message.hwnd);
}

ReplaceAnswer on_ask(void* context, const char* cls, const char* object) {
    ImportStatusWindow* status = (ImportStatusWindow*)context;
    if (!status->window) return ANSWER_SKIP;
    import_status_show_question(status, cls, object);
    MSG message;
    while (!status->answered) {
        BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage((int)message.wParam);  // for the main loop, after the import
            return ANSWER_STOP;
        }
        if (input_elsewhere(message, status->window)) continue;
        if (!IsDialogMessageA(status->window, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    show_buttons(status->window, false);
    return status->answer;
}

}  // namespace

void import_status_open(ImportStatusWindow* status, HWND owner) {
    status->owner = owner;
    status->answered = false;
    status->answer = ANSWER_SKIP;
    status->window = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_IMPORT_STATUS), owner,
                                        status_proc, (LPARAM)status);
    if (owner) EnableWindow(owner, FALSE);
    if (!status->window) return;
    show_buttons(status->window, false);
    center_over_owner(status->window);
    ShowWindow(status->window, SW_SHOW);
    UpdateWindow(status->window);
}

void import_status_show_question(ImportStatusWindow* status, const char* cls, const char* object) {
    if (!status->window) return;
    set_status(status, IDS_IMPORT_REPLACE_STATUS, cls, object);
    show_buttons(status->window, true);
    SendMessageA(status->window, WM_NEXTDLGCTL, (WPARAM)GetDlgItem(status->window, IDC_IMPORT_REPLACE), TRUE);
    status->answered = false;
}

ImportCallbacks import_status_callbacks(ImportStatusWindow* status) {
    ImportCallbacks callbacks = {on_ask, on_importing, status};
    return callbacks;
}

void import_status_close(ImportStatusWindow* status) {
    // The owner first, so that it, not another program, becomes active.
    if (status->owner) EnableWindow(status->owner, TRUE);
    if (status->window) DestroyWindow(status->window);
    status->window = nullptr;
}
