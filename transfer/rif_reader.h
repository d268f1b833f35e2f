// Reading a ".rif" file: lines through a 256-byte buffer (CR, LF and CR LF
// all end a line; empty lines are skipped), each line's level from its
// indentation against the lines before it, and its split into a name and a
// text or hexadecimal value. Nothing here touches the database.
#pragma once

#include <stdint.h>
#include <stdio.h>

// The characters a line may have; a longer line is reported, never cut.
const uint32_t RIF_LINE_LIMIT = 611;
const uint32_t RIF_READ_SIZE = 256;
// Deepest level held: 0 class, 1 object, 2 property, 3 held but meaningless.
const uint32_t RIF_LEVELS = 4;

// Fills `bytes` with up to `size` bytes; 0 at the end or on a failure.
typedef uint32_t (*RifRead)(void* context, uint8_t* bytes, uint32_t size);
// A RifRead over a FILE* given as context.
uint32_t rif_read_file(void* context, uint8_t* bytes, uint32_t size);

struct RifReader {
    RifRead read;
    void* context;
    uint8_t buffer[RIF_READ_SIZE];
    uint32_t filled;
    uint32_t at;
    bool ended;
    bool after_cr;         // the last byte was CR: an LF right after it ends no further line
    uint32_t next_number;  // the number of the line the next character belongs to
    // The current line: its first 611 characters, terminated, and its
    // number as an editor counts lines (from 1, any line ending).
    char text[RIF_LINE_LIMIT + 1];
    uint32_t length;
    uint32_t number;
    bool too_long;  // more than RIF_LINE_LIMIT characters stood on it
};

void rif_reader_start(RifReader* reader, RifRead read, void* context);
// The next line that is not empty; false at the end of the input.
bool rif_next_line(RifReader* reader);

struct RifLevels {
    uint32_t indent[RIF_LEVELS];
    uint32_t depth;  // the level of the last line taken
};

void rif_levels_start(RifLevels* levels);
// The level of a line indented by `indent` spaces: deeper than the current
// level opens the next one; less goes down while it is less than the
// level's own indentation. -1 for a line below the deepest level held.
int rif_level_of(RifLevels* levels, uint32_t indent);

// One line taken apart. `name` and `text` point into the line; a hex value
// is decoded into `bytes`.
struct RifLine {
    uint32_t indent;
    const char* name;  // after the indentation, up to the first "=" (and "^")
    uint32_t name_length;
    bool has_value;
    bool hex;          // "^=": the value is `bytes`
    const char* text;  // "=": the value is the text after it (NUL-terminated in the line)
    uint32_t text_length;
    uint8_t bytes[RIF_LINE_LIMIT / 2 + 1];
    uint32_t byte_count;
};

// Splits `text` (NUL-terminated, `length` characters). Hex digit pairs, in
// either case, are decoded up to the first character that is not a digit;
// an odd digit left at the end is dropped.
void rif_split_line(const char* text, uint32_t length, RifLine* line);
// Only blanks on the line: it names nothing and is passed over like an empty one.
bool rif_blank_line(const char* text, uint32_t length);
