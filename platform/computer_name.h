// This computer's name, as the server's pipe is addressed remotely.
#pragma once

#include <stdint.h>

// Fills `name` (NUL-terminated, upper-case on Windows as NetBIOS names are).
// Returns false when the name cannot be read.
bool computer_name(char* name, uint32_t name_size);
