#include "platform/ticks.h"

#include <windows.h>

uint32_t tick_count() { return GetTickCount(); }

void sleep_ms(uint32_t milliseconds) { Sleep(milliseconds); }
