// The "Exporting" window: "Export Status: STEP - OBJECT" over a progress
// bar, shown while an export runs; the owner is disabled meanwhile and the
// messages keep flowing, so every window stays painted.
#pragma once

#include <windows.h>

#include "transfer/export_engine.h"

struct ExportProgressWindow {
    HWND owner;
    HWND window;
    DWORD last_update;  // tick of the last redraw of the texts
    char last_step[80];
};

void export_progress_open(ExportProgressWindow* progress, HWND owner);
// An ExportCallbacks::progress for the window given as context.
void export_progress_update(void* context, const ExportProgress& progress);
void export_progress_close(ExportProgressWindow* progress);
