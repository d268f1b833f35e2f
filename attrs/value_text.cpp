#include "attrs/value_text.h"

#include <stdio.h>
#include <string.h>

#include "platform/resolver.h"

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool is_space(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

}  // namespace

void format_hex_string(const uint8_t* bytes, uint32_t length, char* text, uint32_t text_size) {
    if (text_size == 0) return;
    static const char DIGITS[] = "0123456789abcdef";
    uint32_t used = 0;
    auto put = [&](char c) {
        if (used + 1 < text_size) text[used++] = c;
    };
    uint32_t at = 0;
    while (length - at > 4) {
        for (uint32_t i = 0; i < 4; ++i, ++at) {
            put(DIGITS[bytes[at] >> 4]);
            put(DIGITS[bytes[at] & 15]);
        }
        put(' ');
    }
    for (; at < length; ++at) {
        put(DIGITS[bytes[at] >> 4]);
        put(DIGITS[bytes[at] & 15]);
    }
    text[used] = 0;
}

void format_dotted_address(uint32_t number, char* text, uint32_t text_size) {
    snprintf(text, text_size, "%u.%u.%u.%u", (unsigned)(number >> 24), (unsigned)(number >> 16 & 255),
             (unsigned)(number >> 8 & 255), (unsigned)(number & 255));
}

bool parse_hex_string(const char* text, uint8_t* bytes, uint32_t capacity, uint32_t* length) {
    uint32_t digits = 0;
    for (const char* c = text; *c; ++c) {
        if (hex_digit(*c) >= 0)
            ++digits;
        else if (!is_space(*c))
            return false;
    }
    if (digits == 0 || digits % 2 != 0 || digits / 2 > capacity) return false;
    uint32_t count = 0;
    int high = -1;
    for (const char* c = text; *c; ++c) {
        int value = hex_digit(*c);
        if (value < 0) continue;
        if (high < 0) {
            high = value;
        } else {
            bytes[count++] = (uint8_t)(high << 4 | value);
            high = -1;
        }
    }
    *length = count;
    return true;
}

bool parse_hex_number(const char* text, uint32_t* value) {
    size_t length = strlen(text);
    if (length < 1 || length > 8) return false;
    uint32_t result = 0;
    for (size_t i = 0; i < length; ++i) {
        int digit = hex_digit(text[i]);
        if (digit < 0) return false;
        result = result << 4 | (uint32_t)digit;
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
