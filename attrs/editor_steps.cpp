#include "attrs/editor_steps.h"

#include <string.h>

#include "attrs/error_box.h"
#include "resources/strings.h"

EditOutcome edit_refused(const EditorTarget& target, uint16_t message) {
    show_error(target.owner, message);
    return {EDIT_REFUSED, message, -1};
}

AttributeInstance blank_instance(const AttributeDefinition& definition, ListKind kind) {
    AttributeInstance instance;
    memset(&instance, 0, sizeof instance);
    memcpy(instance.name, definition.name, sizeof instance.name);
    instance.name[sizeof instance.name - 1] = 0;
    instance.number = definition.number;
    instance.type = definition.type;
    instance.stored_type = (uint16_t)definition.type;
    instance.flags = (uint16_t)(IF_ORDINARY | (kind.list_bit == ATTR_CHECK ? IF_CHECK : IF_RETURN));
    return instance;
}

void set_value(AttributeInstance* instance, const ParsedValue& value) {
    memset(instance->data, 0, sizeof instance->data);
    memcpy(instance->data, value.data, value.length);
    instance->length = value.length;
    memcpy(instance->value_name, value.value_name, sizeof instance->value_name);
    instance->state &= ~IS_UNNAMED_VALUE;
}

void make_own(AttributeInstance* instance) {
    instance->state &= ~IS_PROFILE;
    instance->flags = (uint16_t)((instance->flags & ~IF_SUBTRACT) | IF_ORDINARY);
}

bool insert_or_report(const EditorTarget& target, uint16_t position, const AttributeInstance& instance) {
    if (attribute_list_insert(&list_of(target.record, target.kind), position, instance)) return true;
    show_error(target.owner, IDS_MEMORY_ALLOCATION_FAILURE);
    return false;
}
