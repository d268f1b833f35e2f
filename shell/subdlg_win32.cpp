#include "shell/subdlg_win32.h"

#include <stdlib.h>

#include "resources/shell_ids.h"
#include "shell/subdlg_slots.h"
#include "shell/window_class_win32.h"

namespace {

SubdlgSlots* slots_of(HWND control) {
    if (!is_subdlg_control(control)) return nullptr;
    return (SubdlgSlots*)GetWindowLongPtrA(control, 0);
}

// Focus into the current page: its first tab stop after the anchor.
void focus_current_page(HWND control) {
    HWND page = subdlg_current_page(control);
    if (!page) return;
    HWND anchor = GetDlgItem(page, SUBDLG_ANCHOR_ID);
    HWND first = GetNextDlgTabItem(page, anchor, FALSE);
    if (first && first != anchor) SendMessageA(page, WM_NEXTDLGCTL, (WPARAM)first, TRUE);
}

LRESULT CALLBACK subdlg_proc(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CREATE: {
            SubdlgSlots* slots = (SubdlgSlots*)malloc(sizeof(SubdlgSlots));
            if (!slots) return -1;
            subdlg_slots_init(slots);
            SetWindowLongPtrA(control, 0, (LONG_PTR)slots);
            return 0;
        }
        case WM_NCDESTROY:
            free((SubdlgSlots*)GetWindowLongPtrA(control, 0));
            SetWindowLongPtrA(control, 0, 0);
            break;
        case WM_SETFOCUS: focus_current_page(control); return 0;
        case WM_NCHITTEST:
            // The mouse goes through to the pages and the controls around.
            return HTTRANSPARENT;
    }
    return DefWindowProcA(control, message, wparam, lparam);
}

}  // namespace

bool subdlg_register(HINSTANCE instance) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = subdlg_proc;
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = SUBDLG_CLASS;
    return register_window_class(wc);
}

bool is_subdlg_control(HWND window) {
    char name[32];
    return window && GetClassNameA(window, name, sizeof name) && lstrcmpiA(name, SUBDLG_CLASS) == 0;
}

uint32_t subdlg_add_page(HWND control, HINSTANCE instance, int template_id, DLGPROC procedure, LPARAM param) {
    SubdlgSlots* slots = slots_of(control);
    if (!slots || slots->count >= SUBDLG_SLOTS) return SUBDLG_NO_PAGE;
    HWND page = CreateDialogParamA(instance, MAKEINTRESOURCEA(template_id), control, procedure, param);
    if (!page) return SUBDLG_NO_PAGE;
    RECT area;
    GetClientRect(control, &area);
    SetWindowPos(page, nullptr, 0, 0, area.right, area.bottom, SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    return subdlg_slots_add(slots, page);
}

void subdlg_select(HWND control, uint32_t index) {
    SubdlgSlots* slots = slots_of(control);
    if (!slots || index == slots->current) return;
    HWND old_page = (HWND)subdlg_slots_current(slots);
    HWND focus = GetFocus();
    bool focus_was_inside = old_page && focus && (focus == old_page || IsChild(old_page, focus));
    if (old_page) {
        ShowWindow(old_page, SW_HIDE);
        HWND parent = GetParent(control);
        RECT area;
        GetWindowRect(old_page, &area);
        MapWindowPoints(nullptr, parent, (POINT*)&area, 2);
        InvalidateRect(parent, &area, TRUE);
    }
    slots->current = index;
    HWND new_page = (HWND)subdlg_slots_current(slots);
    if (new_page) ShowWindow(new_page, SW_SHOW);
    // A hidden page must not keep the keyboard.
    if (focus_was_inside) {
        if (new_page)
            focus_current_page(control);
        else
            SetFocus(GetParent(control));
    }
}

HWND subdlg_page(HWND control, uint32_t index) {
    SubdlgSlots* slots = slots_of(control);
    return slots ? (HWND)subdlg_slots_page(slots, index) : nullptr;
}

uint32_t subdlg_current_index(HWND control) {
    SubdlgSlots* slots = slots_of(control);
    return slots ? slots->current : SUBDLG_NO_PAGE;
}

HWND subdlg_current_page(HWND control) {
    SubdlgSlots* slots = slots_of(control);
    return slots ? (HWND)subdlg_slots_current(slots) : nullptr;
}

uint32_t subdlg_page_count(HWND control) {
    SubdlgSlots* slots = slots_of(control);
    return slots ? slots->count - 1 : 0;
}

void subdlg_broadcast(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
    SubdlgSlots* slots = slots_of(control);
    if (!slots) return;
    for (uint32_t index = 1; index < slots->count; ++index)
        SendMessageA((HWND)slots->pages[index], message, wparam, lparam);
}
