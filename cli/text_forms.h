// The text forms of values on the command line: property bytes as hex, and
// the server's up time as the statistics panel shows it, on one line.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <string>

// Hex digits in pairs, either case; blanks between them are allowed
// ("0a 00 00 01"). An empty text is an empty value.
bool parse_hex_value(const char* text, std::string* bytes, std::string* error);
// Lower-case digit pairs without separators: "0a000001".
std::string format_hex_value(const uint8_t* bytes, size_t length);

// "%lu Days %2.2lu:%2.2lu:%2.2lu": the panel's two lines joined by a blank,
// so 90061 seconds read "1 Days 01:01:01".
std::string format_up_time(uint32_t seconds);
