// Dialog helpers the frame and the panels share.
#pragma once

#include <windows.h>

// Puts a dialog in the middle of its owner, kept on the owner's monitor.
void center_over_owner(HWND dialog);
// Puts a dialog just right of `control` (left of it when the monitor ends
// first), its top level with the control's, kept on the monitor.
void place_beside(HWND dialog, HWND control);
// Moves a dialog's top-left corner to (x, y) in screen pixels, pulled back
// onto its owner's monitor when it would stand off it.
void move_onto_monitor(HWND dialog, int x, int y);

// A modal dialog from the program's template `template_id`; its procedure
// finds `state` through dialog_state(). Returns what EndDialog was given.
INT_PTR run_dialog(HWND owner, int template_id, DLGPROC procedure, void* state);
// The state given to run_dialog: attached on WM_INITDIALOG (whose lParam
// carries it), read back for every later message; null before it.
void* dialog_state(HWND dialog, UINT message, LPARAM lparam);
