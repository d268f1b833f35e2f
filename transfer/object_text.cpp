#include "transfer/object_text.h"

#include <stdlib.h>
#include <string.h>

bool object_text_add(ObjectText* text, const char* line, uint32_t length) {
    uint64_t needed = (uint64_t)text->used + length + 2;
    if (needed > 0x7FFFFFFFu) return false;
    if (needed > text->capacity) {
        uint64_t capacity = text->capacity ? text->capacity : 4096;
        while (capacity < needed) capacity *= 2;
        char* bytes = (char*)realloc(text->bytes, (size_t)capacity);
        if (!bytes) return false;
        text->bytes = bytes;
        text->capacity = (uint32_t)capacity;
    }
    memcpy(text->bytes + text->used, line, length);
    text->bytes[text->used + length] = '\r';
    text->bytes[text->used + length + 1] = '\n';
    text->used += length + 2;
    return true;
}

void object_text_free(ObjectText* text) {
    free(text->bytes);
    text->bytes = nullptr;
    text->used = 0;
    text->capacity = 0;
}
