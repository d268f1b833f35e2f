// How the frame hosts its panels: the program hands it a table of the nine
// (the frame knows the record panels only through it) and talks to them by
// the page commands.
#pragma once

#include <windows.h>

#include <stdint.h>

#include "ui/page_win32.h"

struct PanelEntry {
    int button_id;    // the radio button of the main window; page index = id - 200
    int template_id;  // the panel's dialog template
    DLGPROC procedure;
    const char* name;  // for the tour's screenshots
};

// In page order: Servers first.
struct PanelTable {
    const PanelEntry* entries;
    uint32_t count;
};

// The page of a panel that is not built yet: it only allows leaving.
INT_PTR CALLBACK empty_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam);
// Page 1.
INT_PTR CALLBACK servers_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam);
