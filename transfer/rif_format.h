// The lines of a ".rif" file: the version line, class lines, object lines
// and property lines, in text ("=") or hexadecimal ("^=") form, and the
// attribute lines of users and profiles with their text forms. Lines are
// built into a caller's buffer without their CR LF.
#pragma once

#include <stdint.h>

#include "attrs/attribute_instance.h"

// The longest value a line carries: readers hold a line of 611 characters.
const uint32_t RIF_VALUE_LIMIT = 256;
// Room for any line: an attribute header, a long property name and 512 digits.
const uint32_t RIF_LINE_SIZE = 1024;

// The bytes a number of an integer type (1, 11 to 15, 19) is stored in,
// and read back in from its text.
uint32_t rif_number_width(uint16_t type);

// The class as a class line names it: "++b-Native-User" becomes
// "Native-User"; names without "++" stay as they are.
const char* rif_class_text(const char* cls);

// The text form of a plain property value: its bytes up to the first NUL,
// when that text says all the value holds (no bytes after a NUL but one
// final NUL) and fits on one line (no CR or LF). False: the value is
// written in hexadecimal.
bool rif_plain_text(const uint8_t* bytes, uint32_t length, char* text, uint32_t text_size);

// "    NAME=TEXT" or "    NAME^=HEX" (upper-case digit pairs). False when
// the line does not fit `line_size`.
bool rif_text_line(const char* name, const char* text, char* line, uint32_t line_size);
bool rif_hex_line(const char* name, const uint8_t* bytes, uint32_t length, char* line, uint32_t line_size);

// The text form of an attribute instance read and checked against the
// dictionary, or false when it is written in hexadecimal: echo instances,
// numbers without a name, long values, types without a text form, and any
// value whose text would not read back as the same bytes.
bool rif_attribute_text(const AttributeInstance& instance, char* text, uint32_t text_size);

// "    PROPERTY [[[word2 flags type]]]=TEXT", or "^=" and `data` (the whole
// stored record data, `length` bytes) when the instance has no text form.
bool rif_attribute_line(const char* property, const AttributeInstance& instance, const uint8_t* data, uint32_t length,
                        char* line, uint32_t line_size);
