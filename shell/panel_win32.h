// How the frame hosts its panels: the table of the nine, and the page
// commands sent as WM_COMMAND (command id in the low word, the argument of
// PANEL_RESET in lParam).
#pragma once

#include <windows.h>

#include <stdint.h>

#include "shell/panel_commands.h"

struct PanelEntry {
    int button_id;    // the radio button of the main window; page index = id - 200
    int template_id;  // the panel's dialog template
    DLGPROC procedure;
    const char* name;  // for the tour's screenshots
};

// In page order: Servers first. Adding a panel is its entry here and its files.
extern const PanelEntry PANELS[];
extern const uint32_t PANEL_COUNT;

// Sends a page command; the panel's answer (nonzero from PANEL_QUERY_LEAVE: stay).
LRESULT panel_send(HWND page, uint16_t command, LPARAM argument = 0);
// A panel's dialog procedure answers a command or a key with this.
INT_PTR panel_answer(HWND page, LRESULT value);

// The page of a panel that is not built yet: it only allows leaving.
INT_PTR CALLBACK empty_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam);
// Page 1.
INT_PTR CALLBACK servers_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam);
