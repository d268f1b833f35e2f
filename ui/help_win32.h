// The help file, the F1 hook and the calls of the help menu.
#pragma once

#include <windows.h>

#include "ui/help.h"

// The help file is the program's path with the extension "HLP"; off when
// that does not fit in 128 bytes. Installs the F1 hook for dialogs and menus.
void help_init(HWND main);
void help_contents();
void help_vendor_info();
// "RasInfo.hlp" at a product's help context; context 0 opens its contents.
void help_vendor_topic(uint32_t context);
// Closes the help window and removes the F1 hook.
void help_quit();

// Tests record the calls instead of opening the help viewer; null restores it.
typedef void (*HelpViewer)(const char* file, UINT command, ULONG_PTR data);
void help_set_viewer(HelpViewer viewer);
