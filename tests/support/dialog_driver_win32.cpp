#include "tests/support/dialog_driver_win32.h"

#include <string.h>

namespace {

std::function<void(HWND)> g_action;
UINT_PTR g_timer = 0;

BOOL CALLBACK find_dialog(HWND window, LPARAM found) {
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (IsWindowVisible(window) && strcmp(name, "#32770") == 0) {
        *(HWND*)found = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK drive_dialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), find_dialog, (LPARAM)&dialog);
    if (!dialog || !g_action) return;
    KillTimer(nullptr, timer);
    g_timer = 0;
    std::function<void(HWND)> action = g_action;
    g_action = nullptr;
    action(dialog);
}

}  // namespace

void when_dialog_opens(std::function<void(HWND)> action) {
    g_action = action;
    g_timer = SetTimer(nullptr, 0, 30, drive_dialog);
}

void forget_dialog_action() {
    if (g_timer) KillTimer(nullptr, g_timer);
    g_timer = 0;
    g_action = nullptr;
}
