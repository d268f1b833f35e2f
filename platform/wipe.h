// Clearing buffers that held a password or secret in the clear.
#pragma once

#include <stdint.h>

// Overwrites `size` bytes with zeros in a way the compiler cannot drop as a
// dead store (a plain memset before the buffer goes out of scope may be).
void secret_wipe(void* text, uint32_t size);
