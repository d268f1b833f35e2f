#include "ui/dialogs_win32.h"

INT_PTR run_dialog(HWND owner, int template_id, DLGPROC procedure, void* state) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(template_id), owner, procedure, (LPARAM)state);
}

void* dialog_state(HWND dialog, UINT message, LPARAM lparam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrA(dialog, DWLP_USER, (LONG_PTR)lparam);
    return (void*)GetWindowLongPtrA(dialog, DWLP_USER);
}
