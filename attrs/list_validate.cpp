// Single-valued attributes that stand more than once in a list.
#include <string.h>

#include "attrs/list_rules.h"

static void validate_list(AttributeList* list, ListKind kind, const Dictionary* dictionary) {
    for (uint16_t i = 0; i < list->count; ++i) list->items[i].state &= ~IS_SINGLE_VALUED;
    uint16_t i = 0;
    while (i < list->count) {
        const AttributeDefinition* definition = find_definition(dictionary, list->items[i].name);
        bool removed_i = false;
        if (definition && !multi_valued_on(*definition, kind)) {
            uint16_t j = (uint16_t)(i + 1);
            while (j < list->count) {
                AttributeInstance& a = list->items[i];
                AttributeInstance& b = list->items[j];
                if (strcmp(a.name, b.name) != 0) {
                    ++j;
                } else if (is_profile_instance(a) == is_profile_instance(b)) {
                    a.state |= IS_SINGLE_VALUED;
                    b.state |= IS_SINGLE_VALUED;
                    ++j;
                } else if (!is_profile_instance(a)) {
                    attribute_list_remove(list, j);  // the own instance overrides the profile's
                } else if (kind.list_bit == ATTR_CHECK) {
                    attribute_list_remove(list, i);
                    removed_i = true;
                    break;
                } else {
                    a.state |= IS_SINGLE_VALUED;
                    b.state |= IS_SINGLE_VALUED;
                    ++j;
                }
            }
        }
        if (!removed_i) ++i;
    }
}

void validate_lists(AttributeRecord* record, const Dictionary* dictionary) {
    validate_list(&record->check_list, CHECK_LIST, dictionary);
    validate_list(&record->return_list, RETURN_LIST, dictionary);
}
