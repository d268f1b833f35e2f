#include "attrs/attribute_list.h"

#include <stdlib.h>
#include <string.h>

#include <initializer_list>

#include "attrs/attribute_property.h"
#include "attrs/text_compare.h"

void attribute_list_free(AttributeList* list) {
    free(list->items);
    memset(list, 0, sizeof *list);
}

bool attribute_list_copy(AttributeList* to, const AttributeList& from) {
    memset(to, 0, sizeof *to);
    if (from.count == 0) return true;
    to->items = (AttributeInstance*)malloc(from.count * sizeof(AttributeInstance));
    if (!to->items) return false;
    memcpy(to->items, from.items, from.count * sizeof(AttributeInstance));
    to->count = to->capacity = from.count;
    return true;
}

bool attribute_list_insert(AttributeList* list, uint16_t position, const AttributeInstance& instance) {
    if (list->count == 0xFFFF) return false;
    if (list->count == list->capacity) {
        uint32_t capacity = list->capacity ? list->capacity * 2u : 16u;
        if (capacity > 0xFFFF) capacity = 0xFFFF;
        AttributeInstance* items = (AttributeInstance*)realloc(list->items, capacity * sizeof(AttributeInstance));
        if (!items) return false;
        list->items = items;
        list->capacity = (uint16_t)capacity;
    }
    if (position > list->count) position = list->count;
    memmove(list->items + position + 1, list->items + position, (list->count - position) * sizeof(AttributeInstance));
    list->items[position] = instance;
    ++list->count;
    return true;
}

void attribute_list_remove(AttributeList* list, uint16_t position) {
    if (position >= list->count) return;
    memmove(list->items + position, list->items + position + 1,
            (list->count - position - 1) * sizeof(AttributeInstance));
    --list->count;
}

void attribute_record_free(AttributeRecord* record) {
    attribute_list_free(&record->check_list);
    attribute_list_free(&record->return_list);
}

bool attribute_record_copy(AttributeRecord* to, const AttributeRecord& from) {
    memcpy(to->class_name, from.class_name, sizeof to->class_name);
    memcpy(to->object_name, from.object_name, sizeof to->object_name);
    if (!attribute_list_copy(&to->check_list, from.check_list)) {
        memset(&to->return_list, 0, sizeof to->return_list);
        return false;
    }
    if (!attribute_list_copy(&to->return_list, from.return_list)) {
        attribute_list_free(&to->check_list);
        return false;
    }
    return true;
}

int32_t find_first(const AttributeList& list, const char* name, uint16_t start) {
    for (uint32_t i = start; i < list.count; ++i) {
        if (strcmp(list.items[i].name, name) == 0) return (int32_t)i;
    }
    return -1;
}

int32_t find_identical(const AttributeList& list, const AttributeInstance& instance, uint16_t start) {
    for (uint32_t i = start; i < list.count; ++i) {
        if (strcmp(list.items[i].name, instance.name) == 0 && values_equal(instance, list.items[i])) return (int32_t)i;
    }
    return -1;
}

uint16_t insert_position(const AttributeList& list, const AttributeInstance& instance, bool by_value) {
    int32_t first = find_first(list, instance.name);
    if (first < 0) {
        for (uint16_t i = 0; i < list.count; ++i) {
            if (compare_nocase(list.items[i].name, instance.name) > 0) return i;
        }
        return list.count;
    }
    uint16_t last = (uint16_t)first;
    for (uint16_t i = (uint16_t)first; i < list.count; ++i) {
        if (strcmp(list.items[i].name, instance.name) != 0) continue;
        if (by_value && value_before(instance, list.items[i])) return i;
        last = i;
    }
    return (uint16_t)(last + 1);
}

bool property_space_ok(const AttributeRecord& record, const AttributeInstance& added) {
    uint32_t total = PROPERTY_HEADER_LENGTH + RECORD_HEADER_LENGTH + stored_length(added);
    for (const AttributeList* list : {&record.check_list, &record.return_list}) {
        for (uint16_t i = 0; i < list->count; ++i) {
            if (strcmp(list->items[i].name, added.name) == 0)
                total += RECORD_HEADER_LENGTH + stored_length(list->items[i]);
        }
    }
    return total <= MAX_PROPERTY_LENGTH;
}
