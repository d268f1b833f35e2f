// What a list page does by itself: its buttons, the moves within a name
// group, Del and the Default mark.
#include <string.h>

#include "attrs/editor.h"
#include "attrs/list_rules.h"

namespace {

bool same_name(const AttributeList& list, uint16_t a, uint16_t b) {
    return strcmp(list.items[a].name, list.items[b].name) == 0;
}

bool own_plain(const AttributeInstance& instance) {
    return !is_profile_instance(instance) && !is_subtract_instance(instance);
}

}  // namespace

PageButtons page_buttons(const AttributeList& list, int32_t selected, const Dictionary* dictionary) {
    PageButtons buttons = {false, false, false, false};
    if (selected < 0 || selected >= list.count) return buttons;
    uint16_t at = (uint16_t)selected;
    const AttributeInstance& instance = list.items[at];
    buttons.edit = (instance.state & ~(IS_PROFILE | IS_OVERWRITE | IS_WRITTEN)) == 0 && !is_subtract_instance(instance);
    buttons.del = true;
    const AttributeDefinition* definition = find_definition(dictionary, instance.name);
    if (definition && is_orderable(*definition) && own_plain(instance)) {
        buttons.up = at > 0 && same_name(list, at, (uint16_t)(at - 1));
        buttons.down = at + 1 < list.count && same_name(list, at, (uint16_t)(at + 1));
    }
    return buttons;
}

RowMarker row_marker(const AttributeInstance& instance) {
    uint32_t state = instance.state & ~IS_WRITTEN;
    if (state != 0 && state != IS_PROFILE && state != IS_OVERWRITE) return MARK_ERROR;
    if (is_subtract_instance(instance)) return MARK_SUBTRACT;
    if (state == IS_PROFILE) return MARK_PROFILE;
    if (state == IS_OVERWRITE) return MARK_OVERWRITE;
    return MARK_NONE;
}

int32_t editor_move(AttributeList* list, uint16_t index, bool up) {
    if (index >= list->count) return -1;
    uint32_t other = up ? index - 1u : index + 1u;
    if ((up && index == 0) || other >= list->count) return index;
    AttributeInstance swap = list->items[index];
    list->items[index] = list->items[other];
    list->items[other] = swap;
    return (int32_t)other;
}

int32_t editor_delete(const EditorTarget& target, uint16_t index) {
    AttributeList& list = list_of(target.record, target.kind);
    if (index >= list.count) return list.count ? 0 : -1;
    AttributeInstance& instance = list.items[index];
    bool inherited = is_profile_instance(instance) || is_subtract_instance(instance);
    if (inherited && !(instance.state & IS_ERROR_BITS)) {
        // The profile's value is switched off for this user, or on again.
        if (is_profile_instance(instance)) {
            instance.state &= ~IS_PROFILE;
            instance.flags = (uint16_t)((instance.flags ^ IF_ORDINARY) | IF_SUBTRACT);
        } else {
            instance.state |= IS_PROFILE;
            instance.flags = (uint16_t)((instance.flags | IF_ORDINARY) & ~IF_SUBTRACT);
        }
        instance.state &= ~IS_OVERWRITE;
        return index;
    }
    attribute_list_remove(&list, index);
    validate_lists(target.record, target.dictionary);
    if (list.count == 0) return -1;
    return index < list.count ? index : list.count - 1;
}

void apply_default_rule(AttributeList* list, uint16_t index, const AttributeDefinition& definition, bool set) {
    AttributeInstance& instance = list->items[index];
    if (!set) {
        instance.flags &= ~IF_DEFAULT;
        return;
    }
    if (multi_valued_on(definition, CHECK_LIST)) {
        for (uint16_t i = 0; i < list->count; ++i) {
            if (i != index && strcmp(list->items[i].name, instance.name) == 0) list->items[i].flags &= ~IF_DEFAULT;
        }
    }
    instance.flags |= IF_DEFAULT;
}
