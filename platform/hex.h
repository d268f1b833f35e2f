// Hex digits and hex forms of bytes, for every text form that shows or reads
// bytes as hex.
#pragma once

#include <stddef.h>
#include <stdint.h>

// The value of one hex digit, either case; false for any other character.
bool hex_digit_value(char c, uint8_t* value);

// Two lower-case digits for `byte` at out[0] and out[1]; no NUL.
void put_hex_byte(uint8_t byte, char* out);

// Lower-case digit pairs, a blank between groups of `group` bytes (0: no
// blanks), cut to `text_size` and always terminated.
void format_hex(const uint8_t* bytes, uint32_t length, uint32_t group, char* text, uint32_t text_size);
// The room format_hex needs for the whole text, its NUL included.
uint32_t format_hex_size(uint32_t length, uint32_t group);

// Where blanks may stand among the digits being read.
enum HexBlanks {
    HEX_BLANKS_BETWEEN_PAIRS,  // spaces and tabs, never inside a pair
    HEX_BLANKS_ANYWHERE,       // spaces and tabs, even inside a pair
    HEX_WHITE_SPACE_ANYWHERE,  // any white space, even inside a pair
};

enum HexResult {
    HEX_OK,
    HEX_NOT_A_DIGIT,  // a character that is neither a digit nor an allowed blank
    HEX_SPLIT_PAIR,   // a blank inside a pair
    HEX_ODD_DIGITS,   // the last pair lacks its second digit
    HEX_TOO_LONG,     // more bytes than `capacity`
};

// Reads digit pairs into `bytes` (capacity bytes; null only checks the
// text); *length is the number of bytes read, and *at (when given) the
// offset of the character at fault. Nothing is written past `capacity`.
HexResult parse_hex(const char* text, size_t text_length, HexBlanks blanks, uint8_t* bytes, uint32_t capacity,
                    uint32_t* length, size_t* at);
