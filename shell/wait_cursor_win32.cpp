#include "shell/wait_cursor.h"

#include <windows.h>

namespace {

struct WaitCursorState {
    bool shown;
    HCURSOR replaced;
};

WaitCursorState g_wait = {};

}  // namespace

void begin_wait_cursor() {
    if (g_wait.shown) return;
    g_wait.replaced = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    g_wait.shown = true;
}

void end_wait_cursor() {
    if (!g_wait.shown) return;
    SetCursor(g_wait.replaced);
    g_wait = WaitCursorState();
}
