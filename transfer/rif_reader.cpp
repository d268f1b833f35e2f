#include "transfer/rif_reader.h"

#include <string.h>

#include "platform/hex.h"

uint32_t rif_read_file(void* context, uint8_t* bytes, uint32_t size) {
    return (uint32_t)fread(bytes, 1, size, (FILE*)context);
}

void rif_reader_start(RifReader* reader, RifRead read, void* context) {
    memset(reader, 0, sizeof *reader);
    reader->read = read;
    reader->context = context;
    reader->next_number = 1;
}

namespace {

// The next byte, or -1 at the end of the input.
int next_byte(RifReader* reader) {
    if (reader->at == reader->filled) {
        if (reader->ended) return -1;
        reader->filled = reader->read(reader->context, reader->buffer, RIF_READ_SIZE);
        reader->at = 0;
        if (reader->filled == 0) {
            reader->ended = true;
            return -1;
        }
    }
    return reader->buffer[reader->at++];
}

}  // namespace

bool rif_next_line(RifReader* reader) {
    for (;;) {
        reader->length = 0;
        reader->too_long = false;
        reader->number = reader->next_number;
        int c = next_byte(reader);
        while (c >= 0 && c != '\r' && c != '\n') {
            reader->after_cr = false;
            if (reader->length < RIF_LINE_LIMIT)
                reader->text[reader->length++] = (char)c;
            else
                reader->too_long = true;
            c = next_byte(reader);
        }
        reader->text[reader->length] = 0;
        if (c == '\r') {
            ++reader->next_number;
            reader->after_cr = true;
        } else if (c == '\n') {
            // The LF of a CR LF ends the line the CR already ended.
            if (!reader->after_cr) ++reader->next_number;
            reader->after_cr = false;
        }
        if (reader->length > 0) return true;
        if (c < 0) return false;
    }
}

void rif_levels_start(RifLevels* levels) { memset(levels, 0, sizeof *levels); }

int rif_level_of(RifLevels* levels, uint32_t indent) {
    uint32_t depth = levels->depth;
    if (indent > levels->indent[depth]) {
        if (depth + 1 >= RIF_LEVELS) return -1;
        levels->depth = depth + 1;
        levels->indent[depth + 1] = indent;
        return (int)(depth + 1);
    }
    while (depth > 0 && indent < levels->indent[depth]) --depth;
    levels->depth = depth;
    return (int)depth;
}

bool rif_blank_line(const char* text, uint32_t length) {
    for (uint32_t i = 0; i < length; ++i)
        if (text[i] != ' ') return false;
    return true;
}

void rif_split_line(const char* text, uint32_t length, RifLine* line) {
    uint32_t at = 0;
    while (at < length && text[at] == ' ') ++at;
    line->indent = at;
    line->name = text + at;
    line->has_value = false;
    line->hex = false;
    line->text = text + length;
    line->text_length = 0;
    line->byte_count = 0;
    const char* equals = (const char*)memchr(text + at, '=', length - at);
    if (!equals) {
        line->name_length = length - at;
        return;
    }
    line->has_value = true;
    line->name_length = (uint32_t)(equals - line->name);
    line->text = equals + 1;
    line->text_length = (uint32_t)(text + length - line->text);
    if (line->name_length == 0 || line->name[line->name_length - 1] != '^') return;
    line->hex = true;
    --line->name_length;
    uint8_t high = 0, low = 0;
    for (uint32_t i = 0; i + 1 < line->text_length; i += 2) {
        if (!hex_digit_value(line->text[i], &high) || !hex_digit_value(line->text[i + 1], &low)) break;
        line->bytes[line->byte_count++] = (uint8_t)(high << 4 | low);
    }
}
