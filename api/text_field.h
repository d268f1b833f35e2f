// Bounded copy of a text item into a fixed-width field.
#pragma once

#include <stdint.h>
#include <string.h>

// Copies the text of `value` (up to its first NUL or `length` bytes) into
// `field`, cut to field_size - 1 bytes, and always terminates it.
inline void copy_text_field(char* field, uint32_t field_size, const uint8_t* value, uint32_t length) {
    if (field_size == 0) return;
    uint32_t n = 0;
    while (n < length && n + 1 < field_size && value[n] != 0) ++n;
    memcpy(field, value, n);
    field[n] = 0;
}

inline void copy_text(char* field, uint32_t field_size, const char* text) {
    copy_text_field(field, field_size, (const uint8_t*)text, (uint32_t)strlen(text));
}
