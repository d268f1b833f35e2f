// The stored form of one attribute property: count (u16), word2 (u16), then
// `count` instance records of type (u16), length (u16), flags (u16) and
// `length` data bytes, all little-endian.
#pragma once

#include <stdint.h>

#include "api/codec.h"
#include "attrs/attribute_instance.h"

const uint32_t MAX_PROPERTY_LENGTH = 35840;
const uint32_t PROPERTY_HEADER_LENGTH = 4;
const uint32_t RECORD_HEADER_LENGTH = 6;

struct StoredRecord {
    uint16_t index;  // position in the property, from 0
    uint16_t type;
    uint16_t length;
    uint16_t flags;
    const uint8_t* data;  // `length` bytes inside the property
};

// Walks the records of a property read from the database. Reading stops at
// the announced count or at the first record that runs past the end, so a
// damaged property yields its complete records only. Returns false when the
// property holds no records (shorter than its header, or a count of 0);
// `word2` is set whenever the header is there. `visit` returns false to stop.
template <class Visit>
bool walk_property(const uint8_t* bytes, uint32_t length, uint16_t* word2, Visit visit);

// An instance of `record`, zeroed first: the name (cut to 31 bytes), word2
// and the record; at most 128 data bytes are kept, and a longer value is
// marked IS_LONG_VALUE.
void instance_from_record(const char* name, uint16_t word2, const StoredRecord& record, AttributeInstance* out);

// Appends the instance's record, with `flags`, to a property being built
// (`used` bytes of `capacity`). The data comes from `long_data` when given
// (the whole stored value of an IS_LONG_VALUE instance). False, with nothing
// appended, when it would not fit.
bool append_record(uint8_t* property, uint32_t capacity, uint32_t* used, const AttributeInstance& instance,
                   uint16_t flags, const uint8_t* long_data);

template <class Visit>
bool walk_property(const uint8_t* bytes, uint32_t length, uint16_t* word2, Visit visit) {
    if (length < PROPERTY_HEADER_LENGTH) return false;
    uint16_t count = get_le16(bytes);
    *word2 = get_le16(bytes + 2);
    if (count == 0) return false;
    uint32_t at = PROPERTY_HEADER_LENGTH;
    for (uint16_t i = 0; i < count; ++i) {
        if (length - at < RECORD_HEADER_LENGTH) break;
        StoredRecord record;
        record.index = i;
        record.type = get_le16(bytes + at);
        record.length = get_le16(bytes + at + 2);
        record.flags = get_le16(bytes + at + 4);
        if (length - at - RECORD_HEADER_LENGTH < record.length) break;
        record.data = bytes + at + RECORD_HEADER_LENGTH;
        at += RECORD_HEADER_LENGTH + record.length;
        if (!visit(record)) break;
    }
    return true;
}
