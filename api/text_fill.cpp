#include "api/text_fill.h"

#include <string.h>

namespace {

const char VERSION_PLACEHOLDER[] = "%2.2d.%2.2d.%2.2d";

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
    const size_t version_length = sizeof VERSION_PLACEHOLDER - 1;
    for (const char* at = text; *at;) {
        size_t placeholder = 0;
        if (strncmp(at, VERSION_PLACEHOLDER, version_length) == 0)
            placeholder = version_length;
        else if (strncmp(at, "%s", 2) == 0)
            placeholder = 2;
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
