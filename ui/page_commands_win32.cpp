#include "ui/page_win32.h"

#include <string.h>

#include "ui/help.h"

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
    SendMessageA(list, LB_INITSTORAGE, count, (LPARAM)count * 16);  // one allocation for a long list
    char text[256];
    for (uint32_t i = 0; i < count; ++i) {
        text_of(i, text, sizeof text);
        SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)text);
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

bool record_page_command(HWND page, const RecordPage& record_page, uint16_t command, LPARAM argument,
                         PanelContext* context, INT_PTR* result) {
    *result = TRUE;
    switch (command) {
        case PANEL_TICK: return true;
        case PANEL_QUERY_LEAVE: {
            bool stay = !record_page.may_leave();
            record_page.refresh(page);
            *result = panel_answer(page, stay ? 1 : 0);
            return true;
        }
        case PANEL_ACTIVATE:
            if (context) *context = panel_context(argument);
            help_set_context(record_page.help_context);
            record_page.activate();
            break;
        case PANEL_RESET:
            record_page.reset();
            if (IsWindowVisible(page)) record_page.activate();
            break;
        default: return false;
    }
    record_page.refresh(page);
    return true;
}
