#include <stdio.h>
#include <string.h>

#include "platform/terminal.h"
#include "platform/wipe.h"

bool read_input_line(char* text, uint32_t text_size) {
    if (text_size == 0) return false;
    text[0] = '\0';
    if (!fgets(text, (int)text_size, stdin)) return false;
    size_t length = strlen(text);
    const bool whole = length > 0 && text[length - 1] == '\n';
    while (length > 0 && (text[length - 1] == '\n' || text[length - 1] == '\r')) text[--length] = '\0';
    // A line longer than the field: the rest is read and dropped, not taken
    // for the next answer.
    if (!whole) {
        char rest[64];
        while (fgets(rest, sizeof rest, stdin) && !strchr(rest, '\n')) {}
        secret_wipe(rest, sizeof rest);
    }
    return true;
}
