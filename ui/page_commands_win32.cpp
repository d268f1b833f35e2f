#include "ui/page_win32.h"

#include <string.h>

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

void keep_focus_usable(HWND page, HWND had_focus, HWND fallback) {
    if (had_focus && IsChild(page, had_focus) && !IsWindowEnabled(had_focus))
        SendMessageA(page, WM_NEXTDLGCTL, (WPARAM)fallback, TRUE);
}

void set_field_text(HWND page, int id, const char* text) {
    char shown[1024];
    GetDlgItemTextA(page, id, shown, sizeof shown);
    if (strcmp(shown, text) != 0) SetDlgItemTextA(page, id, text);
}

void fill_list_box(HWND list, uint32_t count, void (*text_of)(uint32_t index, char* text, uint32_t text_size)) {
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    char text[256];
    for (uint32_t i = 0; i < count; ++i) {
        text_of(i, text, sizeof text);
        SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)text);
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}
