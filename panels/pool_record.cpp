#include "panels/pool_record.h"

#include <stdlib.h>
#include <string.h>

#include "api/create_object.h"
#include "api/db.h"
#include "api/requests.h"
#include "api/text_field.h"
#include "panels/stored_properties.h"

namespace {

#define DESCRIPTION_PROPERTY "Addr-Pool-Desc"
#define RANGES_PROPERTY "Addr-Pool-Ranges"

// One entry more than a pool may hold: a longer stored list is seen as
// such, not taken cut short.
const uint32_t RANGES_READ_SIZE = POOL_RANGES_LIMIT + POOL_RANGE_BYTES;

// The description as read; true when it was longer than the field.
bool take_description(PoolRecord* record, const uint8_t* bytes, uint16_t length) {
    const uint8_t* end = (const uint8_t*)memchr(bytes, 0, length);
    uint32_t characters = end ? (uint32_t)(end - bytes) : length;
    copy_text_field(record->description, sizeof record->description, bytes, length);
    return characters >= POOL_DESCRIPTION_SIZE;
}

uint16_t read_properties(PoolRecord* record, uint8_t* ranges, bool* description_cut) {
    uint8_t description[POOL_DESCRIPTION_SIZE + 1];
    PropertyRead reads[] = {
        {DESCRIPTION_PROPERTY, description, sizeof description, 0, false},
        {RANGES_PROPERTY, ranges, (uint16_t)RANGES_READ_SIZE, 0, false},
    };
    uint16_t status = read_present_properties(POOL_CLASS, record->name, reads, 2);
    if (status != 0) return status;
    *description_cut = take_description(record, description, reads[0].length);
    return pool_ranges_decode(ranges, reads[1].length, &record->ranges);
}

uint16_t write_properties(void* context, const char* cls, const char* temp_name) {
    const PoolRecord& record = *(const PoolRecord*)context;
    uint16_t status =
        db_set(cls, temp_name, DESCRIPTION_PROPERTY, record.description, (uint32_t)strlen(record.description) + 1);
    if (status != 0) return status;
    uint8_t* bytes = (uint8_t*)malloc(POOL_RANGES_LIMIT);
    if (!bytes) return POOL_STATUS_NO_MEMORY;
    uint32_t length = pool_ranges_encode(record.ranges, bytes);
    status = db_set(cls, temp_name, RANGES_PROPERTY, bytes, length);
    free(bytes);
    return status;
}

}  // namespace

void pool_record_start(PoolRecord* record, const char* name) {
    copy_text(record->name, sizeof record->name, name);
    record->description[0] = 0;
    record->ranges.count = 0;
}

uint16_t list_pools(NameList* names) {
    memset(names, 0, sizeof *names);
    return under_server_lock([&] { return db_list_sorted(POOL_CLASS, names); });
}

uint16_t read_pool(PoolRecord* record, bool* description_cut) {
    *description_cut = false;
    record->description[0] = 0;
    record->ranges.count = 0;
    uint8_t* ranges = (uint8_t*)malloc(RANGES_READ_SIZE);
    if (!ranges) return POOL_STATUS_NO_MEMORY;
    uint16_t status = under_server_lock([&] { return read_properties(record, ranges, description_cut); });
    free(ranges);
    return status;
}

uint16_t write_pool(const PoolRecord& record) {
    return create_object(POOL_CLASS, record.name, write_properties, (void*)&record, TEMP_DELETE_MUST_SUCCEED);
}

uint16_t create_pool(const char* name) {
    return under_server_lock([&] { return db_create(POOL_CLASS, name); });
}

uint16_t delete_pool(const char* name) {
    return under_server_lock([&] { return db_delete(POOL_CLASS, name, nullptr); });
}
