#include "ui/wait_cursor.h"

#include <windows.h>

namespace {

struct WaitCursorState {
    unsigned depth;
    HCURSOR replaced;
};

WaitCursorState g_wait = {};

}  // namespace

WaitCursor::WaitCursor() {
    if (g_wait.depth++ == 0) g_wait.replaced = SetCursor(LoadCursor(nullptr, IDC_WAIT));
}

WaitCursor::~WaitCursor() {
    if (--g_wait.depth == 0) SetCursor(g_wait.replaced);
}

unsigned wait_cursor_depth() { return g_wait.depth; }
