#include <stdio.h>
#include <string.h>

#include "grid/grid_win32.h"

namespace {
GridGlobals g_grid = {};
}

GridGlobals& grid_globals() {
    g_grid.notify.text = g_grid.text;
    return g_grid;
}

TableState* table_state_of(HWND table) {
    if (!table || !IsWindow(table)) return nullptr;
    if (GetWindowLongA(table, GWL_STYLE) & TBS_HEADING) return nullptr;
    char name[16];
    if (!GetClassNameA(table, name, sizeof name) || strcmp(name, "TBLGR3220") != 0) return nullptr;
    return (TableState*)GetWindowLongPtrA(table, TABLE_EXTRA_STATE);
}

HWND table_window(const TableState& state) { return (HWND)state.self; }

LRESULT send_notify(HWND sender, int id, HWND target, uint32_t code) {
    GridGlobals& g = grid_globals();
    g.notify.code = (int32_t)code;
    if (!target || !IsWindow(target)) return 0;
    return SendMessageA(target, WM_COMMAND, MAKEWPARAM(id, code), (LPARAM)sender);
}

LRESULT table_notify(TableState* state, uint32_t code) {
    return send_notify(table_window(*state), state->control_id, (HWND)state->notify_window, code);
}

LRESULT table_notify_cell(TableState* state, uint32_t code, int32_t column, int32_t row, intptr_t extra) {
    TableNotify& n = grid_globals().notify;
    n.column = column;
    n.row = row;
    n.value = state->key_state;
    n.extra = extra;
    return table_notify(state, code);
}

void table_ask_cell(TableState* state, HDC dc, int32_t column, int32_t row, const RECT& cell, bool highlighted) {
    GridGlobals& g = grid_globals();
    TableNotify& n = g.notify;
    n.column = column;
    n.row = row;
    n.value = highlighted ? 1 : 0;
    n.extra = 0;
    n.text_colour = highlighted ? GetSysColor(COLOR_HIGHLIGHTTEXT) : state->text_colour;
    n.background_colour = highlighted ? GetSysColor(COLOR_HIGHLIGHT) : state->background_colour;
    n.alignment = ALIGN_LEFT;
    g.text[0] = 0;
    n.decorations = 0;
    n.bitmap = nullptr;
    n.owner_drawn = 0;
    n.dc = dc;
    n.left = cell.left, n.top = cell.top, n.right = cell.right, n.bottom = cell.bottom;
    CachedCell cached;
    if (cache_find(state->cache, row, column, &cached)) {
        snprintf(g.text, sizeof g.text, "%s", cached.text);
        n.alignment = cached.alignment;
        n.decorations = cached.decorations;
        // GDI handles keep only their low 32 bits significant.
        n.bitmap = (void*)(intptr_t)(int32_t)cached.bitmap;
        if (!highlighted) n.text_colour = cached.text_colour, n.background_colour = cached.background_colour;
        n.extra = 1;
        table_notify(state, TBN_GETTEXT);
        g.text[NOTIFY_TEXT_SIZE - 1] = 0;
        return;
    }
    table_notify(state, TBN_GETTEXT);
    g.text[NOTIFY_TEXT_SIZE - 1] = 0;
    if (!state->cache.on || n.owner_drawn || highlighted) return;
    CachedCell answer{};
    answer.text_colour = n.text_colour;
    answer.background_colour = n.background_colour;
    answer.alignment = n.alignment;
    answer.decorations = n.decorations;
    answer.bitmap = (uint32_t)(uintptr_t)n.bitmap;
    snprintf(answer.text, sizeof answer.text, "%s", g.text);
    cache_store(&state->cache, row, column, answer);
}
