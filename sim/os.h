// File-system services the server needs beyond the C library.
#pragma once

// Renames `from` over `to`, replacing `to` if it exists, in one step.
bool os_replace_file(const char* from, const char* to);
