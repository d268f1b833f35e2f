// TabControl: a strip of up to 16 tabs drawn by the program. When the user
// changes the selection the parent gets WM_COMMAND with the control's id and
// notification code TAB_SELECTION_CHANGED.
#pragma once

#include <windows.h>

#define TAB_SET_COUNT (WM_USER + 0)      // wParam count 0..16; returns it or -1
#define TAB_SET_TEXT (WM_USER + 1)       // wParam index, lParam text; returns the count or -1
#define TAB_GET_SELECTION (WM_USER + 2)  // returns the selected index or -1
#define TAB_SET_SELECTION (WM_USER + 3)  // wParam index -1..count-1; returns it or -1; no notification
#define TAB_SELECTION_CHANGED 1

bool tab_control_register(HINSTANCE instance);
