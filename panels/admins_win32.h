// The Access page's Add Local and Add Remote Administrator dialogs.
#pragma once

#include <windows.h>

// Sent by a dialog to the Access page after each addition: the page shows
// the list as the server now keeps it.
const UINT ADMINS_REFILL = WM_USER + 2;

// Runs the dialog until Close. `page` is the Access page: the dialog sits
// just inside its list and asks it to refill; `server` names the connected
// server, whose host's accounts the local dialog offers.
void admin_add_dialog_run(HWND page, bool remote, const char* server);
