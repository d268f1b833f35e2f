// The hourglass while the console waits on the server or the network.
#pragma once

#include <stdint.h>

// Shows the wait cursor for the life of the object. Scopes nest: the
// outermost one restores the cursor it replaced.
struct WaitCursor {
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Runs `work` (returning a status) under the wait cursor; the cursor is back
// before the caller shows anything about the result.
template <typename Work>
uint16_t while_waiting(Work work) {
    WaitCursor wait;
    return work();
}

// How many scopes are open (tests).
unsigned wait_cursor_depth();
