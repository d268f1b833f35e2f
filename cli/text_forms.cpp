#include "cli/text_forms.h"

#include <stdio.h>
#include <string.h>

#include "platform/hex.h"
#include "stats/statistics_panel.h"

bool parse_hex_value(const char* text, std::string* bytes, std::string* error) {
    size_t text_length = strlen(text);
    std::string read(text_length / 2, '\0');
    uint32_t length = 0;
    size_t at = 0;
    HexResult result =
        parse_hex(text, text_length, HEX_BLANKS_BETWEEN_PAIRS, (uint8_t*)&read[0], (uint32_t)read.size(), &length, &at);
    bytes->assign(read, 0, length);
    switch (result) {
        case HEX_OK: return true;
        case HEX_SPLIT_PAIR: *error = "a blank splits a pair of hex digits"; break;
        case HEX_NOT_A_DIGIT: *error = std::string("\"") + text[at] + "\" is not a hex digit"; break;
        default: *error = "hex digits come in pairs"; break;
    }
    return false;
}

std::string format_hex_value(const uint8_t* bytes, size_t length) {
    uint32_t size = format_hex_size((uint32_t)length, 0);
    std::string text(size, '\0');
    format_hex(bytes, (uint32_t)length, 0, &text[0], size);
    text.resize(size - 1);
    return text;
}

std::string format_up_time(uint32_t seconds) {
    char text[48];
    format_up_time_separated(seconds, ' ', text, sizeof text);
    return text;
}
