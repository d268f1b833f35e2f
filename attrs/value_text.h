// Text forms of values, shared by the value editor, the report, export and
// import. Parsers take the text as given (no trimming) and write their
// output only on success.
#pragma once

#include <stdint.h>

// Groups of 8 lower-case hex digits for each 4 bytes while more than 4
// remain, a space after each group, then 2 digits for each of the last 1 to
// 4 bytes: 01020304 05060708. Cut to `text_size`, always terminated.
void format_hex_string(const uint8_t* bytes, uint32_t length, char* text, uint32_t text_size);
// a.b.c.d of the number a*2^24 + b*2^16 + c*2^8 + d.
void format_dotted_address(uint32_t number, char* text, uint32_t text_size);
// Local time as 1997/3/5 08:04:00; false when the moment cannot be converted.
bool format_date(uint32_t seconds, char* text, uint32_t text_size);

// Hex digits and white space only; an even, nonzero number of digits, each
// two making one byte. False also when the bytes exceed `capacity`.
bool parse_hex_string(const char* text, uint8_t* bytes, uint32_t capacity, uint32_t* length);
// 1 to 8 hex digits, nothing else.
bool parse_hex_number(const char* text, uint32_t* value);
// Decimal digits only (at least one), read with the C library's automatic
// base: a leading 0 makes the rest octal, reading stops at the first digit
// the base lacks (09 is 0), and values beyond 4294967295 become 4294967295.
bool parse_unsigned_number(const char* text, uint32_t* value);
// Exactly three dots and four parts of 1 to 3 digits, each 0 to 255.
bool parse_dotted_quad(const char* text, uint32_t* number);
// A dotted quad, or else a host name looked up through the platform's resolver.
bool parse_dotted_address(const char* text, uint32_t* number);
// "yyyy/mm/dd [hh[:mm[:ss]]]" in local standard time, 1970 to 2036, to
// seconds since 1970-01-01 00:00:00 UTC.
bool parse_date(const char* text, uint32_t* seconds);
