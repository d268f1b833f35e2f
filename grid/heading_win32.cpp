// Heading strips: a column heading above a table and a row heading to its
// left, drawn from the table's view and asking the table's owner for their
// texts.
#include <stdlib.h>

#include "grid/grid_win32.h"

namespace {

const int SIZING_ZONE = 6;

struct HeadingState {
    HWND table;
    bool sizing;
    int32_t inset;
    bool own_background, own_text;
    COLORREF background, text;
    int32_t drag_column;  // -1 when no border is being dragged
    int32_t drag_left;    // x where the dragged column starts
    int32_t drag_width;
};

HeadingState* heading_of(HWND strip) { return (HeadingState*)GetWindowLongPtrA(strip, TABLE_EXTRA_STATE); }

bool is_row_heading(HWND strip) { return (GetWindowLongA(strip, GWL_STYLE) & TBS_ROW_HEADING) != 0; }
bool button_style(HWND strip) { return (GetWindowLongA(strip, GWL_STYLE) & TBS_BUTTON_FACE) != 0; }

COLORREF background_of(HWND strip, const HeadingState& h) {
    if (h.own_background) return h.background;
    return GetSysColor(button_style(strip) ? COLOR_BTNFACE : COLOR_WINDOW);
}
COLORREF text_of(HWND strip, const HeadingState& h) {
    if (h.own_text) return h.text;
    return GetSysColor(button_style(strip) ? COLOR_BTNTEXT : COLOR_WINDOWTEXT);
}

LRESULT strip_notify(HWND strip, const HeadingState& h, uint32_t code, int32_t column, int32_t row, intptr_t extra,
                     intptr_t value) {
    TableState* table = table_state_of(h.table);
    if (!table) return 0;
    TableNotify& n = grid_globals().notify;
    n.column = column;
    n.row = row;
    n.value = value;
    n.extra = extra;
    return send_notify(strip, GetDlgCtrlID(strip), (HWND)table->notify_window, code);
}

void draw_heading_cell(HWND strip, HDC dc, HeadingState& h, TableState* table, int32_t column, int32_t row, RECT cell) {
    TableNotify& n = grid_globals().notify;
    n.column = column;
    n.row = row;
    n.value = 0;
    n.extra = 0;
    n.text_colour = text_of(strip, h);
    n.background_colour = background_of(strip, h);
    n.alignment = ALIGN_LEFT;
    grid_globals().text[0] = 0;
    n.decorations = 0;
    n.bitmap = nullptr;
    n.owner_drawn = 0;
    n.dc = dc;
    n.left = cell.left, n.top = cell.top, n.right = cell.right, n.bottom = cell.bottom;
    send_notify(strip, GetDlgCtrlID(strip), (HWND)table->notify_window, TBN_GETTEXT);
    grid_globals().text[NOTIFY_TEXT_SIZE - 1] = 0;
    if (n.owner_drawn) return;
    HBRUSH brush = CreateSolidBrush(n.background_colour);
    FillRect(dc, &cell, brush);
    DeleteObject(brush);
    if (button_style(strip)) DrawEdge(dc, &cell, EDGE_RAISED, BF_RECT);
    RECT text = {cell.left + h.inset + 1, cell.top, cell.right - h.inset - 1, cell.bottom};
    UINT format = DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
    if (n.alignment == ALIGN_RIGHT) format |= DT_RIGHT;
    if (n.alignment == ALIGN_CENTRE) format |= DT_CENTER;
    SetTextColor(dc, n.text_colour);
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, n.text, -1, &text, format);
}

void paint(HWND strip, HeadingState& h) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(strip, &ps);
    RECT client;
    GetClientRect(strip, &client);
    TableState* table = table_state_of(h.table);
    int reached = 0;
    if (table) {
        HGDIOBJ old = table->font ? SelectObject(dc, (HFONT)table->font) : nullptr;
        if (is_row_heading(strip)) {
            for (int32_t slot = 0; slot * table->row_height < client.bottom; ++slot) {
                int32_t row = table->top_row + slot;
                if (row >= table->row_count) break;
                RECT cell = {0, slot * table->row_height, client.right, (slot + 1) * table->row_height};
                draw_heading_cell(strip, dc, h, table, -1, row, cell);
                reached = cell.bottom;
            }
        } else {
            int x = 0;
            for (int32_t c = table->left_column; c < table->column_count && x < client.right; ++c) {
                int width = table_width(*table, c);
                if (width <= 0) continue;
                RECT cell = {x, 0, x + width, client.bottom};
                draw_heading_cell(strip, dc, h, table, c, -1, cell);
                x += width;
            }
            reached = x;
        }
        if (old) SelectObject(dc, old);
    }
    RECT rest = client;
    if (is_row_heading(strip))
        rest.top = reached;
    else
        rest.left = reached;
    HBRUSH brush = CreateSolidBrush(background_of(strip, h));
    FillRect(dc, &rest, brush);
    DeleteObject(brush);
    EndPaint(strip, &ps);
}

// The column whose right border lies near x, or -1; also the column under x.
int32_t border_near(const TableState& table, int x, int32_t* under, int* column_left) {
    *under = -1;
    int left = 0;
    for (int32_t c = table.left_column; c < table.column_count; ++c) {
        int right = left + table_width(table, c);
        if (x >= left && x < right) *under = c;
        if (abs(x - right) <= SIZING_ZONE && table_width(table, c) >= 0) {
            *column_left = left;
            return c;
        }
        left = right;
    }
    return -1;
}

void button(HWND strip, HeadingState& h, UINT message, LPARAM point) {
    TableState* table = table_state_of(h.table);
    if (!table) return;
    int x = (short)LOWORD(point), y = (short)HIWORD(point);
    int32_t column = -1, row = -1;
    if (is_row_heading(strip)) {
        int32_t r = table->top_row + y / table->row_height;
        if (y >= 0 && r < table->row_count) row = r;
    } else {
        int column_left = 0;
        int32_t border = border_near(*table, x, &column, &column_left);
        if (message == WM_LBUTTONDOWN && h.sizing && border >= 0) {
            TableNotify& n = grid_globals().notify;
            strip_notify(strip, h, TBN_SIZESTART, border, -1, 0, 1);
            if (n.value == 0) return;  // the owner refused
            h.drag_column = border;
            h.drag_left = column_left;
            h.drag_width = table_width(*table, border);
            SetCapture(strip);
            return;
        }
        if (column < 0) return;
    }
    switch (message) {
        case WM_LBUTTONDOWN: strip_notify(strip, h, TBN_CLICK, column, row, 1, 0); break;
        case WM_LBUTTONUP: strip_notify(strip, h, TBN_CLICK, column, row, 0, 0); break;
        case WM_RBUTTONDOWN: strip_notify(strip, h, TBN_RCLICK, column, row, 1, 0); break;
        case WM_RBUTTONUP: strip_notify(strip, h, TBN_RCLICK, column, row, 0, 0); break;
        case WM_LBUTTONDBLCLK: strip_notify(strip, h, TBN_DBLCLK, column, row, 1, 0); break;
    }
}

void drag_move(HWND strip, HeadingState& h, LPARAM point) {
    RECT client;
    GetClientRect(strip, &client);
    int x = (short)LOWORD(point);
    if (x > client.right) x = client.right;
    int width = x - h.drag_left;
    if (width < 0) width = 0;
    if (width >= COLUMN_WIDTH_LIMIT) width = COLUMN_WIDTH_LIMIT - 1;
    h.drag_width = width;
    strip_notify(strip, h, TBN_COLSIZING, h.drag_column, -1, 0, width);
}

void drag_end(HWND strip, HeadingState& h) {
    int32_t column = h.drag_column;
    h.drag_column = -1;
    if (GetCapture() == strip) ReleaseCapture();
    TableState* table = table_state_of(h.table);
    if (!table) return;
    SendMessageA(h.table, TBM_SETCOLWIDTH, (WPARAM)column, h.drag_width);
    strip_notify(strip, h, TBN_COLSIZED, column, -1, 0, h.drag_width);
    table_invalidate_all(table);
}

bool set_cursor(HWND strip, HeadingState& h) {
    TableState* table = table_state_of(h.table);
    if (!table || !h.sizing || is_row_heading(strip)) return false;
    POINT at;
    GetCursorPos(&at);
    ScreenToClient(strip, &at);
    int32_t under;
    int left;
    if (h.drag_column < 0 && border_near(*table, at.x, &under, &left) < 0) return false;
    SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
    return true;
}

}  // namespace

LRESULT heading_proc(HWND strip, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_CREATE) {
        HeadingState* h = (HeadingState*)calloc(1, sizeof(HeadingState));
        if (!h) return -1;
        h->inset = DEFAULT_BORDER_WIDTH;
        h->drag_column = -1;
        SetWindowLongPtrA(strip, TABLE_EXTRA_STATE, (LONG_PTR)h);
        return 0;
    }
    HeadingState* h = heading_of(strip);
    if (!h) return DefWindowProcA(strip, message, wparam, lparam);
    switch (message) {
        case WM_NCDESTROY: {
            TableState* table = table_state_of(h->table);
            if (table && table->column_heading == strip) table->column_heading = nullptr;
            if (table && table->row_heading == strip) table->row_heading = nullptr;
            free(h);
            SetWindowLongPtrA(strip, TABLE_EXTRA_STATE, 0);
            break;
        }
        case HEADING_LINK_MESSAGE:
            h->table = (HWND)lparam;
            InvalidateRect(strip, nullptr, FALSE);
            return 0;
        case WM_PAINT: paint(strip, *h); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_LBUTTONDBLCLK: button(strip, *h, message, lparam); return 0;
        case WM_LBUTTONUP:
            if (h->drag_column >= 0)
                drag_end(strip, *h);
            else
                button(strip, *h, message, lparam);
            return 0;
        case WM_MOUSEMOVE:
            if (h->drag_column >= 0) drag_move(strip, *h, lparam);
            return 0;
        case WM_CAPTURECHANGED:
            if (h->drag_column >= 0 && (HWND)lparam != strip) drag_end(strip, *h);
            return 0;
        case WM_SETCURSOR:
            if (set_cursor(strip, *h)) return TRUE;
            break;
        case TBM_SETHEADINGSIZING: h->sizing = wparam != 0; return h->sizing;
        case TBM_SETBORDERWIDTH:
            h->inset = (int32_t)wparam;
            InvalidateRect(strip, nullptr, FALSE);
            return h->inset;
        case TBM_SETBKCOLOR:
            h->own_background = true, h->background = (COLORREF)lparam;
            InvalidateRect(strip, nullptr, FALSE);
            return lparam;
        case TBM_SETTEXTCOLOR:
            h->own_text = true, h->text = (COLORREF)lparam;
            InvalidateRect(strip, nullptr, FALSE);
            return lparam;
        case TBM_SETCOLCOUNT:
        case TBM_GETCOLWIDTH:
        case TBM_GETCOLCOUNT: return h->table ? SendMessageA(h->table, message, wparam, lparam) : 0;
    }
    return DefWindowProcA(strip, message, wparam, lparam);
}
