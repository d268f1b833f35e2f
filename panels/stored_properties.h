// Reading a record's fixed-width properties from one stored object.
#pragma once

#include <stdint.h>

// One property of a record: read into the record at `offset`, at most
// `width` bytes.
struct StoredProperty {
    const char* name;
    uint32_t offset;
    uint16_t width;
};

// Reads, in table order, each property the object has; one it lacks leaves
// its bytes as they are (a later save writes only what is set). A failing
// read of a present property ends the sequence with its status. The caller
// holds the server lock.
uint16_t read_present_properties(const char* cls, const char* object, void* record, const StoredProperty* properties,
                                 uint32_t count);
