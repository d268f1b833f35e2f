// Driving a modal dialog from inside its own loop: the action runs on a
// timer once the dialog is the active window.
#pragma once

#include <windows.h>

#include <functional>

// Runs `action` on the next modal dialog to open.
void when_dialog_opens(std::function<void(HWND)> action);
// Forgets an action that no dialog took (end of a test).
void forget_dialog_action();
