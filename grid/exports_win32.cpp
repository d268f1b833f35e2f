// The library's exported functions other than the window procedure.
#include <stdio.h>

#include "grid/fit.h"
#include "grid/grid_format.h"
#include "grid/grid_win32.h"
#include "grid/keelgrid32_win32.h"

namespace {

const char EDIT_CLASS_MISSING_TEXT[] = "New Edit Class Not Found!";
const char EDIT_CLASS_MISSING_TITLE[] = "Msg";

struct MeasureContext {
    TableState* state;
    HDC dc;
};

int32_t measure_cell(void* context, int32_t row, int32_t column) {
    MeasureContext* m = (MeasureContext*)context;
    RECT none = {0, 0, 0, 0};
    table_ask_cell(m->state, m->dc, column, row, none, false);
    const TableNotify& n = grid_globals().notify;
    SIZE size = {};
    GetTextExtentPoint32A(m->dc, n.text, (int)strnlen(n.text, NOTIFY_TEXT_SIZE), &size);
    return best_fit_cell_width(size.cx, n.decorations, n.bitmap != nullptr, m->state->row_height);
}

TableProgressProc g_progress = nullptr;
int call_progress(int32_t done, int32_t end) { return g_progress ? g_progress(done, end) : 0; }

void after_width_change(TableState* state) {
    table_set_left_column(state, state->left_column);
    table_update_scrollbars(state);
    table_invalidate_all(state);
}

HWND create_edit(HWND table, const char* class_name, DWORD style) {
    return CreateWindowExA(0, class_name, "", style, 0, 0, 0, 0, table, (HMENU)(INT_PTR)TABLE_EDIT_ID,
                           (HINSTANCE)GetWindowLongPtrA(table, GWLP_HINSTANCE), nullptr);
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) grid_globals().instance = instance;
    return TRUE;
}

extern "C" int WINAPI TB_InitTable(HINSTANCE instance) {
    WNDCLASSA existing;
    if (GetClassInfoA(instance, TABLE_CLASS_NAME, &existing)) return 1;
    WNDCLASSA table_class = {};
    table_class.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS | CS_SAVEBITS | CS_GLOBALCLASS;
    table_class.lpfnWndProc = MainTableProc;
    table_class.cbWndExtra = TABLE_EXTRA_BYTES;
    table_class.hInstance = instance;
    table_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
    table_class.lpszClassName = TABLE_CLASS_NAME;
    RegisterClassA(&table_class);
    register_edit_class(instance);
    return GetClassInfoA(instance, TABLE_CLASS_NAME, &existing) ? 1 : 0;
}

extern "C" int WINAPI TB_SetupTable(HWND table, HWND column_heading, HWND row_heading, int rows, int columns,
                                    const int* widths, int row_spacing, int heading_sizing) {
    if (!table_state_of(table)) return 0;
    SendMessageA(table, TBM_SETHEADING, 0, (LPARAM)column_heading);
    SendMessageA(table, TBM_SETHEADING, 1, (LPARAM)row_heading);
    SendMessageA(table, TBM_SETHEADINGSIZING, (WPARAM)heading_sizing, 0);
    SendMessageA(table, TBM_SETROWSPACING, (WPARAM)row_spacing, 0);
    SendMessageA(table, TBM_SETCOLCOUNT, (WPARAM)columns, 0);
    SendMessageA(table, TBM_SETROWCOUNT, 0, rows);
    if (widths)
        for (int c = 0; c < columns; ++c) SendMessageA(table, TBM_SETCOLWIDTH, (WPARAM)c, widths[c]);
    return TB_RedrawTable(table);
}

extern "C" int WINAPI TB_RedrawTable(HWND table) {
    TableState* state = table_state_of(table);
    if (!state) return 0;
    table_invalidate_all(state);
    return 1;
}

extern "C" int WINAPI TB_ExtendText(TableNotify* record, int alignment, COLORREF text_colour,
                                    COLORREF background_colour) {
    if (!record) return 0;
    record->alignment = alignment;
    record->text_colour = text_colour;
    record->background_colour = background_colour;
    return 1;
}

extern "C" int WINAPI TB_FitToWindow(HWND table, int columns) {
    TableState* state = table_state_of(table);
    if (!state || !fit_to_window(state->widths, state->column_count, columns, state->client_width)) return 0;
    after_width_change(state);
    return 1;
}

extern "C" int WINAPI TB_BestFit(HWND table, int extra, int rows, TableProgressProc progress) {
    TableState* state = table_state_of(table);
    if (!state || state->row_count <= 0 || state->column_count <= 0) return 0;
    table_close_edit(state, false);
    int32_t first, end;
    best_fit_rows(state->top_row, rows, state->row_count, &first, &end);
    HDC dc = GetDC(table);
    HGDIOBJ old = state->font ? SelectObject(dc, (HFONT)state->font) : nullptr;
    MeasureContext context = {state, dc};
    TableProgressProc outer = g_progress;
    g_progress = progress;
    BestFitHooks hooks = {&context, measure_cell, progress ? call_progress : nullptr};
    bool done = best_fit(first, end, state->column_count, extra, hooks, state->widths);
    g_progress = outer;
    if (old) SelectObject(dc, old);
    ReleaseDC(table, dc);
    if (!done) return 0;
    after_width_change(state);
    return 1;
}

extern "C" int WINAPI TB_CurrencyToString(char* buffer, double value, int commas, const char* symbol) {
    if (!buffer) return 0;
    currency_to_string(buffer, CURRENCY_TEXT_SIZE, value, commas != 0, symbol);
    return 1;
}

extern "C" int WINAPI TB_DateToString(char* buffer, int day, int month, int year, const char* separator, int style) {
    if (!buffer) return 0;
    date_to_string(buffer, DATE_TEXT_SIZE, day, month, year, separator, style);
    return 1;
}

extern "C" int WINAPI TB_FitHeadingToTable(HWND table, int which, int gap) {
    TableState* state = table_state_of(table);
    if (!state) return 0;
    HWND heading = (HWND)(which == 0 ? state->column_heading : state->row_heading);
    if (!heading) return 0;
    RECT outer, heading_outer, heading_client;
    GetWindowRect(table, &outer);
    MapWindowPoints(nullptr, GetParent(table), (POINT*)&outer, 2);
    GetWindowRect(heading, &heading_outer);
    GetClientRect(heading, &heading_client);
    int frame_width = (heading_outer.right - heading_outer.left) - heading_client.right;
    int frame_height = (heading_outer.bottom - heading_outer.top) - heading_client.bottom;
    if (which == 0) {
        int height = heading_outer.bottom - heading_outer.top;
        MoveWindow(heading, outer.left, outer.top - gap - height, state->client_width + frame_width, height, TRUE);
    } else {
        int width = heading_outer.right - heading_outer.left;
        MoveWindow(heading, outer.left - gap - width, outer.top, width, state->client_height + frame_height, TRUE);
    }
    return 1;
}

extern "C" int WINAPI TB_StartEditEx(HWND table, const char* text, const char* mask, const char* text_template,
                                     int first_char, int column, int row) {
    TableState* state = table_state_of(table);
    if (!state || !state->edit_window) return 0;
    HWND edit = (HWND)state->edit_window;
    if (GetFocus() == edit) table_close_edit(state, true);
    // The cell under the edit is not drawn highlighted while it moves there.
    bool highlight = state->highlight;
    state->highlight = false;
    // The cell becomes current without scrolling: an edit opens only over a
    // cell that is already on the screen.
    ViewMark before = view_mark(*state);
    if (column >= 0 && column < state->column_count) state->current_column = column;
    if (row >= 0 && row < state->row_count) state->current_row = row;
    table_refresh(state, before);
    state->highlight = highlight;
    CellRect cell;
    if (state->current_row < 0 || state->column_count <= 0 ||
        table_cell_rect(*state, state->current_column, state->current_row, &cell) == CELL_HIDDEN)
        return 0;
    state->edit_row = state->current_row;
    state->edit_column = state->current_column;
    SendMessageA(edit, WM_SETFONT, (WPARAM)state->font, 0);
    SendMessageA(edit, TEM_SETMASK, 0, (LPARAM)(mask ? mask : ""));
    SendMessageA(edit, TEM_SETTEMPLATE, 0, (LPARAM)(text_template ? text_template : ""));
    char answer[NOTIFY_TEXT_SIZE];
    if (!text) {
        RECT rect = {cell.left, cell.top, cell.right, cell.bottom};
        table_ask_cell(state, nullptr, state->edit_column, state->edit_row, rect, false);
        snprintf(answer, sizeof answer, "%s", grid_globals().text);
        text = answer;
    }
    SetWindowTextA(edit, text);
    int height = (cell.bottom - cell.top) - (state->horizontal_lines ? 1 : 0);
    SetWindowPos(edit, HWND_TOP, cell.left, cell.top, cell.right - cell.left, height, SWP_SHOWWINDOW);
    // Typing that started the edit is not lost.
    if (first_char >= 0x20 && first_char <= 0xFF) PostMessageA(edit, WM_CHAR, (WPARAM)first_char, 0);
    SetFocus(edit);
    return 1;
}

extern "C" int WINAPI TB_StartEdit(HWND table, const char* text, const char* mask, const char* text_template,
                                   int first_char) {
    return TB_StartEditEx(table, text, mask, text_template, first_char, -1, -1);
}

extern "C" int WINAPI TB_EndEdit(HWND table) {
    TableState* state = table_state_of(table);
    if (!state || !state->edit_window || GetFocus() != (HWND)state->edit_window) return 0;
    table_close_edit(state, false);
    return 1;
}

extern "C" int WINAPI TB_SetEditClassEx(HWND table, const char* class_name, DWORD style) {
    TableState* state = table_state_of(table);
    if (!state || !class_name) return 0;
    table_close_edit(state, false);
    HWND replacement = create_edit(table, class_name, (style | WS_CHILD) & ~WS_VISIBLE);
    if (!replacement) {
        MessageBoxA(table, EDIT_CLASS_MISSING_TEXT, EDIT_CLASS_MISSING_TITLE, MB_OK);
        return 0;
    }
    if (state->edit_window) DestroyWindow((HWND)state->edit_window);
    state->edit_window = replacement;
    return 1;
}

extern "C" int WINAPI TB_SetEditClass(HWND table, const char* class_name) {
    return TB_SetEditClassEx(table, class_name, WS_CHILD | TES_WANT_ENTER | TES_WANT_TAB);
}

extern "C" int WINAPI TB_StartCache(HWND table, int kilobytes) {
    TableState* state = table_state_of(table);
    if (!state) return 0;
    return cache_start(&state->cache, kilobytes);
}

extern "C" int WINAPI TB_RefreshCache(HWND table) {
    TableState* state = table_state_of(table);
    if (!state) return 0;
    cache_refresh(&state->cache);
    return 1;
}
