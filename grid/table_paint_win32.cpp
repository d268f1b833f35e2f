#include "grid/grid_win32.h"

namespace {

void fill(HDC dc, const RECT& rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void line(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

// Step 2 of a paint: what changed since the last one is told first.
void notify_changes(TableState* state) {
    bool row = state->painted_row != state->current_row;
    bool column = state->painted_column != state->current_column;
    bool top = state->painted_top != state->top_row;
    bool left = state->painted_left != state->left_column;
    state->painted_row = state->current_row;
    state->painted_column = state->current_column;
    state->painted_top = state->top_row;
    state->painted_left = state->left_column;
    int32_t c = state->current_column, r = state->current_row;
    if (row) table_notify_cell(state, TBN_ROWCHANGED, c, r, 0);
    if (column) table_notify_cell(state, TBN_COLCHANGED, c, r, 0);
    if (row || column) table_notify_cell(state, TBN_SELCHANGED, c, r, 0);
    if (top) table_notify_cell(state, TBN_TOPROWCHANGED, c, r, 0);
    if (left) table_notify_cell(state, TBN_LEFTCOLCHANGED, c, r, 0);
}

void draw_bitmap(HDC dc, HBITMAP bitmap, const RECT& cell, int* text_left) {
    BITMAP info = {};
    if (!GetObjectA(bitmap, sizeof info, &info) || info.bmHeight <= 0) return;
    int room = (cell.bottom - cell.top) - 4;
    int width = info.bmWidth, height = info.bmHeight;
    if (height > room && room > 0) {
        width = info.bmWidth * room / info.bmHeight;
        height = room;
    }
    int y = cell.top + ((cell.bottom - cell.top) - height) / 2;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, bitmap);
    SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, cell.left + 2, y, width, height, memory, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    *text_left = cell.left + 2 + width + 2;
}

void draw_check_box(HDC dc, const TableState& state, const TableNotify& n, const RECT& cell, int* text_left) {
    // Two thirds of the font height, but never too small to read its cross.
    int size = state.font_height * 2 / 3;
    if (size < 11) size = 11;
    int x = *text_left;
    if (n.text[0] == 0 && n.alignment == ALIGN_CENTRE) x = (cell.left + cell.right - size) / 2;
    int y = cell.top + ((cell.bottom - cell.top) - size) / 2;
    HPEN pen = CreatePen(PS_SOLID, 1, n.text_colour);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    HGDIOBJ old_brush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    Rectangle(dc, x, y, x + size, y + size);
    if (n.decorations & CELL_CHECKED) {
        // An X of three lines each way: the diagonal and its two neighbours.
        int low = x + 2, high = x + size - 3, top = y + 2, bottom = y + size - 3;
        for (int d = -1; d <= 1; ++d) {
            int ahead = d > 0 ? 1 : 0, behind = d < 0 ? 1 : 0;
            line(dc, low + ahead, top + behind, high + 1 - behind, bottom + 1 - ahead);
            line(dc, high - ahead, top + behind, low - 1 + behind, bottom + 1 - ahead);
        }
    }
    SelectObject(dc, old_brush);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
    *text_left = x + size + state.margin;
}

void draw_cell(HDC dc, const TableState& state, const TableNotify& n) {
    RECT cell = {n.left, n.top, n.right, n.bottom};
    fill(dc, cell, n.background_colour);
    int text_left = cell.left + state.margin;
    if (n.bitmap) draw_bitmap(dc, (HBITMAP)n.bitmap, cell, &text_left);
    if (n.decorations & (CELL_CHECKED | CELL_UNCHECKED)) draw_check_box(dc, state, n, cell, &text_left);
    if (n.text[0]) {
        RECT text = {text_left, cell.top, cell.right - state.margin - 1, cell.bottom};
        UINT format = DT_NOPREFIX | (state.multiline ? 0 : DT_SINGLELINE | DT_VCENTER);
        if (n.alignment == ALIGN_RIGHT) format |= DT_RIGHT;
        if (n.alignment == ALIGN_CENTRE) {
            format |= DT_CENTER;
            text.left = cell.left;
            text.right = cell.right;
        }
        SetTextColor(dc, n.text_colour);
        SetBkMode(dc, TRANSPARENT);
        DrawTextA(dc, n.text, -1, &text, format);
        if (state.blank_margin) {
            RECT left_strip = {cell.left, cell.top, cell.left + state.margin, cell.bottom};
            RECT right_strip = {cell.right - state.margin - 1, cell.top, cell.right, cell.bottom};
            if (n.alignment != ALIGN_CENTRE && !n.bitmap && !(n.decorations & (CELL_CHECKED | CELL_UNCHECKED)))
                fill(dc, left_strip, n.background_colour);
            if (n.alignment != ALIGN_CENTRE) fill(dc, right_strip, n.background_colour);
        }
    }
    if (n.decorations & CELL_RAISED) draw_frame(dc, cell, true, state);
    if (n.decorations & CELL_SUNKEN) draw_frame(dc, cell, false, state);
}

void draw_row(HDC dc, TableState* state, int32_t row, int y) {
    TableNotify& n = grid_globals().notify;
    int x = 0;
    int row_left = 0;
    for (int32_t c = state->left_column; c < state->column_count && x < state->client_width; ++c) {
        int width = table_width(*state, c);
        if (state->stretch_last && c == state->column_count - 1 && x + width < state->client_width) {
            width = state->client_width - x;
            state->widths[c] = width;
        }
        if (width <= 0) continue;
        RECT cell = {x, y, x + width, y + state->row_height};
        if (state->vertical_lines) cell.right -= 1;
        if (state->horizontal_lines) cell.bottom -= 1;
        bool current = row == state->current_row && (state->row_select || c == state->current_column);
        table_ask_cell(state, dc, c, row, cell, current && state->highlight);
        if (!n.owner_drawn) draw_cell(dc, *state, n);
        HGDIOBJ old = nullptr;
        if (state->vertical_lines) {
            if (state->vertical_pen) old = SelectObject(dc, (HPEN)state->vertical_pen);
            line(dc, x + width - 1, y, x + width - 1, y + state->row_height);
            if (old) SelectObject(dc, old);
        }
        if (state->horizontal_lines) {
            old = state->horizontal_pen ? SelectObject(dc, (HPEN)state->horizontal_pen) : nullptr;
            line(dc, x, y + state->row_height - 1, x + width, y + state->row_height - 1);
            if (old) SelectObject(dc, old);
        }
        x += width;
    }
    if (x < state->client_width) {
        RECT rest = {x, y, state->client_width, y + state->row_height};
        fill(dc, rest, state->background_colour);
    }
    if (state->has_focus && row == state->current_row) {
        RECT focus = {row_left, y, x < state->client_width ? x : state->client_width, y + state->row_height};
        if (!state->row_select) {
            CellRect cell;
            if (table_cell_rect(*state, state->current_column, row, &cell) == CELL_HIDDEN) return;
            focus = {cell.left, cell.top, cell.right, cell.bottom};
        }
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace

void draw_frame(HDC dc, const RECT& rect, bool raised, const TableState& state) {
    HPEN light = state.light_pen ? (HPEN)state.light_pen : (HPEN)GetStockObject(WHITE_PEN);
    HPEN shadow = state.shadow_pen ? (HPEN)state.shadow_pen : (HPEN)GetStockObject(BLACK_PEN);
    HGDIOBJ old = SelectObject(dc, raised ? light : shadow);
    for (int i = 0; i < state.border_width; ++i) {
        line(dc, rect.left + i, rect.bottom - 1 - i, rect.left + i, rect.top + i);
        line(dc, rect.left + i, rect.top + i, rect.right - 1 - i, rect.top + i);
    }
    SelectObject(dc, raised ? shadow : light);
    for (int i = 0; i < state.border_width; ++i) {
        line(dc, rect.right - 1 - i, rect.top + i, rect.right - 1 - i, rect.bottom - 1 - i);
        line(dc, rect.left + i, rect.bottom - 1 - i, rect.right - i, rect.bottom - 1 - i);
    }
    SelectObject(dc, old);
}

void table_paint(TableState* state) {
    HWND table = table_window(*state);
    notify_changes(state);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(table, &paint);
    if (!state->redraw) {
        EndPaint(table, &paint);
        return;
    }
    HGDIOBJ old_font = state->font ? SelectObject(dc, (HFONT)state->font) : nullptr;
    RECT client = {0, 0, state->client_width, state->client_height};
    if (state->row_count <= 0 || state->column_count <= 0) {
        fill(dc, client, state->background_colour);
    } else {
        bool asked_for_rows = false;
        for (int32_t slot = 0; (int64_t)slot * state->row_height < state->client_height; ++slot) {
            int y = slot * state->row_height;
            RECT band = {0, y, state->client_width, y + state->row_height}, overlap;
            if (!IntersectRect(&overlap, &band, &paint.rcPaint)) continue;
            int64_t row = (int64_t)state->top_row + slot;
            if (row >= state->row_count && !asked_for_rows) {
                // The owner may add rows now.
                asked_for_rows = true;
                TableNotify& n = grid_globals().notify;
                n.value = 1;
                n.extra = state->row_count;
                table_notify(state, TBN_NEEDROWS);
            }
            if (row >= state->row_count) {
                RECT rest = {0, y, state->client_width, state->client_height};
                fill(dc, rest, state->background_colour);
                break;
            }
            draw_row(dc, state, (int32_t)row, y);
        }
    }
    if (old_font) SelectObject(dc, old_font);
    EndPaint(table, &paint);
}
