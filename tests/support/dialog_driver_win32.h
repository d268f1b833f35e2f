// Drives the modal dialogs a GUI test opens: the action runs from a timer
// inside the dialog's own loop, once the dialog is on screen.
#pragma once

#include <windows.h>

#include <functional>

// Runs `action` on the next dialog (a visible top-level "#32770" window of
// this thread) to open.
void when_dialog_opens(std::function<void(HWND)> action);
// Drops an action no dialog came for (a test's TearDown).
void forget_dialog_action();
