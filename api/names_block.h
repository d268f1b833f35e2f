// A names block, as the enumerations return it: names each ending in NUL,
// the list ending at the first empty name or at the block's length.
#pragma once

#include <stdint.h>

// Calls visit(name, name_length) for each name; returns the number of names.
// `*last` (when given) points at the last name, or is null. A final name
// without its NUL is not visited.
template <class Visit>
uint32_t walk_names(const uint8_t* block, uint32_t length, Visit visit, const char** last = nullptr) {
    uint32_t count = 0;
    uint32_t offset = 0;
    if (last) *last = nullptr;
    while (offset < length && block[offset] != 0) {
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
