// The page of a panel that is not built yet.
#include "shell/panel_win32.h"

INT_PTR CALLBACK empty_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM) {
    if (message == WM_INITDIALOG) return FALSE;
    if (message == WM_COMMAND && LOWORD(wparam) == PANEL_QUERY_LEAVE) return panel_answer(page, 0);
    return FALSE;
}
