// The console's nine panels, which the program hands to the frame.
#pragma once

#include "shell/panel_win32.h"

extern const PanelTable CONSOLE_PANELS;
