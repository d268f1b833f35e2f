// The Import command for a users file: the Import Options dialog, the scan,
// the selection dialog with the Users page alone, the import under the
// "Import Status" window and the closing messages.
#pragma once

#include <windows.h>

// True when the selection dialog was shown: the panels must then forget
// what they loaded (the caller resets them).
bool users_file_import_command(HWND owner, const char* path);
