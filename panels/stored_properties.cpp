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

uint16_t read_present_properties(const char* cls, const char* object, void* record, const StoredProperty* properties,
                                 uint32_t count) {
    // Which properties the object has: an absent one is simply not set,
    // while a failing read of a present one fails the load.
    char* present = nullptr;
    uint32_t size = 0;
    uint16_t status = db_list_all(cls, object, &present, &size);
    for (uint32_t i = 0; i < count && status == 0; ++i) {
        const StoredProperty& property = properties[i];
        if (!block_has_name(present, property.name)) continue;
        uint16_t length = property.width;
        status = db_get(cls, object, property.name, (uint8_t*)record + property.offset, &length);
    }
    free(present);
    return status;
}
