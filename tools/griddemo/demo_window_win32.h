// The grid demo: a window with two tables of keelgrid32.dll. "Users" has a
// million rows answered on demand, with masked in-place edits and a
// check-box column; a row dragged by its number lands in "Picked".
#pragma once

#include <windows.h>

#include <shellapi.h>

const int DEMO_USERS_ID = 401;
const int DEMO_USERS_HEADING_ID = 402;
const int DEMO_PICKED_ID = 403;
const int DEMO_PICKED_HEADING_ID = 404;
const int DEMO_USER_ROWS = 1000000;

enum DemoColumn { DEMO_NUMBER, DEMO_USER, DEMO_SINCE, DEMO_CREDIT, DEMO_ACTIVE, DEMO_COLUMNS };

// Opens the demo's window (registering the grid's classes on first use);
// it frees what it holds when it is destroyed. Null when it cannot open.
HWND griddemo_open(HINSTANCE instance, int x, int y);
HWND griddemo_users(HWND demo);
HWND griddemo_picked(HWND demo);
// Opens the in-place edit over a cell of Users, as typing would.
bool griddemo_edit(HWND demo, int column, int row, int first_char);
