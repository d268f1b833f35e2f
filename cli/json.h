// JSON output for scripts. Names are 8-bit texts in the server's code page,
// not UTF-8: every byte from 0x80 up is written as \u0080..\u00FF (and
// control bytes as escapes), so the output is plain ASCII, always valid, and
// a reader recovers the exact bytes by taking each code point as one byte.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <string>
#include <vector>

// Appends `bytes` as a quoted JSON string.
void json_quote(std::string* out, const char* bytes, size_t length);

// A writer that places the commas: the elements of the outermost array or
// object go one per line, everything inside them on that line.
struct JsonWriter {
    std::string text;
    std::vector<bool> first;  // per open container: nothing in it yet
    bool after_key = false;
};

void json_begin_array(JsonWriter* writer);
void json_end_array(JsonWriter* writer);
void json_begin_object(JsonWriter* writer);
void json_end_object(JsonWriter* writer);
void json_key(JsonWriter* writer, const char* key);
void json_string(JsonWriter* writer, const char* bytes, size_t length);
void json_string(JsonWriter* writer, const char* text);
void json_number(JsonWriter* writer, uint32_t value);
void json_bool(JsonWriter* writer, bool value);
void json_null(JsonWriter* writer);
// The finished document with its final newline.
std::string json_finish(JsonWriter* writer);
