// The table window: creation, the message interface and its dispatch.
#include <stdlib.h>
#include <string.h>

#include "grid/grid_win32.h"
#include "grid/keelgrid32_win32.h"

namespace {

// The old drag-object protocol's messages, which the headers no longer name.
const UINT OLD_DROP_OBJECT = 0x022A;
const UINT OLD_QUERY_DROP_OBJECT = 0x022B;

LRESULT create_table(HWND table, const CREATESTRUCTA* create) {
    TableState* state = (TableState*)calloc(1, sizeof(TableState));
    if (!state || !table_init(state)) {
        free(state);
        return -1;
    }
    state->self = table;
    state->notify_window = create->hwndParent;
    state->control_id = (int32_t)(INT_PTR)create->hMenu;
    state->shadow_pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    state->light_pen = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    state->background_colour = GetSysColor(COLOR_WINDOW);
    state->text_colour = GetSysColor(COLOR_WINDOWTEXT);
    state->has_horizontal_bar = (create->style & WS_HSCROLL) != 0;
    SetWindowLongPtrA(table, TABLE_EXTRA_STATE, (LONG_PTR)state);
    SetWindowLongPtrA(table, TABLE_EXTRA_STATE + sizeof(LONG_PTR), (LONG_PTR)state->widths);
    state->edit_window = CreateWindowExA(0, EDIT_CLASS_NAME, "", WS_CHILD | TES_WANT_ENTER | TES_WANT_TAB, 0, 0, 0, 0,
                                         table, (HMENU)(INT_PTR)TABLE_EDIT_ID, create->hInstance, nullptr);
    table_measure_font(state);
    RECT client;
    GetClientRect(table, &client);
    table_set_client_size(state, client.right, client.bottom);
    return 0;
}

void destroy_table(HWND table, TableState* state) {
    // The strips stay behind, no longer linked.
    if (state->column_heading) SendMessageA((HWND)state->column_heading, HEADING_LINK_MESSAGE, 0, 0);
    if (state->row_heading) SendMessageA((HWND)state->row_heading, HEADING_LINK_MESSAGE, 0, 0);
    if (state->shadow_pen) DeleteObject((HPEN)state->shadow_pen);
    if (state->light_pen) DeleteObject((HPEN)state->light_pen);
    table_free(state);
    free(state);
    SetWindowLongPtrA(table, TABLE_EXTRA_STATE, 0);
    SetWindowLongPtrA(table, TABLE_EXTRA_STATE + sizeof(LONG_PTR), 0);
}

// Reports a message to the owner first when the hook is on; the owner may
// change it. The record is kept as it was, since a hooked message may come
// while the owner answers another notification.
void hook_message(TableState* state, UINT* message, WPARAM* wparam, LPARAM* lparam) {
    TableNotify& n = grid_globals().notify;
    TableNotify saved = n;
    n.value = (intptr_t)*wparam;
    n.extra = (intptr_t)*lparam;
    HWND target = (HWND)state->notify_window;
    if (target && IsWindow(target)) {
        n.code = (int32_t)*message;
        SendMessageA(target, WM_COMMAND, MAKEWPARAM(state->control_id, TBN_MESSAGE), (LPARAM)state->self);
        *message = (UINT)n.code;
        *wparam = (WPARAM)n.value;
        *lparam = (LPARAM)n.extra;
    }
    n = saved;
}

void set_row_count(TableState* state, int32_t rows) {
    table_set_row_count(state, rows);
    table_update_scrollbars(state);
    InvalidateRect(table_window(*state), nullptr, FALSE);
    if (state->row_heading) InvalidateRect((HWND)state->row_heading, nullptr, FALSE);
}

void changed_columns(TableState* state) {
    table_update_scrollbars(state);
    table_invalidate_all(state);
}

LRESULT redraw_if(TableState* state, LRESULT result) {
    InvalidateRect(table_window(*state), nullptr, FALSE);
    return result;
}

LRESULT cell_rect_request(const TableState& state, TableCellRequest* request) {
    if (!request) return 0;
    CellRect rect;
    request->visibility = table_cell_rect(state, request->column, request->row, &rect);
    request->left = rect.left, request->top = rect.top, request->right = rect.right, request->bottom = rect.bottom;
    return request->visibility;
}

LRESULT text_width(TableState* state, const char* text) {
    if (!text) return 0;
    HWND table = table_window(*state);
    HDC dc = GetDC(table);
    HGDIOBJ old = state->font ? SelectObject(dc, (HFONT)state->font) : nullptr;
    SIZE size = {};
    GetTextExtentPoint32A(dc, text, (int)strnlen(text, 4096), &size);
    if (old) SelectObject(dc, old);
    ReleaseDC(table, dc);
    return size.cx;
}

LRESULT redraw_row(TableState* state, int32_t row, int32_t column) {
    if (column > 0) {
        CellRect cell;
        if (table_cell_rect(*state, column, row, &cell) == CELL_HIDDEN) return 0;
        RECT rect = {cell.left, cell.top, cell.right, cell.bottom};
        InvalidateRect(table_window(*state), &rect, FALSE);
    } else {
        table_invalidate_row(state, row);
    }
    UpdateWindow(table_window(*state));
    return 1;
}

void replace_pen(void** slot, COLORREF colour) {
    if (*slot) DeleteObject((HPEN)*slot);
    *slot = CreatePen(PS_SOLID, 1, colour);
}

// The table's messages; false for anything it leaves to the default.
bool table_message(TableState* state, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
    HWND table = table_window(*state);
    ViewMark before = view_mark(*state);
    bool on = wparam != 0;
    switch (message) {
        case TB_QUERY_MESSAGE:
            switch (wparam) {
                case TBQ_STATE: *result = (LRESULT)state; return true;
                case TBQ_NOTIFY: *result = (LRESULT)&grid_globals().notify; return true;
                case TBQ_IS_TABLE: *result = 1; return true;
                case TBQ_DROP_ACCEPT: *result = state->accept_drop; return true;
            }
            return false;
        case TB_DROP_QUERY_MESSAGE:
        case OLD_QUERY_DROP_OBJECT: *result = state->accept_drop; return true;
        case OLD_DROP_OBJECT: *result = TB_FILE_DROP_REPLY; return true;
        case WM_DROPFILES:
            table_dropped_files(state, (HDROP)wparam);
            *result = 0;
            return true;
        case TBM_SETROWCOUNT:
            if ((int32_t)lparam >= 0) set_row_count(state, (int32_t)lparam);
            *result = state->row_count;
            return true;
        case TBM_ADDROWS: {
            int64_t rows = (int64_t)state->row_count + (int32_t)lparam;
            set_row_count(state, rows < 0 ? 0 : (rows > INT32_MAX ? INT32_MAX : (int32_t)rows));
            *result = state->row_count;
            return true;
        }
        case TBM_SETCOLCOUNT:
            table_set_column_count(state, (int32_t)wparam);
            changed_columns(state);
            *result = state->column_count;
            return true;
        case TBM_SETCOLWIDTH:
            *result = table_set_width(state, (int32_t)wparam, (int32_t)lparam);
            changed_columns(state);
            return true;
        case TBM_GETCOLWIDTH: *result = table_width(*state, (int32_t)wparam); return true;
        case TBM_SETCOLCHARS: {
            int32_t chars = (int32_t)lparam;
            *result = table_width(*state, (int32_t)wparam);
            if (chars > 0 && chars < state->max_columns) {
                *result = table_set_width(state, (int32_t)wparam, chars * table_measure_font(state));
                changed_columns(state);
            }
            return true;
        }
        case TBM_SETCURROW:
            if ((int32_t)lparam >= 0 && (int32_t)lparam < state->row_count) {
                table_move_row(state, (int32_t)lparam, false);
                table_refresh(state, before);
            }
            *result = state->current_row;
            return true;
        case TBM_SETCURCOL:
            if (state->row_select)
                table_set_left_column(state, (int32_t)wparam);
            else
                table_move_column(state, (int32_t)wparam);
            table_refresh(state, before);
            *result = state->current_column;
            return true;
        case TBM_GETCURROW: *result = state->current_row; return true;
        case TBM_GETCURCOL: *result = state->column_count > 0 ? state->current_column : -1; return true;
        case TBM_CLEARCURROW:
            state->current_row = -1;
            table_invalidate_row(state, before.row);
            UpdateWindow(table);
            *result = -1;
            return true;
        case TBM_SETTOPROW:
            table_set_top_row(state, (int32_t)lparam);
            table_refresh(state, before);
            *result = state->top_row;
            return true;
        case TBM_GETTOPROW: *result = state->top_row; return true;
        case TBM_GETROWCOUNT: *result = state->row_count; return true;
        case TBM_GETCOLCOUNT: *result = state->column_count; return true;
        case TBM_GETVISIBLEROWS: *result = state->visible_rows; return true;
        case TBM_GETROWHEIGHT: *result = state->row_height; return true;
        case TBM_SETROWSPACING:
            state->row_spacing = (int32_t)wparam;
            table_set_font_height(state, state->font_height);
            table_update_scrollbars(state);
            *result = redraw_if(state, state->row_spacing);
            return true;
        case TBM_SETROWHEIGHT:
            table_set_row_height(state, (int32_t)wparam);
            table_update_scrollbars(state);
            *result = redraw_if(state, state->row_height);
            return true;
        case TBM_SETHEADING:
            if (wparam == 0)
                state->column_heading = (void*)lparam;
            else
                state->row_heading = (void*)lparam;
            if (lparam) SendMessageA((HWND)lparam, HEADING_LINK_MESSAGE, wparam, (LPARAM)table);
            *result = lparam;
            return true;
        case TBM_GETHEADING: *result = (LRESULT)(wparam == 0 ? state->column_heading : state->row_heading); return true;
        case TBM_SETHEADINGSIZING:
            *result = state->column_heading ? SendMessageA((HWND)state->column_heading, message, wparam, 0) : 0;
            return true;
        case TBM_GETCELLRECT: *result = cell_rect_request(*state, (TableCellRequest*)lparam); return true;
        case TBM_GETCHARWIDTH: *result = table_measure_font(state); return true;
        case TBM_GETTEXTWIDTH: *result = text_width(state, (const char*)lparam); return true;
        case TBM_GETNOTIFY: *result = (LRESULT)&grid_globals().notify; return true;
        case TBM_SETVLINES:
            state->vertical_lines = on;
            *result = redraw_if(state, on);
            return true;
        case TBM_SETHLINES:
            state->horizontal_lines = on;
            *result = redraw_if(state, on);
            return true;
        case TBM_SETHIGHLIGHT:
            state->highlight = on;
            *result = redraw_if(state, on);
            return true;
        case TBM_SETROWSELECT:
            state->row_select = on;
            *result = redraw_if(state, on);
            return true;
        case TBM_SETBORDERWIDTH:
            state->border_width = (int32_t)wparam;
            *result = redraw_if(state, state->border_width);
            return true;
        case TBM_SETTRACKING:
            state->tracking = on;
            *result = on;
            return true;
        case TBM_SETREDRAW:
            state->redraw = on;
            if (on) table_invalidate_all(state);
            *result = on;
            return true;
        case TBM_SETMARGIN:
            state->margin = (int32_t)wparam;
            if (state->edit_window) SendMessageA((HWND)state->edit_window, TEM_SETMARGIN, wparam, 0);
            *result = redraw_if(state, state->margin);
            return true;
        case TBM_SETLINEPEN:
            if (wparam == 1)
                state->horizontal_pen = (void*)lparam;
            else
                state->vertical_pen = (void*)lparam;
            *result = redraw_if(state, lparam);
            return true;
        case TBM_SETSTRETCHLAST:
            state->stretch_last = on;
            *result = redraw_if(state, on);
            return true;
        case TBM_ENABLEDROP:
            state->accept_drop = on;
            *result = on;
            return true;
        case TBM_REDRAWROW: *result = redraw_row(state, (int32_t)lparam, 0); return true;
        case TBM_REDRAWCELL: *result = redraw_row(state, (int32_t)lparam, (int32_t)wparam); return true;
        case TBM_DRAWRAISED:
        case TBM_DRAWSUNKEN:
            if (lparam) draw_frame((HDC)wparam, *(const RECT*)lparam, message == TBM_DRAWRAISED, *state);
            *result = 1;
            return true;
        case TBM_SETNOTIFYWINDOW:
            state->notify_window = (void*)wparam;
            *result = (LRESULT)state->notify_window;
            return true;
        case TBM_SETBKCOLOR:
            state->background_colour = (COLORREF)lparam;
            cache_refresh(&state->cache);
            *result = redraw_if(state, lparam);
            return true;
        case TBM_SETTEXTCOLOR:
            state->text_colour = (COLORREF)lparam;
            cache_refresh(&state->cache);
            *result = redraw_if(state, lparam);
            return true;
        case TBM_SETMAXCOLUMNS:
            table_set_max_columns(state, (int32_t)wparam);
            SetWindowLongPtrA(table, TABLE_EXTRA_STATE + sizeof(LONG_PTR), (LONG_PTR)state->widths);
            changed_columns(state);
            *result = state->max_columns;
            return true;
        case TBM_SETTRACKWIDTH:
            state->track_width = on;
            table_set_left_column(state, state->left_column);
            changed_columns(state);
            *result = on;
            return true;
        case TBM_SETDRAGSELECT:
            state->drag_select = on;
            *result = on;
            return true;
        case TBM_SETBLANKMARGIN:
            state->blank_margin = wparam == 1;
            *result = redraw_if(state, wparam == 1);
            return true;
        case TBM_SETMULTILINE:
            state->multiline = wparam == 1;
            *result = redraw_if(state, wparam == 1);
            return true;
        case TBM_SETSHADOWCOLOR:
            replace_pen(&state->shadow_pen, (COLORREF)lparam);
            *result = redraw_if(state, 1);
            return true;
        case TBM_SETLIGHTCOLOR:
            replace_pen(&state->light_pen, (COLORREF)lparam);
            *result = redraw_if(state, 1);
            return true;
        case TBM_SETHOOK:
            state->hook = wparam == 1;
            *result = state->hook;
            return true;
        case TBM_GETEDITWINDOW:
        case TBM_GETEDITWINDOW2: *result = (LRESULT)state->edit_window; return true;
        case TBM_GETEDITTEXT:
            *result = state->edit_window ? GetWindowTextA((HWND)state->edit_window, (char*)lparam, (int)wparam) : 0;
            return true;
        case TBM_SETEDITTEXT:
            *result = state->edit_window ? SetWindowTextA((HWND)state->edit_window, (const char*)lparam) : 0;
            return true;
        case WM_SETFONT:
            state->font = (void*)wparam;
            table_measure_font(state);
            table_update_scrollbars(state);
            if (LOWORD(lparam)) table_invalidate_all(state);
            *result = 0;
            return true;
        case WM_GETFONT: *result = (LRESULT)state->font; return true;
        case WM_SIZE:
            table_set_client_size(state, LOWORD(lparam), HIWORD(lparam));
            table_update_scrollbars(state);
            InvalidateRect(table, nullptr, FALSE);
            *result = 0;
            return true;
        case WM_GETMINMAXINFO: {
            MINMAXINFO* info = (MINMAXINFO*)lparam;
            if (info) info->ptMinTrackSize.y = state->row_height + 2 * GetSystemMetrics(SM_CYEDGE);
            *result = 0;
            return true;
        }
        case WM_ERASEBKGND: *result = 1; return true;
        case SCROLL_BAR_SYNC_MESSAGE:
            state->scroll_bar_pending = false;
            table_update_scrollbars(state);
            *result = 0;
            return true;
        case WM_PAINT:
            table_paint(state);
            *result = 0;
            return true;
        case WM_COMMAND:
            if ((HWND)lparam && (HWND)lparam == (HWND)state->edit_window) {
                table_edit_command(state, HIWORD(wparam));
            } else {
                TableNotify& n = grid_globals().notify;
                n.value = LOWORD(wparam);
                n.extra = HIWORD(wparam);
                table_notify(state, TBN_COMMAND);
            }
            *result = 0;
            return true;
    }
    return table_input(state, message, wparam, lparam, result);
}

}  // namespace

extern "C" LRESULT CALLBACK MainTableProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (GetWindowLongA(window, GWL_STYLE) & TBS_HEADING) return heading_proc(window, message, wparam, lparam);
    if (message == WM_CREATE) return create_table(window, (const CREATESTRUCTA*)lparam);
    TableState* state = (TableState*)GetWindowLongPtrA(window, TABLE_EXTRA_STATE);
    if (!state) return DefWindowProcA(window, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        destroy_table(window, state);
        return DefWindowProcA(window, message, wparam, lparam);
    }
    if (state->hook) hook_message(state, &message, &wparam, &lparam);
    LRESULT result = 0;
    if (table_message(state, message, wparam, lparam, &result)) return result;
    return DefWindowProcA(window, message, wparam, lparam);
}
