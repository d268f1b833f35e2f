#include "panels/profile_link.h"

#include <stdio.h>
#include <string.h>

#include "api/codec.h"
#include "api/db.h"
#include "api/status.h"
#include "attrs/attribute_property.h"
#include "attrs/list_store.h"

uint32_t profile_link_encode(const char* name, uint8_t* bytes, uint32_t size) {
    const size_t characters = strlen(name);
    if (characters + 1 >= PROFILE_NAME_SIZE || PROFILE_LINK_HEADER + characters + 1 > size) return 0;
    put_le16(bytes, 1);
    put_le16(bytes + 2, 0);
    put_le16(bytes + 4, 0);
    put_le16(bytes + 6, static_cast<uint16_t>(characters + 1));
    put_le16(bytes + 8, 0x01);
    memcpy(bytes + PROFILE_LINK_HEADER, name, characters + 1);
    return static_cast<uint32_t>(PROFILE_LINK_HEADER + characters + 1);
}

void profile_link_decode(const uint8_t* bytes, uint32_t length, char* name, uint32_t name_size) {
    if (name_size == 0) return;
    name[0] = '\0';
    uint16_t word2 = 0;
    walk_property(bytes, length, &word2, [&](const StoredRecord& record) {
        const void* end = memchr(record.data, '\0', record.length);
        const size_t characters = end ? static_cast<const uint8_t*>(end) - record.data : record.length;
        snprintf(name, name_size, "%.*s", static_cast<int>(characters), reinterpret_cast<const char*>(record.data));
        return false;
    });
}

uint16_t read_profile_link(const char* cls, const char* object, uint16_t limit, char* name, uint32_t name_size) {
    if (name_size > 0) name[0] = '\0';
    uint8_t bytes[PROFILE_SCAN_READ_LIMIT];
    uint16_t length = limit < sizeof bytes ? limit : sizeof bytes;
    const uint16_t status = db_get(cls, object, PROFILE_LINK_PROPERTY, bytes, &length);
    if (status == STATUS_NOT_FOUND) return STATUS_OK;
    if (status != STATUS_OK) return status;
    profile_link_decode(bytes, length, name, name_size);
    return STATUS_OK;
}
