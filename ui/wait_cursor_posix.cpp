#include "ui/wait_cursor.h"

// No pointer to change without a window system; the depth is still kept so
// the scopes can be checked.
static unsigned g_depth = 0;

WaitCursor::WaitCursor() { ++g_depth; }
WaitCursor::~WaitCursor() { --g_depth; }
unsigned wait_cursor_depth() { return g_depth; }
