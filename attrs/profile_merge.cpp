// A user's lists combined with the lists of its profile, and taken apart again.
#include <string.h>

#include <initializer_list>

#include "attrs/error_box.h"
#include "attrs/list_rules.h"
#include "resources/strings.h"

namespace {

// Whether a subtract instance still finds what it removes. Only the
// profile's instances of the same list count: a return-list subtraction
// cannot remove a check-list value.
bool subtraction_matches(const AttributeInstance& subtract, ListKind kind, const AttributeList& profile,
                         const AttributeDefinition& definition) {
    for (uint16_t i = 0; i < profile.count; ++i) {
        const AttributeInstance& candidate = profile.items[i];
        if (strcmp(candidate.name, subtract.name) != 0 || kind_of(candidate).list_bit != kind.list_bit) continue;
        if (!multi_valued_on(definition, kind) || values_equal(subtract, candidate)) return true;
    }
    return false;
}

void mark_subtractions(AttributeList* list, ListKind kind, const AttributeList* profile, const Dictionary* dictionary) {
    for (uint16_t i = 0; i < list->count; ++i) {
        AttributeInstance& instance = list->items[i];
        if (!is_subtract_instance(instance)) continue;
        instance.state &= ~IS_NO_PROFILE_MATCH;
        const AttributeDefinition* definition = find_definition(dictionary, instance.name);
        if (!profile || (definition && !subtraction_matches(instance, kind, *profile, *definition)))
            instance.state |= IS_NO_PROFILE_MATCH;
    }
}

void mark_overwrite(AttributeList* list, const char* name) {
    for (uint16_t i = 0; i < list->count; ++i) {
        if (strcmp(list->items[i].name, name) == 0) list->items[i].state |= IS_OVERWRITE;
    }
}

// A single-valued attribute's subtract instance shows the value it removes.
void take_value(AttributeInstance* subtract, const AttributeInstance& from) {
    if (from.state & IS_LONG_VALUE) return;  // its own stored value is what a save can write back
    subtract->type = from.type;
    subtract->stored_type = from.stored_type;
    subtract->length = from.length;
    memcpy(subtract->data, from.data, sizeof subtract->data);
    memcpy(subtract->value_name, from.value_name, sizeof subtract->value_name);
    subtract->state = (subtract->state & ~IS_UNNAMED_VALUE) | (from.state & IS_UNNAMED_VALUE);
}

enum Outcome { DROP, INSERT };

// Steps 5: an identical own instance overrides the profile's, a subtract
// instance removes it, an identical profile instance does not stop it.
Outcome by_identical(AttributeList* user, const AttributeInstance& p) {
    for (int32_t i = find_identical(*user, p); i >= 0; i = find_identical(*user, p, (uint16_t)(i + 1))) {
        AttributeInstance& found = user->items[i];
        if (is_profile_instance(found)) continue;
        if (!is_subtract_instance(found)) found.state |= IS_OVERWRITE;
        return DROP;
    }
    return INSERT;
}

Outcome merge_one(AttributeList* user, ListKind kind, const AttributeInstance& p, const Dictionary* dictionary) {
    const AttributeDefinition* definition = find_definition(dictionary, p.name);
    if (!definition) return by_identical(user, p);
    int32_t first = find_first(*user, p.name);
    if (is_orderable(*definition) && first >= 0 && !is_profile_instance(user->items[first])) {
        mark_overwrite(user, p.name);
        return DROP;
    }
    if (!multi_valued_on(*definition, kind)) {
        if (first < 0) return by_identical(user, p);
        AttributeInstance& own = user->items[first];
        if (is_subtract_instance(own))
            take_value(&own, p);
        else
            own.state |= IS_OVERWRITE;
        return DROP;
    }
    return by_identical(user, p);
}

}  // namespace

bool merge_profile(AttributeRecord* record, const AttributeList* profile_list, const Dictionary* dictionary,
                   void* owner) {
    mark_subtractions(&record->check_list, CHECK_LIST, profile_list, dictionary);
    mark_subtractions(&record->return_list, RETURN_LIST, profile_list, dictionary);
    if (!profile_list) return true;
    for (uint16_t i = 0; i < profile_list->count; ++i) {
        const AttributeInstance& p = profile_list->items[i];
        ListKind kind = kind_of(p);
        AttributeList* user = &list_of(record, kind);
        if (merge_one(user, kind, p, dictionary) == DROP) continue;
        if (!attribute_list_insert(user, insert_position(*user, p, true), p)) {
            show_error(owner, IDS_MEMORY_ALLOCATION_FAILURE);
            return false;
        }
    }
    return true;
}

void remove_profile_instances(AttributeRecord* record) {
    for (AttributeList* list : {&record->check_list, &record->return_list}) {
        for (uint16_t i = list->count; i-- > 0;) {
            AttributeInstance& instance = list->items[i];
            instance.state &= ~IS_OVERWRITE;
            if (is_profile_instance(instance) && !is_subtract_instance(instance)) attribute_list_remove(list, i);
        }
    }
}
