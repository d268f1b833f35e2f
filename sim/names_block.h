// The names block of the enumerations: names each with its NUL, then one
// more NUL, no longer than the capacity the client announced.
#pragma once

#include <stdint.h>

#include <string>

struct NamesBlock {
    std::string bytes;
    bool more = false;  // names remain after the last one packed
};

// Packs the names of [first, last), sorted, as many as fit in `capacity`.
template <class Iterator, class NameOf>
NamesBlock pack_names(Iterator first, Iterator last, NameOf name_of, uint32_t capacity) {
    NamesBlock block;
    for (Iterator i = first; i != last; ++i) {
        const std::string& name = name_of(*i);
        if (block.bytes.size() + name.size() + 2 > capacity) {
            block.more = true;
            break;
        }
        block.bytes.append(name);
        block.bytes.push_back('\0');
    }
    if (block.bytes.size() + 1 <= capacity) block.bytes.push_back('\0');
    return block;
}
