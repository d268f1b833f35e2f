// The lines of one object gathered before any of them is written, so an
// object goes into the file whole or not at all. One buffer serves every
// object of a run; it grows to the largest object and no further.
#pragma once

#include <stdint.h>

struct ObjectText {
    char* bytes;
    uint32_t used;
    uint32_t capacity;
};

// Appends `text` and CR LF; false when memory runs out.
bool object_text_add(ObjectText* text, const char* line, uint32_t length);
inline void object_text_clear(ObjectText* text) { text->used = 0; }
void object_text_free(ObjectText* text);
