// The "Import Status" window: modeless over the selection dialog while the
// import phase runs. It shows "Importing  CLASS : OBJECT" with its buttons
// hidden while an object is written, and asks "Replace CLASS : OBJECT "
// with Replace, Replace All, Skip and Cancel when the object exists,
// running the messages (so every window stays painted) until one is
// pressed. Its owner takes no input meanwhile.
#pragma once

#include <windows.h>

#include "transfer/import_engine.h"

struct ImportStatusWindow {
    HWND owner;
    HWND window;
    bool answered;
    ReplaceAnswer answer;
};

void import_status_open(ImportStatusWindow* status, HWND owner);
// The engine's callbacks, with the window as context.
ImportCallbacks import_status_callbacks(ImportStatusWindow* status);
void import_status_close(ImportStatusWindow* status);
// Puts the question on the window and returns at once; the replace
// callback then waits for the answer.
void import_status_show_question(ImportStatusWindow* status, const char* cls, const char* object);
