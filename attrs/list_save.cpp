// Writing a record's lists back: one property per attribute name, built on
// the temporary object, which is then renamed over the stored one.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <initializer_list>

#include "api/create_object.h"
#include "api/db.h"
#include "api/status.h"
#include "attrs/attribute_property.h"
#include "attrs/list_store.h"

namespace {

struct SaveContext {
    AttributeRecord* record;
    uint8_t* property;  // the property being built
    uint8_t* stored;    // the stored property, read when a long value is written back
    uint16_t stored_length;
    char stored_name[32];  // whose property `stored` holds; empty for none
    SaveFailure* failure;  // null when the caller does not ask
};

bool holds_long_value(const StoredRecord& record, const AttributeInstance& instance) {
    return record.type == instance.stored_type && record.length == instance.long_length &&
           memcmp(record.data, instance.data, MAX_VALUE_LENGTH) == 0;
}

// The whole stored data of an IS_LONG_VALUE instance: its record must still
// be in the stored object as it was read, at the position the instance
// knows, or else the only record of the property that starts the same (the
// instance came back from a copy taken before a save moved the record).
uint16_t find_long_value(SaveContext* save, const AttributeInstance& instance, const uint8_t** data) {
    if (strcmp(save->stored_name, instance.name) != 0) {
        save->stored_name[0] = 0;
        save->stored_length = (uint16_t)MAX_PROPERTY_LENGTH;
        uint16_t status = db_get(save->record->class_name, save->record->object_name, instance.name, save->stored,
                                 &save->stored_length);
        if (status != 0) return status;
        memcpy(save->stored_name, instance.name, sizeof save->stored_name);
    }
    const uint8_t* at_index = nullptr;
    const uint8_t* elsewhere = nullptr;
    uint32_t matches = 0;
    uint16_t word2 = 0;
    walk_property(save->stored, save->stored_length, &word2, [&](const StoredRecord& record) {
        if (!holds_long_value(record, instance)) return true;
        if (record.index == instance.long_index) at_index = record.data;
        elsewhere = record.data;
        ++matches;
        return true;
    });
    *data = at_index ? at_index : matches == 1 ? elsewhere : nullptr;
    return *data ? 0 : STATUS_NOT_FOUND;
}

// Appends every not yet written instance of `name` in `list`; profile
// instances are only marked.
uint16_t append_instances(SaveContext* save, AttributeList* list, uint16_t list_flag, const char* name, uint32_t* used,
                          uint16_t* count) {
    for (uint16_t i = 0; i < list->count; ++i) {
        AttributeInstance& instance = list->items[i];
        if ((instance.state & IS_WRITTEN) || strcmp(instance.name, name) != 0) continue;
        instance.state |= IS_WRITTEN;
        if (is_profile_instance(instance)) continue;
        const uint8_t* long_data = nullptr;
        if (instance.state & IS_LONG_VALUE) {
            uint16_t status = find_long_value(save, instance, &long_data);
            if (status != 0) return status;
        }
        // A property beyond its limit would lose values: refuse the save instead.
        if (!append_record(save->property, MAX_PROPERTY_LENGTH, used, instance, (uint16_t)(instance.flags | list_flag),
                           long_data))
            return STATUS_REQUEST_TOO_LARGE;
        instance.written_index = *count;
        ++*count;
    }
    return 0;
}

uint16_t write_property(SaveContext* save, const char* cls, const char* temp_name, const char* name) {
    uint32_t used = PROPERTY_HEADER_LENGTH;
    uint16_t count = 0;
    uint16_t status = append_instances(save, &save->record->check_list, IF_CHECK, name, &used, &count);
    if (status == 0) status = append_instances(save, &save->record->return_list, IF_RETURN, name, &used, &count);
    if (status != 0 || count == 0) return status;
    put_le16(save->property, count);
    put_le16(save->property + 2, 0);
    return db_set(cls, temp_name, name, save->property, used);
}

uint16_t write_lists(void* context, const char* cls, const char* temp_name) {
    SaveContext* save = (SaveContext*)context;
    for (AttributeList* list : {&save->record->check_list, &save->record->return_list}) {
        for (uint16_t i = 0; i < list->count; ++i) {
            const AttributeInstance& instance = list->items[i];
            if ((instance.state & IS_WRITTEN) || is_profile_instance(instance)) continue;
            uint16_t status = write_property(save, cls, temp_name, instance.name);
            if (status != 0 && save->failure)
                snprintf(save->failure->property, sizeof save->failure->property, "%s", instance.name);
            if (status != 0) return status;
        }
    }
    return 0;
}

// After a save, a long record stands where the save wrote it; the next save
// must look for it there.
void finish_save(AttributeList* list, bool saved) {
    for (uint16_t i = 0; i < list->count; ++i) {
        AttributeInstance& instance = list->items[i];
        if (saved && (instance.state & IS_LONG_VALUE) && !is_profile_instance(instance))
            instance.long_index = instance.written_index;
        instance.state &= ~IS_WRITTEN;
    }
}

}  // namespace

uint16_t save_attribute_lists(AttributeRecord* record, SaveFailure* failure) {
    SaveContext save = {record, (uint8_t*)malloc(MAX_PROPERTY_LENGTH), (uint8_t*)malloc(MAX_PROPERTY_LENGTH), 0, "",
                        failure};
    if (failure) {
        failure->step = BUILD_OK;
        failure->property[0] = 0;
    }
    uint16_t status = STATUS_OUT_OF_MEMORY;
    if (save.property && save.stored)
        status = create_object(record->class_name, record->object_name, write_lists, &save, TEMP_DELETE_IGNORE_RESULT,
                               TEMP_DELETE_AFTER_WRITE_FAILURE, failure ? &failure->step : nullptr);
    else if (failure)
        failure->step = BUILD_TEMP_OBJECT;
    finish_save(&record->check_list, status == 0);
    finish_save(&record->return_list, status == 0);
    free(save.property);
    free(save.stored);
    return status;
}
