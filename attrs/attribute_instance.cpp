#include "attrs/attribute_instance.h"

#include <string.h>

uint32_t value_number(const AttributeInstance& instance, uint32_t width, uint32_t offset) {
    uint32_t value = 0;
    for (uint32_t i = width; i-- > 0;) {
        uint32_t at = offset + i;
        value = value << 8 | (at < instance.length ? instance.data[at] : 0u);
    }
    return value;
}

void value_text(const AttributeInstance& instance, uint32_t offset, char* text, uint32_t text_size) {
    if (text_size == 0) return;
    uint32_t n = 0;
    while (offset + n < instance.length && n + 1 < text_size && instance.data[offset + n] != 0) ++n;
    if (n) memcpy(text, instance.data + offset, n);
    text[n] = 0;
}
