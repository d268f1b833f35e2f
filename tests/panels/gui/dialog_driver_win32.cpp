#include "tests/panels/gui/dialog_driver_win32.h"

#include "shell/main_window_win32.h"

namespace {

std::function<void(HWND)> g_dialog_action;

void CALLBACK drive_dialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = GetActiveWindow();
    if (!dialog || dialog == main_window() || !g_dialog_action) return;
    KillTimer(nullptr, timer);
    std::function<void(HWND)> action = g_dialog_action;
    g_dialog_action = nullptr;
    action(dialog);
}

}  // namespace

void when_dialog_opens(std::function<void(HWND)> action) {
    g_dialog_action = action;
    SetTimer(nullptr, 0, 50, drive_dialog);
}

void forget_dialog_action() { g_dialog_action = nullptr; }
