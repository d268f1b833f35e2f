// Input and dictionary errors: a box titled "ERROR" with the stop icon,
// owned by the window the caller names.
#pragma once

#include <stdint.h>

void show_error_text(void* owner, const char* text);
void show_error(void* owner, uint16_t string_id);
