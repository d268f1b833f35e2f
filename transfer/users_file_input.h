// The lines of a users file, one at a time, from an open file or from
// memory. A line ends at LF; a CR before it is dropped, and a last line
// without LF is a line too.
#pragma once

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>

const uint32_t USERS_LINE_LIMIT = 4095;  // characters a line may have
const uint32_t USERS_LINE_SIZE = USERS_LINE_LIMIT + 1;

struct UsersFileInput {
    FILE* file;  // null: read from `bytes`
    const uint8_t* bytes;
    size_t size;
    size_t at;
    uint32_t line;  // number of the line read last; 0 before the first
};

void users_input_from_file(UsersFileInput* input, FILE* file);
void users_input_from_memory(UsersFileInput* input, const uint8_t* bytes, size_t size);
// Back to the first line (each phase of an import reads the file from its start).
void users_input_rewind(UsersFileInput* input);
// Where the reading stands, to read the same lines again from there.
struct UsersInputMark {
    long position;
    uint32_t line;
};
UsersInputMark users_input_mark(UsersFileInput* input);
// False when the file cannot be positioned there.
bool users_input_seek(UsersFileInput* input, const UsersInputMark& mark);

enum UsersLineRead { USERS_LINE_OK, USERS_LINE_TOO_LONG, USERS_LINE_END };
// The next line into `line`, terminated. A longer line keeps its first
// 4095 characters; the rest of it is read and dropped.
UsersLineRead users_input_line(UsersFileInput* input, char line[USERS_LINE_SIZE]);
// The first character of the next line, left in place: EOF at the end of
// the input. False when the character could not be put back.
bool users_input_peek(UsersFileInput* input, int* first);
