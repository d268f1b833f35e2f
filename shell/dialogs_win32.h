// The frame's modal dialogs.
#pragma once

#include <windows.h>

// Attach to Host: true on OK with the user name and password (each up to
// 254 characters, buffers of LOGON_TEXT_SIZE), false on Cancel.
bool attach_dialog_run(HWND owner, const char* server, char* user, char* password);
void about_dialog_run(HWND owner);
// Puts a dialog in the middle of its owner, kept on the owner's monitor.
void center_over_owner(HWND dialog);

// An address field of a panel: an empty field or a dotted address stays
// (1); a host name is replaced by its dotted address (1); a name that does
// not resolve leaves the whole text selected (0).
int resolve_address_field(HWND dialog, int field_id);
