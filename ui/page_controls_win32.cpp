#include "ui/page_controls_win32.h"

#include <string.h>

void set_text_if_changed(HWND page, int id, const char* text) {
    char shown[512];
    GetDlgItemTextA(page, id, shown, sizeof shown);
    if (strcmp(shown, text) != 0) SetDlgItemTextA(page, id, text);
}

void fill_list_box(HWND list, uint32_t count, void (*name_of)(uint32_t index, char* text, uint32_t text_size)) {
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    char name[256];
    for (uint32_t i = 0; i < count; ++i) {
        name_of(i, name, sizeof name);
        SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)name);
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void keep_focus_usable(HWND page, HWND had_focus, int fallback_id) {
    if (had_focus && IsChild(page, had_focus) && !IsWindowEnabled(had_focus))
        SendMessageA(page, WM_NEXTDLGCTL, (WPARAM)GetDlgItem(page, fallback_id), TRUE);
}

void enable_control(HWND page, int id, bool enabled) { EnableWindow(GetDlgItem(page, id), enabled ? TRUE : FALSE); }
