// Start-up and the message loop of the console.
#pragma once

#include <windows.h>

#include "shell/panel_win32.h"

enum AppStart {
    APP_STARTED,
    APP_ALREADY_RUNNING,  // another console was brought forward instead
    APP_FAILED,           // a class or the main window could not be made, or the browser failed
};

// Single instance, class registration, the browser's lookups, the main
// window hosting `panels`, help and the title; `*main` receives the window.
AppStart app_start(HINSTANCE instance, int show, const PanelTable& panels, HWND* main);
// One message through the loop's rules: keys to the visible panel first,
// then the keyboard pre-translation, then translate and dispatch.
void app_dispatch(MSG* message);
// Runs the loop until quit; closes the session; returns the exit code.
int app_run();
