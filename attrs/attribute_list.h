// The in-memory attribute lists of a user or profile, and the record a
// panel edits.
#pragma once

#include <stdint.h>

#include "attrs/attribute_instance.h"
#include "attrs/value_forms.h"

// Instances of one name stand together; groups are in ascending name order
// (case ignored) as far as insertions made them so.
struct AttributeList {
    uint16_t count;
    uint16_t capacity;
    AttributeInstance* items;  // malloc'd; attribute_list_free
};

const uint32_t RECORD_NAME_SIZE = 256;

struct AttributeRecord {
    char class_name[32];
    AttributeList check_list;
    AttributeList return_list;
    char object_name[RECORD_NAME_SIZE];
};

inline AttributeList& list_of(AttributeRecord* record, ListKind kind) {
    return kind.list_bit == ATTR_CHECK ? record->check_list : record->return_list;
}
inline ListKind kind_of(const AttributeInstance& instance) {
    return on_check_list(instance) ? CHECK_LIST : RETURN_LIST;
}

void attribute_list_free(AttributeList* list);
// Deep copy (for snapshots); false, with `to` empty, when memory runs out.
bool attribute_list_copy(AttributeList* to, const AttributeList& from);
// Inserts a copy of `instance` at `position` (0 to count); false when memory
// runs out or the list already holds 65535 instances.
bool attribute_list_insert(AttributeList* list, uint16_t position, const AttributeInstance& instance);
void attribute_list_remove(AttributeList* list, uint16_t position);
void attribute_record_free(AttributeRecord* record);
bool attribute_record_copy(AttributeRecord* to, const AttributeRecord& from);

// Where a new instance goes: with no instance of its name, before the first
// greater name (case ignored); else after its group, or, by value, before
// the group's first instance it sorts before (value_before).
uint16_t insert_position(const AttributeList& list, const AttributeInstance& instance, bool by_value);
// The first instance named exactly `name` from `start`, or -1.
int32_t find_first(const AttributeList& list, const char* name, uint16_t start = 0);
// The first instance from `start` of the same name whose value equals it, or -1.
int32_t find_identical(const AttributeList& list, const AttributeInstance& instance, uint16_t start = 0);
// Whether `added` still fits in its attribute's property with every instance
// of the name on both lists.
bool property_space_ok(const AttributeRecord& record, const AttributeInstance& added);
