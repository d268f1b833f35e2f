#include "attrs/attribute_property.h"

#include <string.h>

#include "api/text_field.h"

void instance_from_record(const char* name, uint16_t word2, const StoredRecord& record, AttributeInstance* out) {
    memset(out, 0, sizeof *out);
    copy_text(out->name, sizeof out->name, name);
    out->word2 = word2;
    out->stored_type = record.type;
    out->flags = record.flags;
    out->length = record.length < MAX_VALUE_LENGTH ? record.length : MAX_VALUE_LENGTH;
    memcpy(out->data, record.data, out->length);
    if (record.length > MAX_VALUE_LENGTH) {
        out->state |= IS_LONG_VALUE;
        out->long_length = record.length;
        out->long_index = record.index;
    }
}

bool append_record(uint8_t* property, uint32_t capacity, uint32_t* used, const AttributeInstance& instance,
                   uint16_t flags, const uint8_t* long_data) {
    uint32_t length = long_data ? stored_length(instance) : instance.length;
    if (capacity < *used || capacity - *used < RECORD_HEADER_LENGTH + length) return false;
    uint8_t* at = property + *used;
    put_le16(at, instance.stored_type);
    put_le16(at + 2, (uint16_t)length);
    put_le16(at + 4, flags);
    memcpy(at + RECORD_HEADER_LENGTH, long_data ? long_data : instance.data, length);
    *used += RECORD_HEADER_LENGTH + length;
    return true;
}
