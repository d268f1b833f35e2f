#include "resources/strings.h"

namespace {

const StringEntry STRINGS[] = {
#define STRING(name, id, text) {id, text},
#include "resources/strings.inc"
#undef STRING
};

}  // namespace

const char* string_text(uint16_t id) {
    // A few hundred entries, looked up when a message is shown: a scan is enough.
    for (const StringEntry& entry : STRINGS) {
        if (entry.id == id) return entry.text;
    }
    return "";
}

const StringEntry* string_table(uint32_t* count) {
    *count = sizeof STRINGS / sizeof STRINGS[0];
    return STRINGS;
}
