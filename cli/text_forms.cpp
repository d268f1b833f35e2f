#include "cli/text_forms.h"

#include <stdio.h>

static int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool parse_hex_value(const char* text, std::string* bytes, std::string* error) {
    bytes->clear();
    int high = -1;
    for (const char* at = text; *at; ++at) {
        if (*at == ' ' || *at == '\t') {
            if (high >= 0) {
                *error = "a blank splits a pair of hex digits";
                return false;
            }
            continue;
        }
        int digit = hex_digit(*at);
        if (digit < 0) {
            *error = std::string("\"") + *at + "\" is not a hex digit";
            return false;
        }
        if (high < 0) {
            high = digit;
        } else {
            bytes->push_back((char)(high << 4 | digit));
            high = -1;
        }
    }
    if (high >= 0) {
        *error = "hex digits come in pairs";
        return false;
    }
    return true;
}

std::string format_hex_value(const uint8_t* bytes, size_t length) {
    static const char DIGITS[] = "0123456789abcdef";
    std::string text;
    text.reserve(length * 2);
    for (size_t i = 0; i < length; ++i) {
        text += DIGITS[bytes[i] >> 4];
        text += DIGITS[bytes[i] & 0x0F];
    }
    return text;
}

std::string format_up_time(uint32_t seconds) {
    unsigned long days = seconds / 86400;
    unsigned long rest = seconds % 86400;
    char text[48];
    snprintf(text, sizeof text, "%lu Days %2.2lu:%2.2lu:%2.2lu", days, rest / 3600, rest % 3600 / 60, rest % 60);
    return text;
}
