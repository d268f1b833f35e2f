#include <stdlib.h>

#include "grid/table_state.h"

namespace {

int32_t clamp(int32_t value, int32_t low, int32_t high) { return value < low ? low : (value > high ? high : value); }

int32_t page_rows(const TableState& state) { return state.visible_rows > 0 ? state.visible_rows : 1; }

void fill_widths(TableState* state) {
    for (int32_t c = 0; c < state->max_columns; ++c) state->widths[c] = DEFAULT_COLUMN_WIDTH;
}

void update_vertical(TableState* state) {
    int32_t highest = state->row_count - state->visible_rows;
    state->max_top_row = highest > 0 ? highest : 0;
    state->top_row = clamp(state->top_row, 0, state->max_top_row);
}

void keep_column_in_range(TableState* state) {
    int32_t last = state->column_count > 0 ? state->column_count - 1 : 0;
    state->current_column = clamp(state->current_column, 0, last);
    state->left_column = clamp(state->left_column, 0, table_horizontal_range(*state));
}

}  // namespace

bool table_init(TableState* state) {
    *state = TableState{};
    state->widths = (int32_t*)calloc((size_t)DEFAULT_MAX_COLUMNS, sizeof(int32_t));
    if (!state->widths) return false;
    state->max_columns = DEFAULT_MAX_COLUMNS;
    fill_widths(state);
    state->row_spacing = DEFAULT_ROW_SPACING;
    state->font_height = 16;
    state->row_height = state->font_height + state->row_spacing;
    state->current_row = -1;
    state->painted_row = -1;
    state->edit_row = -1;
    state->edit_column = -1;
    state->redraw = true;
    state->tracking = true;
    state->margin = DEFAULT_TEXT_MARGIN;
    state->border_width = DEFAULT_BORDER_WIDTH;
    return true;
}

void table_free(TableState* state) {
    free(state->widths);
    state->widths = nullptr;
    cache_free(&state->cache);
}

bool table_set_max_columns(TableState* state, int32_t columns) {
    if (columns < 1 || columns > MAX_COLUMNS_LIMIT) return false;
    int32_t* widths = (int32_t*)calloc((size_t)columns, sizeof(int32_t));
    if (!widths) return false;
    free(state->widths);
    state->widths = widths;
    state->max_columns = columns;
    fill_widths(state);
    if (state->column_count > columns) state->column_count = columns;
    keep_column_in_range(state);
    return true;
}

void table_set_font_height(TableState* state, int32_t font_height) {
    state->font_height = font_height > 0 ? font_height : 1;
    table_set_row_height(state, state->font_height + state->row_spacing);
}

void table_set_row_height(TableState* state, int32_t row_height) {
    state->row_height = row_height > 0 ? row_height : 1;
    table_set_client_size(state, state->client_width, state->client_height);
}

void table_set_client_size(TableState* state, int32_t width, int32_t height) {
    state->client_width = width > 0 ? width : 0;
    state->client_height = height > 0 ? height : 0;
    state->visible_rows = state->client_height / state->row_height;
    update_vertical(state);
    keep_column_in_range(state);
}

void table_set_row_count(TableState* state, int32_t rows) {
    if (rows < 0) return;
    int32_t old = state->row_count;
    state->row_count = rows;
    if (rows == 0)
        state->current_row = -1;
    else if (state->current_row >= rows)
        state->current_row = rows - 1;
    else if (state->current_row < 0 && old == 0)
        state->current_row = 0;
    update_vertical(state);
}

void table_set_column_count(TableState* state, int32_t columns) {
    state->column_count = clamp(columns, 0, state->max_columns);
    keep_column_in_range(state);
}

int32_t table_set_width(TableState* state, int32_t column, int32_t width) {
    if (column < 0 || column >= state->max_columns) return -1;
    if (width >= 0 && width < COLUMN_WIDTH_LIMIT) state->widths[column] = width;
    keep_column_in_range(state);
    return state->widths[column];
}

int32_t table_width(const TableState& state, int32_t column) {
    return column >= 0 && column < state.max_columns ? state.widths[column] : 0;
}

void table_move_row(TableState* state, int32_t row, bool keep_screen_place) {
    if (state->row_count <= 0) return;
    row = clamp(row, 0, state->row_count - 1);
    int32_t old = state->current_row;
    int32_t page = page_rows(*state);
    state->current_row = row;
    int32_t top = state->top_row;
    if (row < top || row >= top + page) {
        // A page key or a jump of more than a page carries the view along.
        bool far = keep_screen_place || (old >= 0 && abs(row - old) > page);
        if (far && old >= 0) top += row - old;
        if (row < top) top = row;
        if (row >= top + page) top = row - page + 1;
    }
    state->top_row = clamp(top, 0, state->max_top_row);
}

void table_move_column(TableState* state, int32_t column) {
    if (state->column_count <= 0) return;
    column = clamp(column, 0, state->column_count - 1);
    state->current_column = column;
    if (column < state->left_column) state->left_column = column;
    // Scroll right until the whole column shows, or it is the left column.
    while (state->left_column < column &&
           table_column_x(*state, column) + table_width(*state, column) > state->client_width)
        ++state->left_column;
    table_set_left_column(state, state->left_column);
}

void table_set_top_row(TableState* state, int32_t row) { state->top_row = clamp(row, 0, state->max_top_row); }

void table_set_left_column(TableState* state, int32_t column) {
    state->left_column = clamp(column, 0, table_horizontal_range(*state));
}

void table_step_rows(TableState* state, int32_t delta) {
    if (state->current_row < 0)
        table_move_row(state, state->top_row, false);
    else
        table_move_row(state, state->current_row + delta, false);
}

void table_page(TableState* state, int32_t pages) {
    int32_t from = state->current_row < 0 ? state->top_row : state->current_row;
    table_move_row(state, from + pages * page_rows(*state), true);
}

void table_step_columns(TableState* state, int32_t delta) {
    if (state->row_select)
        table_set_left_column(state, state->left_column + delta);
    else
        table_move_column(state, state->current_column + delta);
}

int32_t table_vertical_range(const TableState& state) { return state.max_top_row; }

int32_t table_horizontal_range(const TableState& state) {
    if (state.column_count <= 0) return 0;
    if (!state.track_width) return state.column_count - 1;
    // The last left column at which the remaining columns still fill the window.
    int64_t remaining = 0;
    for (int32_t c = state.column_count - 1; c >= 0; --c) {
        remaining += table_width(state, c);
        if (remaining >= state.client_width) return c;
    }
    return 0;
}

int32_t table_column_x(const TableState& state, int32_t column) {
    int64_t x = 0;
    if (column >= state.left_column)
        for (int32_t c = state.left_column; c < column; ++c) x += table_width(state, c);
    else
        for (int32_t c = column; c < state.left_column; ++c) x -= table_width(state, c);
    // Far off-screen columns stay far off-screen without overflowing.
    if (x > INT32_MAX / 2) x = INT32_MAX / 2;
    if (x < INT32_MIN / 2) x = INT32_MIN / 2;
    return (int32_t)x;
}

bool table_hit_test(const TableState& state, int32_t x, int32_t y, int32_t* column, int32_t* row) {
    *column = -1;
    *row = -1;
    if (x < 0 || y < 0 || x >= state.client_width || y >= state.client_height) return false;
    int64_t hit_row = (int64_t)state.top_row + y / state.row_height;
    if (hit_row >= state.row_count) return false;
    int64_t right = 0;
    for (int32_t c = state.left_column; c < state.column_count; ++c) {
        right += table_width(state, c);
        if (x < right) {
            *column = c;
            *row = (int32_t)hit_row;
            return true;
        }
    }
    return false;
}

int32_t table_cell_rect(const TableState& state, int32_t column, int32_t row, CellRect* rect) {
    *rect = CellRect{};
    if (row < state.top_row || row >= state.row_count || column < state.left_column || column >= state.column_count)
        return CELL_HIDDEN;
    int64_t top = (int64_t)(row - state.top_row) * state.row_height;
    int32_t left = table_column_x(state, column);
    if (top >= state.client_height || left >= state.client_width) return CELL_HIDDEN;
    rect->left = left;
    rect->top = (int32_t)top;
    rect->right = left + table_width(state, column);
    rect->bottom = rect->top + state.row_height;
    return rect->right <= state.client_width && rect->bottom <= state.client_height ? CELL_INSIDE : CELL_STARTS;
}
