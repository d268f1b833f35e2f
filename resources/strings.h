// Every user-visible text by its string-table number.
#pragma once

#include <stdint.h>

enum StringId : uint16_t {
#define STRING(name, id, text) name = id,
#include "resources/strings.inc"
#undef STRING
};

// The text of a string id, or "" for an id the table lacks.
const char* string_text(uint16_t id);

struct StringEntry {
    uint16_t id;
    const char* text;
};
// The whole table in the order of strings.inc; `count` receives its size.
const StringEntry* string_table(uint32_t* count);
