// The main window: a modeless dialog of class KLADMIN with the panel buttons,
// the page host, the menu and the 250 ms timer.
#pragma once

#include <windows.h>

#include <stdint.h>

#include "shell/panel_win32.h"

const UINT_PTR MAIN_TIMER_ID = 4242;
const UINT MAIN_TIMER_MS = 250;

bool main_window_register(HINSTANCE instance);
// The main window hosting `panels` (kept: the table must outlive the window).
HWND main_window_create(HINSTANCE instance, const PanelTable& panels);
const PanelTable& main_window_panels();
HWND main_window();
// The SubdlgControl hosting the nine panels.
HWND panel_host();
HWND visible_panel();

// The window title: the product alone, or with the server while connected.
void set_title(const char* server);
// Panels 2 to 9 and Import, Export and Report need level 2.
void enable_panels(uint16_t level);
// PANEL_RESET, argument 0, to every panel: the connection is gone.
void reset_all_panels();
