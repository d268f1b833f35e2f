// Dragging a row from one table to another, and files dropped from the shell.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "grid/grid_win32.h"
#include "grid/keelgrid32_win32.h"

namespace {

// A table that takes drops under the screen point, or null.
HWND accepting_table_at(POINT screen) {
    HWND window = WindowFromPoint(screen);
    char name[32];
    if (!window || !GetClassNameA(window, name, sizeof name) || strncmp(name, "TBLGR", 5) != 0) return nullptr;
    return SendMessageA(window, TB_DROP_QUERY_MESSAGE, 0, 0) ? window : nullptr;
}

POINT screen_point(HWND window, LPARAM client_point) {
    POINT at = {(short)LOWORD(client_point), (short)HIWORD(client_point)};
    ClientToScreen(window, &at);
    return at;
}

void send_drop(TableState* target, POINT client, intptr_t value, void* data, const char* first) {
    int32_t column, row;
    table_hit_test(*target, client.x, client.y, &column, &row);
    GridGlobals& g = grid_globals();
    snprintf(g.text, sizeof g.text, "%s", first ? first : "");
    g.notify.column = column;
    g.notify.row = row;
    g.notify.value = value;
    g.notify.extra = (intptr_t)data;
    table_notify(target, TBN_DROP);
}

}  // namespace

// Runs its own loop until the left button is released (or Escape is
// pressed, which cancels); other messages are dispatched as usual.
extern "C" int WINAPI TB_DragStart(HWND source, HCURSOR cursor, char** data, int value) {
    if (!source || !IsWindow(source)) return 0;
    HCURSOR no_drop = LoadCursor(nullptr, IDC_NO);
    HCURSOR before = SetCursor(cursor);
    SetCapture(source);
    int result = 0;
    for (;;) {
        MSG message;
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
            if (message.message == WM_QUIT) PostQuitMessage((int)message.wParam);
            break;
        }
        if (message.message == WM_MOUSEMOVE && message.hwnd == source) {
            SetCursor(accepting_table_at(screen_point(source, message.lParam)) ? cursor : no_drop);
            continue;
        }
        if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) break;
        if (message.message == WM_LBUTTONUP && message.hwnd == source) {
            POINT at = screen_point(source, message.lParam);
            HWND target = accepting_table_at(at);
            TableState* state = table_state_of(target);
            if (state) {
                SetCursor(before);
                ReleaseCapture();
                ScreenToClient(target, &at);
                send_drop(state, at, value, data, data ? data[0] : nullptr);
                return 1;
            }
            break;
        }
        if (message.message == WM_CAPTURECHANGED) break;
        TranslateMessage(&message);
        DispatchMessageA(&message);
        if (GetCapture() != source) break;
    }
    SetCursor(before);
    if (GetCapture() == source) ReleaseCapture();
    return result;
}

void table_dropped_files(TableState* state, HDROP drop) {
    UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    // One buffer for the names and an array of pointers into it.
    size_t total = 0;
    for (UINT i = 0; i < count; ++i) total += DragQueryFileA(drop, i, nullptr, 0) + 1;
    char* names = (char*)malloc(total + 1);
    char** list = (char**)calloc((size_t)count + 1, sizeof(char*));
    if (names && list && count > 0) {
        size_t at = 0;
        for (UINT i = 0; i < count; ++i) {
            UINT length = DragQueryFileA(drop, i, names + at, (UINT)(total + 1 - at));
            list[i] = names + at;
            at += length + 1;
        }
        POINT point = {0, 0};
        DragQueryPoint(drop, &point);
        send_drop(state, point, (intptr_t)count, list, list[0]);
    }
    free(list);
    free(names);
    DragFinish(drop);
}
