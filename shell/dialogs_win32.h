// The frame's modal dialogs.
#pragma once

#include <windows.h>

#include "ui/dialogs_win32.h"

// Attach to Host: true on OK with the user name and password (each up to
// 254 characters, buffers of LOGON_TEXT_SIZE), false on Cancel.
bool attach_dialog_run(HWND owner, const char* server, char* user, char* password);
void about_dialog_run(HWND owner);
