// Reading a record's properties when the object may lack some of them: a
// property the object does not have reads as absent (length 0), while a
// missing object or a failing read of a present property fails.
#pragma once

#include <stdint.h>

struct PropertyRead {
    const char* name;
    void* area;
    uint16_t capacity;
    uint16_t length;  // out: bytes read; 0 when the object lacks the property
    bool present;     // out
};

// Reads each present property, in order, inside the caller's lock; returns
// the first failing status.
uint16_t read_present_properties(const char* cls, const char* object, PropertyRead* reads, uint32_t count);
