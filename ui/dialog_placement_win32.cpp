// Where the frame's dialogs open: over the window that opened them, not in
// the middle of the screen, and never off the monitor.
#include "ui/dialogs_win32.h"

void center_over_owner(HWND dialog) {
    HWND owner = GetWindow(dialog, GW_OWNER);
    if (!owner) return;
    RECT box, over;
    GetWindowRect(dialog, &box);
    GetWindowRect(owner, &over);
    int width = box.right - box.left, height = box.bottom - box.top;
    move_onto_monitor(dialog, over.left + (over.right - over.left - width) / 2,
                      over.top + (over.bottom - over.top - height) / 2);
}

void move_onto_monitor(HWND dialog, int x, int y) {
    RECT box;
    GetWindowRect(dialog, &box);
    int width = box.right - box.left, height = box.bottom - box.top;
    HWND near_window = GetWindow(dialog, GW_OWNER) ? GetWindow(dialog, GW_OWNER) : dialog;
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(MonitorFromWindow(near_window, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        if (x + width > work.right) x = work.right - width;
        if (y + height > work.bottom) y = work.bottom - height;
        if (x < work.left) x = work.left;
        if (y < work.top) y = work.top;
    }
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
