// Column sizing: sharing the window's width among the columns in proportion
// to their widths, and sizing each column to its widest cell.
#pragma once

#include <stdint.h>

const int32_t FIT_MAX_COLUMNS = 200;

// Fits the first n columns (0 or more than count = all) into client_width.
// False, nothing changed, when there are no columns or n exceeds 200.
// Columns that are all 0 wide share the width equally.
bool fit_to_window(int32_t* widths, int32_t column_count, int32_t n, int32_t client_width);

// Progress answers that end a best fit early.
const int BEST_FIT_CANCEL = 1;
const int BEST_FIT_STOP = 2;

struct BestFitHooks {
    void* context;
    // Width one cell needs, decorations included.
    int32_t (*measure)(void* context, int32_t row, int32_t column);
    // Called after each row with (rows done, end row); may be null.
    int (*progress)(int32_t rows_done, int32_t end_row);
};

// Rows to measure: rows from the top row (not past the last), or all when 0.
void best_fit_rows(int32_t top_row, int32_t rows, int32_t row_count, int32_t* first, int32_t* end);

// Width a cell needs: its text, plus one row height for a check box and one
// for a bitmap.
int32_t best_fit_cell_width(int32_t text_width, uint32_t decorations, bool bitmap, int32_t row_height);

// Fills widths[0..columns) with largest + extra + 2. False when cancelled
// (widths untouched) or when there is nothing to measure.
bool best_fit(int32_t first_row, int32_t end_row, int32_t columns, int32_t extra, const BestFitHooks& hooks,
              int32_t* widths);
