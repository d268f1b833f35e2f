// Driving the modal dialogs a panel opens, from inside their own loops.
#pragma once

#include <windows.h>

#include <functional>

// Runs `action` on the next modal dialog to open.
void when_dialog_opens(std::function<void(HWND)> action);
// Forgets an action that never ran (a test's TearDown).
void forget_dialog_action();
