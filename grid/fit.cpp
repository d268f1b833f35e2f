#include "grid/fit.h"

#include <stdlib.h>

#include "grid/grid_messages.h"

bool fit_to_window(int32_t* widths, int32_t column_count, int32_t n, int32_t client_width) {
    if (column_count <= 0 || n > FIT_MAX_COLUMNS) return false;
    if (n == 0 || n > column_count) n = column_count;
    if (client_width < 0) client_width = 0;
    int64_t sum = 0;
    for (int32_t c = 0; c < n; ++c) sum += widths[c] > 0 ? widths[c] : 0;
    // Nothing to be proportional to: every column gets the same share.
    bool equal = sum == 0;
    bool sharing[FIT_MAX_COLUMNS];
    int32_t given = 0, sharers = 0;
    for (int32_t c = 0; c < n; ++c) {
        sharing[c] = equal || widths[c] > 0;
        if (!sharing[c]) continue;
        int64_t share = equal ? 100 / n : widths[c] * 100 / sum;
        widths[c] = (int32_t)(client_width * share / 100);
        given += widths[c];
        ++sharers;
    }
    int32_t spare = client_width - given;
    while (spare > 0 && sharers > 0)
        for (int32_t c = 0; c < n && spare > 0; ++c)
            if (sharing[c]) {
                ++widths[c];
                --spare;
            }
    return true;
}

void best_fit_rows(int32_t top_row, int32_t rows, int32_t row_count, int32_t* first, int32_t* end) {
    if (rows <= 0) {
        *first = 0;
        *end = row_count;
        return;
    }
    *first = top_row < 0 ? 0 : top_row;
    int64_t last = (int64_t)*first + rows;
    *end = (int32_t)(last < row_count ? last : row_count);
    if (*end < *first) *end = *first;
}

int32_t best_fit_cell_width(int32_t text_width, uint32_t decorations, bool bitmap, int32_t row_height) {
    int32_t width = text_width;
    if (decorations & (CELL_CHECKED | CELL_UNCHECKED)) width += row_height;
    if (bitmap) width += row_height;
    return width;
}

bool best_fit(int32_t first_row, int32_t end_row, int32_t columns, int32_t extra, const BestFitHooks& hooks,
              int32_t* widths) {
    if (columns <= 0 || end_row <= first_row) return false;
    int32_t* largest = (int32_t*)calloc((size_t)columns, sizeof(int32_t));
    if (!largest) return false;
    bool cancelled = false;
    for (int32_t row = first_row; row < end_row; ++row) {
        for (int32_t column = 0; column < columns; ++column) {
            int32_t width = hooks.measure(hooks.context, row, column);
            if (width > largest[column]) largest[column] = width;
        }
        if (!hooks.progress) continue;
        int answer = hooks.progress(row - first_row + 1, end_row);
        if (answer == BEST_FIT_CANCEL) cancelled = true;
        if (answer == BEST_FIT_CANCEL || answer == BEST_FIT_STOP) break;
    }
    if (!cancelled)
        for (int32_t column = 0; column < columns; ++column) widths[column] = largest[column] + extra + 2;
    free(largest);
    return !cancelled;
}
