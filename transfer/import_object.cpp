#include "transfer/import_object.h"

#include <stdlib.h>
#include <string.h>

#include "api/codec.h"
#include "api/text_field.h"
#include "attrs/attribute_property.h"

namespace {

// The property named `name`, or a new empty slot for it; null without memory.
ImportProperty* property_slot(ImportObject* object, const char* name, uint32_t line) {
    for (uint32_t i = 0; i < object->count; ++i)
        if (strcmp(object->properties[i].name, name) == 0) return &object->properties[i];
    if (object->count == object->capacity) {
        uint32_t capacity = object->capacity ? object->capacity * 2 : 16;
        ImportProperty* grown = (ImportProperty*)realloc(object->properties, capacity * sizeof(ImportProperty));
        if (!grown) return nullptr;
        memset(grown + object->capacity, 0, (capacity - object->capacity) * sizeof(ImportProperty));
        object->properties = grown;
        object->capacity = capacity;
    }
    ImportProperty* slot = &object->properties[object->count++];
    copy_text(slot->name, sizeof slot->name, name);
    slot->length = 0;
    slot->line = line;
    return slot;
}

bool reserve(ImportProperty* property, uint32_t length) {
    if (length <= property->capacity) return true;
    uint32_t capacity = property->capacity ? property->capacity : 64;
    while (capacity < length) capacity *= 2;
    uint8_t* bytes = (uint8_t*)realloc(property->bytes, capacity);
    if (!bytes) return false;
    property->bytes = bytes;
    property->capacity = capacity;
    return true;
}

}  // namespace

void import_object_start(ImportObject* object, const ImportClass& cls, const char* name, uint32_t name_length,
                         uint32_t line) {
    object->cls = cls;
    if (name_length > RIF_LINE_LIMIT) name_length = RIF_LINE_LIMIT;
    memcpy(object->name, name, name_length);
    object->name[name_length] = 0;
    object->line = line;
    object->count = 0;
}

ImportAddResult import_object_set(ImportObject* object, const char* property, const uint8_t* bytes, uint32_t length,
                                  uint32_t line) {
    if (length > IMPORT_PROPERTY_LIMIT) return IMPORT_TOO_LARGE;
    ImportProperty* slot = property_slot(object, property, line);
    if (!slot || !reserve(slot, length)) return IMPORT_NO_MEMORY;
    if (length) memcpy(slot->bytes, bytes, length);
    slot->length = length;
    return IMPORT_ADDED;
}

ImportAddResult import_object_append(ImportObject* object, const AttributeLine& attribute, uint32_t line) {
    ImportProperty* slot = property_slot(object, attribute.property, line);
    if (!slot) return IMPORT_NO_MEMORY;
    // A value set by a plain line too short to be a list starts the list afresh.
    bool fresh = slot->length < PROPERTY_HEADER_LENGTH;
    uint32_t start = fresh ? PROPERTY_HEADER_LENGTH : slot->length;
    uint64_t needed = (uint64_t)start + RECORD_HEADER_LENGTH + attribute.length + attribute.tail_length;
    if (needed > IMPORT_PROPERTY_LIMIT || (!fresh && get_le16(slot->bytes) == 0xFFFF)) return IMPORT_TOO_LARGE;
    if (!reserve(slot, (uint32_t)needed)) return IMPORT_NO_MEMORY;
    uint8_t* bytes = slot->bytes;
    if (fresh) {
        put_le16(bytes, 0);
        put_le16(bytes + 2, attribute.word2);
    }
    put_le16(bytes, (uint16_t)(get_le16(bytes) + 1));
    uint8_t* record = bytes + start;
    put_le16(record, attribute.type);
    put_le16(record + 2, (uint16_t)attribute.length);
    put_le16(record + 4, attribute.flags);
    memcpy(record + RECORD_HEADER_LENGTH, attribute.data, attribute.length);
    memcpy(record + RECORD_HEADER_LENGTH + attribute.length, attribute.tail, attribute.tail_length);
    slot->length = (uint32_t)needed;
    return IMPORT_ADDED;
}

void import_object_free(ImportObject* object) {
    for (uint32_t i = 0; i < object->capacity; ++i) free(object->properties[i].bytes);
    free(object->properties);
    object->properties = nullptr;
    object->count = 0;
    object->capacity = 0;
}
