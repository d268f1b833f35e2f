// Reading the attribute properties of an object into lists.
#include <stdlib.h>
#include <string.h>

#include "api/db.h"
#include "api/db_lists.h"
#include "api/names_block.h"
#include "api/requests.h"
#include "api/status.h"
#include "api/text_field.h"
#include "attrs/attribute_property.h"
#include "attrs/error_box.h"
#include "attrs/list_store.h"
#include "resources/strings.h"

void check_against_dictionary(AttributeInstance* instance, const Dictionary* dictionary) {
    const AttributeDefinition* definition = find_definition(dictionary, instance->name);
    if (!definition) {
        instance->number = 0;
        instance->type = instance->stored_type;
        instance->state |= IS_UNKNOWN_ATTRIBUTE;
        return;
    }
    instance->number = definition->number;
    instance->type = definition->type;
    if (!allowed_on(*definition, kind_of(*instance))) instance->state |= IS_WRONG_LIST;
    if ((uint16_t)definition->type != instance->stored_type) instance->state |= IS_TYPE_MISMATCH;
    if (instance->state & (IS_WRONG_LIST | IS_TYPE_MISMATCH)) return;
    if (definition->has_values) {
        const char* name = value_name_for(dictionary, instance->name, value_number(*instance));
        copy_text(instance->value_name, sizeof instance->value_name, name);
        if (!name[0] && !(instance->flags & IF_ECHO)) instance->state |= IS_UNNAMED_VALUE;
    }
}

namespace {

struct Destination {
    AttributeList* check_list;
    AttributeList* return_list;  // the same list as check_list for a profile's instances
    uint32_t extra_state;
    bool out_of_memory;
};

// Reads every attribute property of (cls, object) into the destination lists.
uint16_t read_object(const char* cls, const char* object, const Dictionary* dictionary, Destination* to) {
    char* names = nullptr;
    uint32_t names_size = 0;
    uint16_t status = db_list_all(cls, object, &names, &names_size);
    if (status != 0) return status;
    uint8_t* property = (uint8_t*)malloc(MAX_PROPERTY_LENGTH);
    if (!property) {
        free(names);
        return STATUS_OUT_OF_MEMORY;
    }
    walk_names((const uint8_t*)names, names_size, [&](const char* name, uint32_t) {
        if (status != 0 || strcmp(name, PASSWORD_PROPERTY) == 0 || strcmp(name, PROFILE_LINK_PROPERTY) == 0) return;
        uint16_t length = (uint16_t)MAX_PROPERTY_LENGTH;
        status = db_get(cls, object, name, property, &length);
        if (status != 0) return;
        uint16_t word2 = 0;
        walk_property(property, length, &word2, [&](const StoredRecord& record) {
            AttributeInstance instance;
            instance_from_record(name, word2, record, &instance);
            instance.state |= to->extra_state;
            check_against_dictionary(&instance, dictionary);
            AttributeList* list = on_check_list(instance) ? to->check_list : to->return_list;
            if (attribute_list_insert(list, insert_position(*list, instance, false), instance)) return true;
            to->out_of_memory = true;
            return false;  // the next property is read
        });
    });
    free(property);
    free(names);
    return status;
}

uint16_t read_locked(const char* cls, const char* object, const Dictionary* dictionary, void* owner, Destination to) {
    uint16_t status = lock_server();
    if (status != 0) return status;
    status = read_object(cls, object, dictionary, &to);
    unlock_server();
    // Told once, and only after the lock is released: a box waiting for the
    // administrator must not hold up the other consoles.
    if (to.out_of_memory) show_error(owner, IDS_MEMORY_ALLOCATION_FAILURE);
    return status;
}

}  // namespace

uint16_t load_attribute_lists(AttributeRecord* record, const Dictionary* dictionary, void* owner) {
    attribute_list_free(&record->check_list);
    attribute_list_free(&record->return_list);
    const Destination to = {&record->check_list, &record->return_list, 0, false};
    return read_locked(record->class_name, record->object_name, dictionary, owner, to);
}

uint16_t load_profile_instances(const char* profile_name, const Dictionary* dictionary, void* owner,
                                AttributeList* profile_list) {
    attribute_list_free(profile_list);
    const Destination to = {profile_list, profile_list, IS_PROFILE, false};
    return read_locked(PROFILE_CLASS, profile_name, dictionary, owner, to);
}
