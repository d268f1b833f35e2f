// A names block, as the enumerations return it: names each ending in NUL,
// the list ending at the first empty name or at the block's length.
#pragma once

#include <stdint.h>
#include <string.h>

enum EmptyName {
    EMPTY_NAME_ENDS,     // the first empty name ends the list
    EMPTY_NAME_SKIPPED,  // empty names are passed over; only the length ends the list
};

// Calls visit(name, name_length) for each name; returns the number of names.
// `*last` (when given) points at the last name, or is null. A final name
// without its NUL is not visited.
template <class Visit>
uint32_t walk_names(const uint8_t* block, uint32_t length, Visit visit, const char** last = nullptr,
                    EmptyName empty = EMPTY_NAME_ENDS) {
    uint32_t count = 0;
    uint32_t offset = 0;
    if (last) *last = nullptr;
    while (offset < length) {
        if (block[offset] == 0) {
            if (empty == EMPTY_NAME_ENDS) break;
            ++offset;
            continue;
        }
        uint32_t end = offset;
        while (end < length && block[end] != 0) ++end;
        if (end == length) break;
        const char* name = (const char*)block + offset;
        visit(name, end - offset);
        if (last) *last = name;
        ++count;
        offset = end + 1;
    }
    return count;
}

// Whether a batch whose last name is `last` moved past `after`, the name it
// was asked to continue after (null for the first batch). A server that
// answers with the same batch again would otherwise be asked forever.
inline bool batch_advances(const char* after, const char* last) {
    return last != nullptr && (after == nullptr || strcmp(after, last) != 0);
}
