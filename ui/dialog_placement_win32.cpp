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
    int x = over.left + (over.right - over.left - width) / 2;
    int y = over.top + (over.bottom - over.top - height) / 2;
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        if (x + width > work.right) x = work.right - width;
        if (y + height > work.bottom) y = work.bottom - height;
        if (x < work.left) x = work.left;
        if (y < work.top) y = work.top;
    }
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
