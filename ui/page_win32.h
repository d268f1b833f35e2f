// The page commands as window messages: WM_COMMAND with the command id in
// the low word and the argument in lParam.
#pragma once

#include <windows.h>

#include <stdint.h>

#include "ui/panel_commands.h"

// Sends a page command; the panel's answer (nonzero from PANEL_QUERY_LEAVE: stay).
LRESULT panel_send(HWND page, uint16_t command, LPARAM argument = 0);
// A panel's dialog procedure answers a command or a key with this.
INT_PTR panel_answer(HWND page, LRESULT value);
// The context a PANEL_ACTIVATE carries; a zeroed one when it carries none.
PanelContext panel_context(LPARAM argument);
