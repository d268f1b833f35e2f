// Keyboard, mouse, scroll bars and focus of a table.
#include "grid/grid_win32.h"

namespace {

int32_t key_state_now() {
    return (GetKeyState(VK_CONTROL) < 0 ? KEYSTATE_CTRL : 0) | (GetKeyState(VK_SHIFT) < 0 ? KEYSTATE_SHIFT : 0);
}

int32_t key_state_of(WPARAM mouse_keys) {
    return (mouse_keys & MK_CONTROL ? KEYSTATE_CTRL : 0) | (mouse_keys & MK_SHIFT ? KEYSTATE_SHIFT : 0);
}

bool reported_key(WPARAM key) {
    switch (key) {
        case VK_BACK:
        case VK_TAB:
        case VK_ESCAPE:
        case VK_END:
        case VK_HOME:
        case VK_INSERT:
        case VK_DELETE: return true;
    }
    return key >= VK_F1 && key <= VK_F10;
}

void key_down(TableState* state, WPARAM key, LPARAM data) {
    TableNotify& n = grid_globals().notify;
    state->key_state = key_state_now();
    n.column = state->current_column;
    n.row = state->current_row;
    n.value = (intptr_t)key;
    n.extra = data;
    table_notify(state, TBN_KEYDOWN);
    ViewMark before = view_mark(*state);
    switch (key) {
        case VK_RETURN:
            if (state->row_count > 0 && state->column_count > 0)
                table_notify_cell(state, TBN_ENTER, state->current_column, state->current_row, 0);
            break;
        case VK_UP: table_step_rows(state, -1); break;
        case VK_DOWN: table_step_rows(state, 1); break;
        case VK_PRIOR: table_page(state, -1); break;
        case VK_NEXT: table_page(state, 1); break;
        case VK_LEFT: table_step_columns(state, -1); break;
        case VK_RIGHT: table_step_columns(state, 1); break;
        default:
            if (reported_key(key)) {
                n.column = state->current_column;
                n.row = state->current_row;
                n.value = -(intptr_t)key;
                n.extra = 0;
                table_notify(state, TBN_KEY);
            }
            return;
    }
    table_refresh(state, before);
}

void typed(TableState* state, WPARAM ch) {
    bool letter = (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= 0xC0 && ch <= 0xFF);
    if (!letter && !(ch >= '0' && ch <= '9') && ch != ' ') return;
    TableNotify& n = grid_globals().notify;
    n.column = state->current_column;
    n.row = state->current_row;
    n.value = (intptr_t)ch;
    n.extra = 0;
    table_notify(state, TBN_KEY);
}

bool cell_at(const TableState& state, LPARAM point, int32_t* column, int32_t* row) {
    return table_hit_test(state, (short)LOWORD(point), (short)HIWORD(point), column, row);
}

void make_current(TableState* state, int32_t column, int32_t row) {
    table_move_row(state, row, false);
    if (state->row_select)
        state->current_column = column;
    else
        table_move_column(state, column);
}

void button_down(TableState* state, UINT message, WPARAM keys, LPARAM point) {
    HWND table = table_window(*state);
    if (GetFocus() != table) SetFocus(table);
    state->key_state = key_state_of(keys);
    int32_t column, row;
    bool left = message == WM_LBUTTONDOWN;
    if (left) SetCapture(table);
    if (left && state->drag_select) SetTimer(table, DRAG_SELECT_TIMER_ID, 100, nullptr);
    if (!cell_at(*state, point, &column, &row)) return;
    ViewMark before = view_mark(*state);
    bool same = column == state->current_column && row == state->current_row;
    make_current(state, column, row);
    uint32_t code = !left ? TBN_RCLICK : (same ? TBN_CLICKCURRENT : TBN_CLICK);
    table_notify_cell(state, code, column, row, 1);
    table_refresh(state, before);
}

void notify_at(TableState* state, uint32_t code, WPARAM keys, LPARAM point, intptr_t extra) {
    state->key_state = key_state_of(keys);
    int32_t column, row;
    cell_at(*state, point, &column, &row);
    table_notify_cell(state, code, column, row, extra);
}

void left_button_up(TableState* state, WPARAM keys, LPARAM point) {
    HWND table = table_window(*state);
    KillTimer(table, AUTOSCROLL_TIMER_ID);
    if (GetCapture() == table) ReleaseCapture();
    if (!state->drag_select) return;
    KillTimer(table, DRAG_SELECT_TIMER_ID);
    notify_at(state, TBN_DRAGSELECT, keys, point, 0);
}

void mouse_move(TableState* state, WPARAM keys, LPARAM point) {
    HWND table = table_window(*state);
    if (!(keys & MK_LBUTTON) || !state->tracking || state->drag_select || GetCapture() != table) return;
    int x = (short)LOWORD(point), y = (short)HIWORD(point);
    if (x < 0 || y < 0 || x >= state->client_width || y >= state->client_height) {
        // Outside: the view keeps scrolling on the timer while the pointer stays out.
        SetTimer(table, AUTOSCROLL_TIMER_ID, 50, nullptr);
        return;
    }
    KillTimer(table, AUTOSCROLL_TIMER_ID);
    int32_t column, row;
    if (!cell_at(*state, point, &column, &row)) return;
    if (column == state->current_column && row == state->current_row) return;
    ViewMark before = view_mark(*state);
    make_current(state, column, row);
    table_refresh(state, before);
}

void autoscroll(TableState* state) {
    HWND table = table_window(*state);
    POINT at;
    GetCursorPos(&at);
    ScreenToClient(table, &at);
    if (GetCapture() != table || !(GetKeyState(VK_LBUTTON) < 0)) {
        KillTimer(table, AUTOSCROLL_TIMER_ID);
        return;
    }
    ViewMark before = view_mark(*state);
    if (at.y < 0) table_move_row(state, state->top_row - 1, false);
    if (at.y >= state->client_height) table_move_row(state, state->top_row + state->visible_rows, false);
    if (at.x < 0) table_set_left_column(state, state->left_column - 1);
    if (at.x >= state->client_width) table_set_left_column(state, state->left_column + 1);
    table_refresh(state, before);
}

void scroll(TableState* state, bool vertical, WORD request) {
    HWND table = table_window(*state);
    ViewMark before = view_mark(*state);
    int32_t position = vertical ? state->top_row : state->left_column;
    int32_t page = state->visible_rows > 0 ? state->visible_rows : 1;
    if (!vertical) {
        // A page of columns: those that show whole from the left column.
        int32_t x = 0, whole = 0;
        for (int32_t c = state->left_column; c < state->column_count; ++c, ++whole)
            if ((x += table_width(*state, c)) > state->client_width) break;
        page = whole > 0 ? whole : 1;
    }
    switch (request) {
        case SB_LINEUP: --position; break;
        case SB_LINEDOWN: ++position; break;
        case SB_PAGEUP: position -= page; break;
        case SB_PAGEDOWN: position += page; break;
        case SB_TOP: position = 0; break;
        case SB_BOTTOM: position = INT32_MAX; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            SCROLLINFO info = {};
            info.cbSize = sizeof info;
            info.fMask = SIF_TRACKPOS;
            GetScrollInfo(table, vertical ? SB_VERT : SB_HORZ, &info);
            position = info.nTrackPos;
            break;
        }
        default: return;
    }
    if (vertical)
        table_set_top_row(state, position);
    else
        table_set_left_column(state, position);
    table_refresh(state, before);
}

void wheel(TableState* state, short delta) {
    ViewMark before = view_mark(*state);
    table_set_top_row(state, state->top_row - delta / WHEEL_DELTA * 3);
    table_refresh(state, before);
}

bool is_own_child(TableState* state, HWND other) { return other && IsChild(table_window(*state), other); }

void focus_changed(TableState* state, bool gained, HWND other) {
    state->has_focus = gained;
    table_invalidate_row(state, state->current_row);
    if (!is_own_child(state, other) && other != table_window(*state))
        table_notify_cell(state, gained ? TBN_SETFOCUS : TBN_KILLFOCUS, state->current_column, state->current_row, 0);
}

}  // namespace

bool table_input(TableState* state, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
    *result = 0;
    switch (message) {
        case WM_KEYDOWN: key_down(state, wparam, lparam); return true;
        case WM_CHAR: typed(state, wparam); return true;
        case WM_GETDLGCODE: {
            const MSG* asked = (const MSG*)lparam;
            bool tab = asked && asked->message == WM_KEYDOWN && asked->wParam == VK_TAB;
            *result = DLGC_WANTARROWS | DLGC_WANTCHARS | (tab ? 0 : DLGC_WANTALLKEYS | DLGC_WANTTAB);
            return true;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN: button_down(state, message, wparam, lparam); return true;
        case WM_LBUTTONUP: left_button_up(state, wparam, lparam); return true;
        case WM_RBUTTONUP: notify_at(state, TBN_RCLICK, wparam, lparam, 0); return true;
        case WM_LBUTTONDBLCLK: notify_at(state, TBN_DBLCLK, wparam, lparam, 1); return true;
        case WM_MOUSEMOVE: mouse_move(state, wparam, lparam); return true;
        case WM_CAPTURECHANGED: KillTimer(table_window(*state), AUTOSCROLL_TIMER_ID); return true;
        case WM_TIMER:
            if (wparam == AUTOSCROLL_TIMER_ID) autoscroll(state);
            if (wparam == DRAG_SELECT_TIMER_ID) {
                POINT at;
                GetCursorPos(&at);
                ScreenToClient(table_window(*state), &at);
                notify_at(state, TBN_DRAGSELECT, 0, MAKELPARAM(at.x, at.y), 1);
            }
            return true;
        case WM_VSCROLL: scroll(state, true, LOWORD(wparam)); return true;
        case WM_HSCROLL:
            if (state->has_horizontal_bar) scroll(state, false, LOWORD(wparam));
            return true;
        case WM_MOUSEWHEEL: wheel(state, (short)HIWORD(wparam)); return true;
        case WM_SETFOCUS:
            focus_changed(state, true, (HWND)wparam);
            UpdateWindow(table_window(*state));
            return true;
        case WM_KILLFOCUS:
            focus_changed(state, false, (HWND)wparam);
            UpdateWindow(table_window(*state));
            return true;
    }
    return false;
}
