// Dates typed as "yyyy/mm/dd hh:mm:ss" and shown the same way.
#include <stdio.h>
#include <string.h>

#include "attrs/value_text.h"
#include "platform/local_time.h"

namespace {

// The next token of `*cursor` between any of `separators`, as the C
// library's strtok finds it: leading separators are skipped and the one
// separator after the token is consumed. Null when none is left.
const char* next_token(char** cursor, const char* separators) {
    char* at = *cursor;
    while (*at && strchr(separators, *at)) ++at;
    if (!*at) {
        *cursor = at;
        return nullptr;
    }
    char* token = at;
    while (*at && !strchr(separators, *at)) ++at;
    if (*at) *at++ = 0;
    *cursor = at;
    return token;
}

// Leading decimal digits; a part without one is 0 (12x is 12).
int32_t leading_number(const char* token) {
    int32_t value = 0;
    for (; *token >= '0' && *token <= '9'; ++token) {
        value = value * 10 + (*token - '0');
        if (value > 99999) return 99999;  // out of every range below, and no overflow
    }
    return value;
}

enum PartResult { PART_ABSENT, PART_OK, PART_OUT_OF_RANGE };

PartResult read_part(char** cursor, const char* separators, int32_t low, int32_t high, int32_t* out) {
    const char* token = next_token(cursor, separators);
    if (!token) return PART_ABSENT;
    *out = leading_number(token);
    return *out >= low && *out <= high ? PART_OK : PART_OUT_OF_RANGE;
}

}  // namespace

bool parse_date(const char* text, uint32_t* seconds) {
    size_t length = strlen(text);
    if (length < 1 || length > 31) return false;
    char copy[32];
    memcpy(copy, text, length + 1);
    char* cursor = copy;

    CivilTime local = {0, 0, 0, 0, 0, 0};
    const char* DATE_SEPARATORS = " /\\";
    if (read_part(&cursor, DATE_SEPARATORS, 1970, 2036, &local.year) != PART_OK) return false;
    if (read_part(&cursor, DATE_SEPARATORS, 1, 12, &local.month) != PART_OK) return false;
    if (read_part(&cursor, DATE_SEPARATORS, 1, 31, &local.day) != PART_OK) return false;

    // The time is optional; each missing part is 0, and nothing may follow the seconds.
    PartResult part = read_part(&cursor, " :", 0, 23, &local.hour);
    if (part == PART_OK) part = read_part(&cursor, " :", 0, 59, &local.minute);
    if (part == PART_OK) part = read_part(&cursor, " :", 0, 59, &local.second);
    if (part == PART_OUT_OF_RANGE) return false;
    if (part == PART_OK && next_token(&cursor, " ")) return false;
    return local_standard_to_utc(local, seconds);
}

bool format_date(uint32_t seconds, char* text, uint32_t text_size) {
    CivilTime local;
    if (!utc_to_local(seconds, &local)) {
        if (text_size) text[0] = 0;
        return false;
    }
    snprintf(text, text_size, "%u/%u/%u %2.2u:%2.2u:%2.2u", (unsigned)local.year, (unsigned)local.month,
             (unsigned)local.day, (unsigned)local.hour, (unsigned)local.minute, (unsigned)local.second);
    return true;
}
