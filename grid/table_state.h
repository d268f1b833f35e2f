// The state of one table window and the arithmetic on it: row and column
// counts, the current cell, the view's top row and left column, scroll
// ranges and hit testing. Window handles and GDI objects are kept as opaque
// pointers so this stays free of the platform.
#pragma once

#include <stdint.h>

#include "grid/cell_cache.h"

const int32_t DEFAULT_MAX_COLUMNS = 200;
const int32_t DEFAULT_COLUMN_WIDTH = 180;
const int32_t COLUMN_WIDTH_LIMIT = 1024;
const int32_t MAX_COLUMNS_LIMIT = 32000;
const int32_t DEFAULT_ROW_SPACING = 2;
const int32_t DEFAULT_TEXT_MARGIN = 2;
const int32_t DEFAULT_BORDER_WIDTH = 2;

struct TableState {
    void* font;
    int32_t font_height;
    int32_t row_height;
    int32_t row_spacing;

    int32_t row_count;
    int32_t current_row;
    int32_t top_row;
    int32_t max_top_row;
    int32_t visible_rows;

    int32_t column_count;
    int32_t max_columns;
    int32_t* widths;
    int32_t left_column;
    int32_t current_column;

    int32_t painted_row;
    int32_t painted_top;
    int32_t painted_left;
    int32_t painted_column;

    void* column_heading;
    void* row_heading;
    void* notify_window;
    void* self;
    void* edit_window;
    int32_t edit_row;
    int32_t edit_column;
    int32_t control_id;

    bool row_select;
    bool highlight;
    bool vertical_lines;
    bool horizontal_lines;
    bool redraw;
    bool tracking;
    int32_t margin;
    int32_t border_width;
    void* shadow_pen;
    void* light_pen;
    void* vertical_pen;
    void* horizontal_pen;
    uint32_t background_colour;
    uint32_t text_colour;
    bool stretch_last;
    bool multiline;
    bool blank_margin;
    bool accept_drop;
    bool track_width;
    bool hook;
    bool drag_select;

    CellCache cache;

    // The spare fields: the client area and the input state behind the
    // notifications.
    int32_t client_width;
    int32_t client_height;
    int32_t key_state;
    bool has_focus;
    bool has_horizontal_bar;
    bool closing_edit;        // the edit is being put away: its focus loss is no edit end
    bool scroll_bar_pending;  // the scroll bar is yet to show the view's position
};

// Zero-filled state with its defaults and a width block of 200 columns.
// False when the width block cannot be had.
bool table_init(TableState* state);
void table_free(TableState* state);
bool table_set_max_columns(TableState* state, int32_t columns);

void table_set_font_height(TableState* state, int32_t font_height);
void table_set_row_height(TableState* state, int32_t row_height);
void table_set_client_size(TableState* state, int32_t width, int32_t height);

void table_set_row_count(TableState* state, int32_t rows);
void table_set_column_count(TableState* state, int32_t columns);
// The width now in force; -1 for a column past the maximum.
int32_t table_set_width(TableState* state, int32_t column, int32_t width);
int32_t table_width(const TableState& state, int32_t column);

// Moves the current row and scrolls it into view. A move of at most a page
// scrolls as little as possible; a longer jump (or a page key) moves the
// view with it, keeping the row where it was on the screen.
void table_move_row(TableState* state, int32_t row, bool keep_screen_place);
void table_move_column(TableState* state, int32_t column);
void table_set_top_row(TableState* state, int32_t row);
void table_set_left_column(TableState* state, int32_t column);

// Keyboard movement by whole steps.
void table_step_rows(TableState* state, int32_t delta);
void table_page(TableState* state, int32_t pages);
void table_step_columns(TableState* state, int32_t delta);

int32_t table_vertical_range(const TableState& state);
int32_t table_horizontal_range(const TableState& state);

// The cell at a client point: false (and -1, -1) outside the cells.
bool table_hit_test(const TableState& state, int32_t x, int32_t y, int32_t* column, int32_t* row);

const int32_t CELL_HIDDEN = 0;
const int32_t CELL_INSIDE = 1;  // starts and ends inside the window
const int32_t CELL_STARTS = 2;  // starts inside, runs past the right edge
struct CellRect {
    int32_t left, top, right, bottom;
};
// Where a cell lies in the client area, and how much of it shows.
int32_t table_cell_rect(const TableState& state, int32_t column, int32_t row, CellRect* rect);
// The pixel left of a column relative to the left column (negative when left of it).
int32_t table_column_x(const TableState& state, int32_t column);
