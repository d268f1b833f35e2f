#include <stdlib.h>

#include "grid/grid_win32.h"

namespace {

// An open edit moves with its cell, and is closed (its text reported) when
// the cell leaves the screen.
void edit_follows_view(TableState* state) {
    HWND edit = (HWND)state->edit_window;
    if (!edit || !IsWindowVisible(edit)) return;
    CellRect cell;
    if (table_cell_rect(*state, state->edit_column, state->edit_row, &cell) == CELL_HIDDEN)
        table_close_edit(state, true);
    else
        SetWindowPos(edit, nullptr, cell.left, cell.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

ViewMark view_mark(const TableState& state) {
    return {state.top_row, state.current_row, state.left_column, state.current_column};
}

void table_invalidate_all(TableState* state) {
    InvalidateRect(table_window(*state), nullptr, FALSE);
    if (state->column_heading) InvalidateRect((HWND)state->column_heading, nullptr, FALSE);
    if (state->row_heading) InvalidateRect((HWND)state->row_heading, nullptr, FALSE);
}

void table_invalidate_row(TableState* state, int32_t row) {
    if (row < state->top_row || row < 0) return;
    int64_t top = (int64_t)(row - state->top_row) * state->row_height;
    if (top >= state->client_height) return;
    RECT band = {0, (LONG)top, state->client_width, (LONG)(top + state->row_height)};
    InvalidateRect(table_window(*state), &band, FALSE);
}

void table_update_scrollbars(TableState* state) {
    HWND table = table_window(*state);
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    // A page as wide as the visible rows gives positions 0 to the highest top row.
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = state->row_count > 0 ? state->row_count - 1 : 0;
    info.nPage = (UINT)(state->visible_rows > 0 ? state->visible_rows : 1);
    info.nPos = state->top_row;
    SetScrollInfo(table, SB_VERT, &info, TRUE);
    if (!state->has_horizontal_bar) return;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = table_horizontal_range(*state);
    info.nPage = 0;
    info.nPos = state->left_column;
    SetScrollInfo(table, SB_HORZ, &info, TRUE);
}

void table_refresh(TableState* state, const ViewMark& before) {
    HWND table = table_window(*state);
    // The scroll bar catches up once the queue is idle: under Wine each
    // redraw of it costs more than painting the whole table.
    if ((before.top != state->top_row || before.left != state->left_column) && !state->scroll_bar_pending) {
        state->scroll_bar_pending = true;
        PostMessageA(table, SCROLL_BAR_SYNC_MESSAGE, 0, 0);
    }
    int32_t moved = state->top_row - before.top;
    if (before.left != state->left_column) {
        table_invalidate_all(state);
    } else if (moved != 0) {
        if (abs(moved) == 1 && state->redraw && state->visible_rows > 2) {
            // One row: move what is on the screen and draw the two rows it uncovers.
            ScrollWindowEx(table, 0, -moved * state->row_height, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE);
            int32_t first = moved > 0 ? state->top_row + state->visible_rows - 1 : state->top_row;
            table_invalidate_row(state, first);
            table_invalidate_row(state, first + 1);
        } else {
            InvalidateRect(table, nullptr, FALSE);
        }
        if (state->row_heading) InvalidateRect((HWND)state->row_heading, nullptr, FALSE);
    }
    if (before.row != state->current_row || before.column != state->current_column) {
        table_invalidate_row(state, before.row);
        table_invalidate_row(state, state->current_row);
    }
    if (before.top != state->top_row || before.left != state->left_column) edit_follows_view(state);
    UpdateWindow(table);
}

int32_t table_measure_font(TableState* state) {
    HWND table = table_window(*state);
    HDC dc = GetDC(table);
    HGDIOBJ old = state->font ? SelectObject(dc, (HFONT)state->font) : nullptr;
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    if (old) SelectObject(dc, old);
    ReleaseDC(table, dc);
    table_set_font_height(state, metrics.tmHeight);
    return metrics.tmAveCharWidth;
}
