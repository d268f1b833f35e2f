#include "panels/stored_properties.h"

#include <stdlib.h>
#include <string.h>

#include "api/db.h"
#include "api/db_lists.h"

namespace {

bool block_has_name(const char* block, const char* name) {
    for (const char* at = block; *at; at += strlen(at) + 1)
        if (strcmp(at, name) == 0) return true;
    return false;
}

}  // namespace

uint16_t read_present_properties(const char* cls, const char* object, PropertyRead* reads, uint32_t count) {
    for (uint32_t i = 0; i < count; ++i) {
        reads[i].length = 0;
        reads[i].present = false;
    }
    // Which properties the object has: listing them also fails for an
    // object that is gone.
    char* present = nullptr;
    uint32_t size = 0;
    uint16_t status = db_list_all(cls, object, &present, &size);
    for (uint32_t i = 0; i < count && status == 0; ++i) {
        PropertyRead& read = reads[i];
        if (!block_has_name(present, read.name)) continue;
        read.present = true;
        read.length = read.capacity;
        status = db_get(cls, object, read.name, read.area, &read.length);
    }
    free(present);
    return status;
}

uint16_t read_record_properties(const char* cls, const char* object, void* record, const RecordProperty* properties,
                                uint32_t count) {
    PropertyRead reads[RECORD_PROPERTIES_MAX];
    if (count > RECORD_PROPERTIES_MAX) count = RECORD_PROPERTIES_MAX;
    for (uint32_t i = 0; i < count; ++i)
        reads[i] = {properties[i].name, (uint8_t*)record + properties[i].offset, properties[i].width, 0, false};
    return read_present_properties(cls, object, reads, count);
}
