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

// A fixed-width field of a record and the property it is read from.
struct RecordProperty {
    const char* name;
    uint32_t offset;  // in the record
    uint16_t width;
};
const uint32_t RECORD_PROPERTIES_MAX = 16;

// read_present_properties over a table of a record's fields (at most
// RECORD_PROPERTIES_MAX).
uint16_t read_record_properties(const char* cls, const char* object, void* record, const RecordProperty* properties,
                                uint32_t count);
