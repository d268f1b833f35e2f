#include "ui/page_win32.h"

LRESULT panel_send(HWND page, uint16_t command, LPARAM argument) {
    return page ? SendMessageA(page, WM_COMMAND, MAKEWPARAM(command, 0), argument) : 0;
}

INT_PTR panel_answer(HWND page, LRESULT value) {
    SetWindowLongPtrA(page, DWLP_MSGRESULT, value);
    return TRUE;
}

PanelContext panel_context(LPARAM argument) {
    PanelContext context = {};
    if (argument) context = *(const PanelContext*)argument;
    return context;
}
