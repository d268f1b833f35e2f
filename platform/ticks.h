// Millisecond tick count since the system started; wraps at 2^32.
#pragma once

#include <stdint.h>

uint32_t tick_count();
void sleep_ms(uint32_t milliseconds);
