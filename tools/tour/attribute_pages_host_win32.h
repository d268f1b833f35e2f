// A stand-in for the users panel in the tour: a window showing a demo user's
// check list and return list on the attribute list pages, with a row of each
// marker. Test-only; the users panel hosts the pages in the program.
#pragma once

#include <windows.h>

// Returns when the window is closed (IDCANCEL to it); later tour steps run
// inside its loop.
void run_attribute_pages_host(HWND owner);
// The pages of the open host (null when it is not open).
HWND attribute_host_page(bool return_list);
