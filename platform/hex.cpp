#include "platform/hex.h"

static const char DIGITS[] = "0123456789abcdef";

bool hex_digit_value(char c, uint8_t* value) {
    if (c >= '0' && c <= '9')
        *value = (uint8_t)(c - '0');
    else if (c >= 'a' && c <= 'f')
        *value = (uint8_t)(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F')
        *value = (uint8_t)(c - 'A' + 10);
    else
        return false;
    return true;
}

void put_hex_byte(uint8_t byte, char* out) {
    out[0] = DIGITS[byte >> 4];
    out[1] = DIGITS[byte & 15];
}

uint32_t format_hex_size(uint32_t length, uint32_t group) {
    uint32_t blanks = group && length ? (length - 1) / group : 0;
    return length * 2 + blanks + 1;
}

void format_hex(const uint8_t* bytes, uint32_t length, uint32_t group, char* text, uint32_t text_size) {
    if (text_size == 0) return;
    uint32_t used = 0;
    auto put = [&](char c) {
        if (used + 1 < text_size) text[used++] = c;
    };
    for (uint32_t at = 0; at < length; ++at) {
        if (group && at && at % group == 0) put(' ');
        char pair[2];
        put_hex_byte(bytes[at], pair);
        put(pair[0]);
        put(pair[1]);
    }
    text[used] = 0;
}

static bool is_blank(char c, HexBlanks blanks) {
    if (c == ' ' || c == '\t') return true;
    return blanks == HEX_WHITE_SPACE_ANYWHERE && (c == '\r' || c == '\n' || c == '\v' || c == '\f');
}

HexResult parse_hex(const char* text, size_t text_length, HexBlanks blanks, uint8_t* bytes, uint32_t capacity,
                    uint32_t* length, size_t* at) {
    uint32_t count = 0;
    bool has_high = false;
    uint8_t high = 0;
    HexResult result = HEX_OK;
    size_t i = 0;
    for (; i < text_length; ++i) {
        uint8_t digit;
        if (is_blank(text[i], blanks)) {
            if (has_high && blanks == HEX_BLANKS_BETWEEN_PAIRS) {
                result = HEX_SPLIT_PAIR;
                break;
            }
        } else if (!hex_digit_value(text[i], &digit)) {
            result = HEX_NOT_A_DIGIT;
            break;
        } else if (!has_high) {
            high = digit;
            has_high = true;
        } else if (count == capacity) {
            result = HEX_TOO_LONG;
            break;
        } else {
            if (bytes) bytes[count] = (uint8_t)(high << 4 | digit);
            ++count;
            has_high = false;
        }
    }
    if (result == HEX_OK && has_high) result = HEX_ODD_DIGITS;
    *length = count;
    if (at) *at = i;
    return result;
}
