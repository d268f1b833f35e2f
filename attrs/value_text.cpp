#include "attrs/value_text.h"

#include <stdio.h>
#include <string.h>

#include "platform/hex.h"
#include "platform/resolver.h"

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

void format_hex_string(const uint8_t* bytes, uint32_t length, char* text, uint32_t text_size) {
    format_hex(bytes, length, 4, text, text_size);
}

void format_dotted_address(uint32_t number, char* text, uint32_t text_size) {
    snprintf(text, text_size, "%u.%u.%u.%u", (unsigned)(number >> 24), (unsigned)(number >> 16 & 255),
             (unsigned)(number >> 8 & 255), (unsigned)(number & 255));
}

bool parse_hex_string(const char* text, uint8_t* bytes, uint32_t capacity, uint32_t* length) {
    size_t text_length = strlen(text);
    uint32_t count = 0;
    // Checked whole first: nothing is written unless the text is good.
    if (parse_hex(text, text_length, HEX_WHITE_SPACE_ANYWHERE, nullptr, capacity, &count, nullptr) != HEX_OK ||
        count == 0)
        return false;
    parse_hex(text, text_length, HEX_WHITE_SPACE_ANYWHERE, bytes, capacity, length, nullptr);
    return true;
}

bool parse_hex_number(const char* text, uint32_t* value) {
    size_t length = strlen(text);
    if (length < 1 || length > 8) return false;
    uint32_t result = 0;
    for (size_t i = 0; i < length; ++i) {
        uint8_t digit;
        if (!hex_digit_value(text[i], &digit)) return false;
        result = result << 4 | digit;
    }
    *value = result;
    return true;
}

bool parse_unsigned_number(const char* text, uint32_t* value) {
    if (!*text) return false;
    for (const char* c = text; *c; ++c) {
        if (!is_digit(*c)) return false;
    }
    const uint32_t base = text[0] == '0' ? 8 : 10;
    uint64_t result = 0;
    for (const char* c = text; *c && (uint32_t)(*c - '0') < base; ++c) {
        result = result * base + (uint32_t)(*c - '0');
        if (result > 0xFFFFFFFFull) result = 0x100000000ull;  // saturated; stays above the limit
    }
    *value = result > 0xFFFFFFFFull ? 0xFFFFFFFFu : (uint32_t)result;
    return true;
}

bool parse_dotted_quad(const char* text, uint32_t* number) {
    uint32_t result = 0;
    const char* at = text;
    for (int part = 0; part < 4; ++part) {
        if (part > 0 && *at++ != '.') return false;
        uint32_t value = 0;
        int digits = 0;
        while (is_digit(*at) && digits < 4) {
            value = value * 10 + (uint32_t)(*at++ - '0');
            ++digits;
        }
        if (digits < 1 || digits > 3 || value > 255) return false;
        result = result << 8 | value;
    }
    if (*at) return false;
    *number = result;
    return true;
}

bool parse_dotted_address(const char* text, uint32_t* number) {
    if (parse_dotted_quad(text, number)) return true;
    uint8_t octets[4];
    if (!resolve_host(text, octets)) return false;
    *number = (uint32_t)octets[0] << 24 | (uint32_t)octets[1] << 16 | (uint32_t)octets[2] << 8 | octets[3];
    return true;
}
