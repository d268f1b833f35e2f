// What the library's window code shares inside the library.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include "grid/grid_messages.h"
#include "grid/table_notify.h"
#include "grid/table_state.h"

// The process's one notification record and its text buffer.
struct GridGlobals {
    TableNotify notify;
    char text[NOTIFY_TEXT_SIZE];
    HINSTANCE instance;
};
GridGlobals& grid_globals();

// Window extra data of the table class: state block, width block, spare.
const int TABLE_EXTRA_STATE = 0;
const int TABLE_EXTRA_BYTES = 3 * (int)sizeof(LONG_PTR);
// A heading strip learns its table through this message (lParam = table).
const UINT HEADING_LINK_MESSAGE = WM_USER + 320;
const UINT_PTR AUTOSCROLL_TIMER_ID = 144;
// Posted to a table whose scroll bar is to follow its view.
const UINT SCROLL_BAR_SYNC_MESSAGE = WM_USER + 321;

TableState* table_state_of(HWND table);
HWND table_window(const TableState& state);

// Sends a notification; the record holds the details while it is handled.
LRESULT send_notify(HWND sender, int id, HWND target, uint32_t code);
LRESULT table_notify(TableState* state, uint32_t code);
// Notification of a cell with the key state, as mouse and paint send them.
LRESULT table_notify_cell(TableState* state, uint32_t code, int32_t column, int32_t row, intptr_t extra);

// Presets the record for a cell and asks the owner (or the cache).
void table_ask_cell(TableState* state, HDC dc, int32_t column, int32_t row, const RECT& cell, bool highlighted);

struct ViewMark {
    int32_t top, row, left, column;
};
ViewMark view_mark(const TableState& state);
// Repaints what a change of state since the mark needs, right away.
void table_refresh(TableState* state, const ViewMark& before);
void table_update_scrollbars(TableState* state);
void table_invalidate_all(TableState* state);
void table_invalidate_row(TableState* state, int32_t row);
int32_t table_measure_font(TableState* state);

// table_paint_win32.cpp
void table_paint(TableState* state);
void draw_frame(HDC dc, const RECT& rect, bool raised, const TableState& state);

// table_input_win32.cpp
bool table_input(TableState* state, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result);

// heading_win32.cpp
LRESULT heading_proc(HWND strip, UINT message, WPARAM wparam, LPARAM lparam);

// edit_win32.cpp
bool register_edit_class(HINSTANCE instance);
LRESULT CALLBACK edit_window_proc(HWND edit, UINT message, WPARAM wparam, LPARAM lparam);
// The table's side of the edit: its commands, and putting it away.
void table_edit_command(TableState* state, UINT code);
void table_close_edit(TableState* state, bool report);

// drag_win32.cpp
void table_dropped_files(TableState* state, HDROP drop);
