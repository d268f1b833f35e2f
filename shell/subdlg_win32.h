// SubdlgControl: a window holding child dialogs (its pages), one of them
// visible, with keyboard navigation across the nesting as if all were one
// dialog.
#pragma once

#include <windows.h>

#include <stdint.h>

bool subdlg_register(HINSTANCE instance);
bool is_subdlg_control(HWND window);

// Creates the page as a hidden modeless child dialog of the control, sized
// to it. Its index (from 1), or 0 when it cannot be created or the control
// already holds 255 pages.
uint32_t subdlg_add_page(HWND control, HINSTANCE instance, int template_id, DLGPROC procedure, LPARAM param = 0);
// Hides the current page (erasing its area in the control's parent) and
// shows the page of `index`; nothing when it is already current.
void subdlg_select(HWND control, uint32_t index);
// The page in that slot; null for slot 0 and for an index not below count.
HWND subdlg_page(HWND control, uint32_t index);
uint32_t subdlg_current_index(HWND control);
HWND subdlg_current_page(HWND control);
uint32_t subdlg_page_count(HWND control);
// Sends the message to every page, in index order.
void subdlg_broadcast(HWND control, UINT message, WPARAM wparam, LPARAM lparam);

// The keyboard pre-translation for messages addressed to `top` or one of its
// descendants: Tab and Shift+Tab across pages, Enter with the default push
// button, Escape to top, Alt+mnemonic over the visible pages, anything else
// to the owning dialog. Nonzero when the message was handled (dispatched).
BOOL subdlg_translate_message(HWND top, MSG* message);
