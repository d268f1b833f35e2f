// Lexical rules shared by fixtures and dictionary files: one statement per
// line, tokens separated by blanks, '#' starting a comment line. A token is a
// run of bare characters and double-quoted parts (escapes \\ \" \n \r \t
// \xHH), so `user="J Smith"` is one token.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <string>
#include <vector>

struct FixtureLine {
    uint32_t number = 0;  // 1-based line number, for messages
    std::vector<std::string> tokens;
};

// Splits `text` into its statements, skipping blank and comment lines. False
// with a message naming the line when a quote is unterminated or an escape is
// unknown.
bool lex_fixture(const char* text, size_t length, std::vector<FixtureLine>* lines, std::string* error);

// Decimal or 0x-hexadecimal, no sign, no trailing characters, at most `max`.
bool parse_number(const std::string& token, uint32_t max, uint32_t* value);

// Appends `bytes` as a quoted token that lexes back to exactly the same bytes.
void append_quoted(std::string* out, const std::string& bytes);

// Reads a whole file; false when it cannot be opened or read.
bool read_file_bytes(const char* path, std::string* content);
