#include "transfer/users_file_input.h"

#include <string.h>

namespace {

int next_char(UsersFileInput* input) {
    if (input->file) return getc(input->file);
    return input->at < input->size ? input->bytes[input->at++] : EOF;
}

}  // namespace

void users_input_from_file(UsersFileInput* input, FILE* file) {
    memset(input, 0, sizeof *input);
    input->file = file;
}

void users_input_from_memory(UsersFileInput* input, const uint8_t* bytes, size_t size) {
    memset(input, 0, sizeof *input);
    input->bytes = bytes;
    input->size = size;
}

void users_input_rewind(UsersFileInput* input) {
    if (input->file) rewind(input->file);
    input->at = 0;
    input->line = 0;
}

UsersInputMark users_input_mark(UsersFileInput* input) {
    return {input->file ? ftell(input->file) : (long)input->at, input->line};
}

bool users_input_seek(UsersFileInput* input, const UsersInputMark& mark) {
    if (mark.position < 0) return false;
    if (input->file) {
        if (fseek(input->file, mark.position, SEEK_SET) != 0) return false;
    } else {
        if ((size_t)mark.position > input->size) return false;
        input->at = (size_t)mark.position;
    }
    input->line = mark.line;
    return true;
}

UsersLineRead users_input_line(UsersFileInput* input, char line[USERS_LINE_SIZE]) {
    uint32_t length = 0;
    bool too_long = false;
    int c = next_char(input);
    if (c == EOF) {
        line[0] = 0;
        return USERS_LINE_END;
    }
    for (; c != EOF && c != '\n'; c = next_char(input)) {
        if (length < USERS_LINE_LIMIT)
            line[length++] = (char)c;
        else
            too_long = true;
    }
    if (length > 0 && line[length - 1] == '\r' && !too_long) --length;
    line[length] = 0;
    ++input->line;
    return too_long ? USERS_LINE_TOO_LONG : USERS_LINE_OK;
}

bool users_input_peek(UsersFileInput* input, int* first) {
    if (!input->file) {
        *first = input->at < input->size ? input->bytes[input->at] : EOF;
        return true;
    }
    *first = getc(input->file);
    return *first == EOF || ungetc(*first, input->file) != EOF;
}
