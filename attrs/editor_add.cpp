// Add New Attribute: where a new value goes, and what it replaces.
#include <string.h>

#include "attrs/editor_steps.h"
#include "resources/strings.h"

namespace {

// Echo on the return list: the echo instance takes the place of the first
// instance of the name, or of none.
EditOutcome add_echo(const EditorTarget& target, AttributeInstance added) {
    AttributeList& list = list_of(target.record, target.kind);
    added.flags |= IF_ECHO;
    int32_t first = find_first(list, added.name);
    if (first < 0) {
        uint16_t position = insert_position(list, added, false);
        if (!insert_or_report(target, position, added)) return {EDIT_REFUSED, IDS_MEMORY_ALLOCATION_FAILURE, -1};
        return edit_done(position);
    }
    AttributeInstance& replaced = list.items[first];
    if (is_profile_instance(replaced) || is_subtract_instance(replaced)) added.state |= IS_OVERWRITE;
    replaced = added;
    return edit_done(first);
}

// A value the list already holds: an inherited or subtracted one becomes
// the user's own; an own one stays as it is.
int32_t take_identical(const EditorTarget& target, int32_t same) {
    AttributeInstance& found = list_of(target.record, target.kind).items[same];
    if (is_profile_instance(found) || is_subtract_instance(found)) {
        make_own(&found);
        found.state |= IS_OVERWRITE;
        if (target.kind.list_bit == ATTR_RETURN) found.flags &= ~IF_ECHO;
    }
    return same;
}

// An orderable attribute: the user's own values replace the profile's as a
// whole, the new one at the end of the group.
int32_t insert_orderable(const EditorTarget& target, AttributeInstance added) {
    AttributeList& list = list_of(target.record, target.kind);
    for (uint16_t i = list.count; i-- > 0;) {
        AttributeInstance& instance = list.items[i];
        if (strcmp(instance.name, added.name) != 0) continue;
        if (is_profile_instance(instance)) {
            attribute_list_remove(&list, i);
            added.state |= IS_OVERWRITE;
        } else if (instance.state & IS_OVERWRITE) {
            added.state |= IS_OVERWRITE;
        }
    }
    uint16_t position = insert_position(list, added, false);
    return insert_or_report(target, position, added) ? position : -1;
}

}  // namespace

EditOutcome editor_add(const EditorTarget& target, const AttributeDefinition& definition, const ValueEntry& entry) {
    AttributeList& list = list_of(target.record, target.kind);
    AttributeInstance added = blank_instance(definition, target.kind);
    bool multi = multi_valued_on(definition, target.kind);
    if (entry.echo && echo_allowed(definition, target.kind)) return add_echo(target, added);

    ParsedValue value;
    uint16_t failure = parse_value(target.owner, entry.text ? entry.text : "", definition, target.kind, entry.pool,
                                   target.dictionary, &value);
    if (failure) return {EDIT_REFUSED, failure, -1};
    set_value(&added, value);

    int32_t at = -1;
    int32_t first = find_first(list, added.name);
    int32_t same = find_identical(list, added);
    if (!multi && first >= 0) {
        AttributeInstance& existing = list.items[first];
        if (!is_profile_instance(existing) && !is_subtract_instance(existing))
            return edit_refused(target, IDS_SINGLE_INSTANCE_ONLY);
        added.state |= IS_OVERWRITE;
        existing = added;
        at = first;
    } else if (same >= 0) {
        at = take_identical(target, same);
    } else {
        if (multi && !property_space_ok(*target.record, added)) return edit_refused(target, IDS_ATTR_NO_SPACE);
        if (is_orderable(definition)) {
            at = insert_orderable(target, added);
        } else {
            uint16_t position = insert_position(list, added, true);
            at = insert_or_report(target, position, added) ? position : -1;
        }
        if (at < 0) return {EDIT_REFUSED, IDS_MEMORY_ALLOCATION_FAILURE, -1};
    }
    if (target.kind.list_bit == ATTR_CHECK) apply_default_rule(&list, (uint16_t)at, definition, entry.default_value);
    return edit_done(at);
}
