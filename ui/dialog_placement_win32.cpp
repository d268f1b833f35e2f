// Where the frame's dialogs open: over the window that opened them, not in
// the middle of the screen, and never off the monitor.
#include "ui/dialogs_win32.h"

namespace {

// Moves the dialog's top left corner to (x, y), pulled back onto the monitor
// of `anchor`.
void move_on_monitor(HWND dialog, HWND anchor, int x, int y) {
    RECT box;
    GetWindowRect(dialog, &box);
    int width = box.right - box.left, height = box.bottom - box.top;
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(MonitorFromWindow(anchor, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        if (x + width > work.right) x = work.right - width;
        if (y + height > work.bottom) y = work.bottom - height;
        if (x < work.left) x = work.left;
        if (y < work.top) y = work.top;
    }
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void center_over_owner(HWND dialog) {
    HWND owner = GetWindow(dialog, GW_OWNER);
    if (!owner) return;
    RECT box, over;
    GetWindowRect(dialog, &box);
    GetWindowRect(owner, &over);
    int x = over.left + (over.right - over.left - (box.right - box.left)) / 2;
    int y = over.top + (over.bottom - over.top - (box.bottom - box.top)) / 2;
    move_on_monitor(dialog, owner, x, y);
}

void move_onto_monitor(HWND dialog, int x, int y) {
    HWND owner = GetWindow(dialog, GW_OWNER);
    move_on_monitor(dialog, owner ? owner : dialog, x, y);
}

void place_beside(HWND dialog, HWND control) {
    if (!control) return;
    RECT box, beside;
    GetWindowRect(dialog, &box);
    GetWindowRect(control, &beside);
    const int gap = 4;
    int x = beside.right + gap;
    // No room on the right of the control: its left then.
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(MonitorFromWindow(control, MONITOR_DEFAULTTONEAREST), &monitor) &&
        x + (box.right - box.left) > monitor.rcWork.right)
        x = beside.left - gap - (box.right - box.left);
    move_on_monitor(dialog, control, x, beside.top);
}
