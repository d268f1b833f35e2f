// Any bytes as a ".rif" file: read line by line through the 256-byte
// buffer, each line's level taken, the line split and, when it is an
// attribute line, its value read with and without a dictionary. Nothing
// may crash or read or write outside the line; lines stay within 611
// characters and every level within the four held.
#include <stdint.h>
#include <string.h>

#include <initializer_list>

#include "attrs/dictionary.h"
#include "transfer/rif_attribute_read.h"
#include "transfer/rif_reader.h"

namespace {

struct Input {
    const uint8_t* data;
    size_t size;
    size_t at;
};

uint32_t read_input(void* context, uint8_t* bytes, uint32_t size) {
    Input* input = (Input*)context;
    size_t n = input->size - input->at < size ? input->size - input->at : size;
    memcpy(bytes, input->data + input->at, n);
    input->at += n;
    return (uint32_t)n;
}

RifReader g_reader;
RifLine g_line;
AttributeLine g_attribute;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input input = {data, size, 0};
    rif_reader_start(&g_reader, read_input, &input);
    RifLevels levels;
    rif_levels_start(&levels);
    const Dictionary empty = {};
    uint32_t last_number = 0;
    while (rif_next_line(&g_reader)) {
        if (g_reader.length == 0 || g_reader.length > RIF_LINE_LIMIT) __builtin_trap();
        if (g_reader.number <= last_number) __builtin_trap();
        last_number = g_reader.number;
        if (rif_blank_line(g_reader.text, g_reader.length)) continue;
        rif_split_line(g_reader.text, g_reader.length, &g_line);
        const char* end = g_reader.text + g_reader.length;
        if (g_line.name + g_line.name_length > end || g_line.text + g_line.text_length > end) __builtin_trap();
        if (g_line.byte_count * 2 > g_line.text_length) __builtin_trap();
        int level = rif_level_of(&levels, g_line.indent);
        if (level < -1 || level >= (int)RIF_LEVELS || levels.depth >= RIF_LEVELS) __builtin_trap();
        if (!rif_is_attribute_name(g_line.name, g_line.name_length)) continue;
        for (const Dictionary* dictionary : {(const Dictionary*)nullptr, &empty}) {
            AttributeLineStatus status = rif_read_attribute(g_line, dictionary, &g_attribute);
            if (g_attribute.length > sizeof g_attribute.data) __builtin_trap();
            if (status == ATTR_LINE_OK && strlen(g_attribute.property) >= sizeof g_attribute.property) __builtin_trap();
        }
    }
    return 0;
}
