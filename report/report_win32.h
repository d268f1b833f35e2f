// The File menu's Settings and Report commands.
#pragma once

#include <windows.h>

#include "report/report_settings.h"

const DWORD HELP_CONTEXT_REPORT = 1040;

// Radius Administrator Settings: the viewer and the report file.
void report_settings_dialog_run(HWND owner);
// Report Selections, opened with the saved selection: true after OK, with
// the choice saved.
bool report_selections_run(HWND owner, ReportSelection* selection);
// Report: the selections, the document written to the report file, then
// the viewer opened on it. `server_name` heads the report; the masks are
// the connection's.
void report_command_run(HWND owner, const char* server_name, uint16_t platform_mask, uint32_t option_mask);
