// The main window's title.
#pragma once

#include <stdint.h>

// "Keelgate Access Control Administrator" alone, or followed by " (SERVER)"
// while connected. `out` is always NUL-terminated.
void format_window_title(const char* server, char* out, uint32_t out_size);
