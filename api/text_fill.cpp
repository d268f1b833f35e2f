#include "api/text_fill.h"

#include <string.h>

namespace {

// Placeholders whose values come formatted already.
const char* const PLACEHOLDERS[] = {"%2.2d.%2.2d.%2.2d", "%04X", "%s"};

size_t placeholder_at(const char* at) {
    for (const char* placeholder : PLACEHOLDERS) {
        size_t length = strlen(placeholder);
        if (strncmp(at, placeholder, length) == 0) return length;
    }
    return 0;
}

struct Writer {
    char* out;
    uint32_t room;  // bytes left for text, the NUL excluded
    uint32_t used;

    void append(const char* text, size_t length) {
        if (length > room) length = room;
        memcpy(out + used, text, length);
        used += (uint32_t)length;
        room -= (uint32_t)length;
    }
};

}  // namespace

void fill_text(char* out, uint32_t out_size, const char* text, const char* const* values, uint32_t count) {
    if (out_size == 0) return;
    Writer writer = {out, out_size - 1, 0};
    uint32_t next = 0;
    for (const char* at = text; *at;) {
        size_t placeholder = placeholder_at(at);
        if (placeholder && next < count) {
            const char* value = values[next] ? values[next] : "";
            ++next;
            writer.append(value, strlen(value));
            at += placeholder;
        } else {
            writer.append(at, 1);
            ++at;
        }
    }
    out[writer.used] = 0;
}
