// Change Attribute Value: a row's new value, and what becomes of the row,
// of an identical row and of the profile's value it stood for.
#include <string.h>

#include "attrs/editor_steps.h"
#include "attrs/error_box.h"
#include "resources/strings.h"

namespace {

struct Change {
    const EditorTarget& target;
    const AttributeDefinition& definition;
    uint16_t index;
    const ValueEntry& entry;
    AttributeInstance fresh;  // the edited row with the new value, echo cleared

    AttributeList& list() { return list_of(target.record, target.kind); }
    AttributeInstance& edited() { return list().items[index]; }
    bool on_check_list() const { return target.kind.list_bit == ATTR_CHECK; }
    bool default_differs() { return on_check_list() && ((edited().flags & IF_DEFAULT) != 0) != entry.default_value; }
    EditOutcome finish(int32_t at) {
        if (on_check_list()) apply_default_rule(&list(), (uint16_t)at, definition, entry.default_value);
        return edit_done(at);
    }
};

// An inherited row the administrator changes becomes the user's own.
void take_over(AttributeInstance* instance) {
    if (!is_profile_instance(*instance)) return;
    make_own(instance);
    instance->state |= IS_OVERWRITE;
}

// The value stays what it was: only Default (check list) may change, and an
// inherited row becomes own when it does.
EditOutcome keep_value(Change& change) {
    if (!change.default_differs()) return edit_unchanged(change.index);
    take_over(&change.edited());
    return change.finish(change.index);
}

// Return list, single-valued: Echo on, or off again with the value the row
// kept; an inherited row that changes becomes the user's own.
EditOutcome change_echo(Change& change) {
    AttributeInstance& edited = change.edited();
    bool echo_now = (edited.flags & IF_ECHO) != 0;
    if (echo_now == change.entry.echo) return edit_unchanged(change.index);
    edited.flags = (uint16_t)(change.entry.echo ? edited.flags | IF_ECHO : edited.flags & ~IF_ECHO);
    take_over(&edited);
    return edit_done(change.index);
}

// The row takes the new value where it stands.
EditOutcome replace_in_place(Change& change) {
    AttributeInstance& edited = change.edited();
    take_over(&edited);
    uint16_t flags = edited.flags;
    uint32_t state = edited.state;
    edited = change.fresh;
    edited.flags = (uint16_t)((flags & ~IF_ECHO) | IF_ORDINARY);
    edited.state = state & ~IS_UNNAMED_VALUE;
    return change.finish(change.index);
}

// Orderable: the new value keeps the row's place in its group; a value
// standing elsewhere in the group is refused, as a second copy of it.
EditOutcome change_orderable(Change& change) {
    AttributeList& list = change.list();
    for (int32_t j = find_identical(list, change.fresh); j >= 0;
         j = find_identical(list, change.fresh, (uint16_t)(j + 1))) {
        if (j != change.index) return edit_refused(change.target, IDS_ATTR_DUPLICATE);
    }
    if (find_identical(list, change.fresh, change.index) == change.index) return keep_value(change);
    if (multi_valued_on(change.definition, change.target.kind)) {
        AttributeInstance& edited = change.edited();
        uint16_t old_length = edited.length;
        edited.length = 0;  // the new value takes the old one's room
        bool fits = property_space_ok(*change.target.record, change.fresh);
        edited.length = old_length;
        if (!fits) {
            show_error(change.target.owner, IDS_ATTR_NO_SPACE);
            return {EDIT_REFUSED_CLOSE, IDS_ATTR_NO_SPACE, change.index};
        }
    }
    if (is_profile_instance(change.edited())) {
        // The profile's values stand or fall together: the user takes them all.
        for (uint16_t i = 0; i < list.count; ++i) {
            if (strcmp(list.items[i].name, change.fresh.name) == 0) take_over(&list.items[i]);
        }
    }
    return replace_in_place(change);
}

// An identical row that is inherited or subtracted becomes the user's own;
// the edited row gives way to it.
EditOutcome take_identical(Change& change, int32_t same) {
    AttributeList& list = change.list();
    AttributeInstance& found = list.items[same];
    bool was_profile = is_profile_instance(found);
    make_own(&found);
    if (was_profile) found.state |= IS_OVERWRITE;
    AttributeInstance& edited = change.edited();
    if (is_profile_instance(edited)) {
        edited.state &= ~IS_PROFILE;
        edited.flags = (uint16_t)((edited.flags & ~IF_ORDINARY) | IF_SUBTRACT);
        return change.finish(same);
    }
    attribute_list_remove(&list, change.index);
    return change.finish(same > change.index ? same - 1 : same);
}

// A new value of a multi-valued attribute: added by value; the edited row
// is removed, or, when it stood for the profile's value, gives it back.
EditOutcome insert_new_value(Change& change) {
    if (!property_space_ok(*change.target.record, change.fresh)) {
        show_error(change.target.owner, IDS_ATTR_NO_SPACE);
        return {EDIT_REFUSED_CLOSE, IDS_ATTR_NO_SPACE, change.index};
    }
    AttributeList& list = change.list();
    AttributeInstance added = change.fresh;
    added.state = 0;
    added.flags = (uint16_t)(IF_ORDINARY | (change.on_check_list() ? IF_CHECK : IF_RETURN));
    uint16_t position = insert_position(list, added, true);
    if (!insert_or_report(change.target, position, added)) return {EDIT_REFUSED, IDS_MEMORY_ALLOCATION_FAILURE, -1};
    uint16_t old = (uint16_t)(change.index >= position ? change.index + 1 : change.index);
    AttributeInstance& edited = list.items[old];
    if (is_profile_instance(edited)) {
        edited.state &= ~IS_PROFILE;
        edited.flags = (uint16_t)((edited.flags & ~IF_ORDINARY) | IF_SUBTRACT);
    } else if (edited.state & IS_OVERWRITE) {
        edited.state = (edited.state & ~IS_OVERWRITE) | IS_PROFILE;
    } else {
        attribute_list_remove(&list, old);
        if (old < position) --position;
    }
    return change.finish(position);
}

EditOutcome change_value(Change& change) {
    if (change.target.kind.list_bit == ATTR_RETURN && !multi_valued_on(change.definition, change.target.kind)) {
        // With Echo the row's own value is what it keeps.
        if (change.entry.echo || find_identical(change.list(), change.fresh, change.index) == change.index)
            return change_echo(change);
    }
    if (is_orderable(change.definition)) return change_orderable(change);

    AttributeList& list = change.list();
    int32_t own = -1, inherited = -1;
    for (int32_t j = find_identical(list, change.fresh); j >= 0;
         j = find_identical(list, change.fresh, (uint16_t)(j + 1))) {
        const AttributeInstance& found = list.items[j];
        bool plain = !is_profile_instance(found) && !is_subtract_instance(found);
        if (plain && own < 0) own = j;
        if (!plain && inherited < 0) inherited = j;
    }
    if (own >= 0) {
        if (own != change.index) return edit_refused(change.target, IDS_ATTR_DUPLICATE);
        return keep_value(change);
    }
    if (inherited == change.index) return keep_value(change);
    if (inherited >= 0) return take_identical(change, inherited);
    if (multi_valued_on(change.definition, change.target.kind)) return insert_new_value(change);

    return replace_in_place(change);
}

}  // namespace

uint16_t editor_check_change(const EditorTarget& target, uint16_t index) {
    const AttributeList& list = list_of(target.record, target.kind);
    if (index >= list.count) return 0;
    const AttributeInstance& instance = list.items[index];
    uint16_t message = state_message(instance.state);
    if (!message && is_subtract_instance(instance)) message = IDS_SUBTRACTED_NOT_CHANGEABLE;
    if (!message && instance.type == AT_CONSTANT) message = IDS_CONSTANT_NOT_CHANGEABLE;
    if (!message && !find_definition(target.dictionary, instance.name)) message = IDS_ATTR_NOT_IN_DICTIONARY;
    if (message) show_error(target.owner, message);
    return message;
}

EditOutcome editor_change(const EditorTarget& target, uint16_t index, const ValueEntry& entry) {
    const AttributeList& list = list_of(target.record, target.kind);
    if (index >= list.count) return {EDIT_REFUSED, 0, -1};
    const AttributeDefinition* definition = find_definition(target.dictionary, list.items[index].name);
    if (!definition) return {EDIT_REFUSED, 0, -1};
    ValueEntry settled = entry;
    settled.echo = entry.echo && echo_allowed(*definition, target.kind);
    AttributeInstance fresh = list.items[index];
    fresh.type = definition->type;
    fresh.stored_type = (uint16_t)definition->type;
    fresh.flags &= ~IF_ECHO;
    if (!settled.echo) {
        ParsedValue value;
        uint16_t failure = parse_value(target.owner, entry.text ? entry.text : "", *definition, target.kind, entry.pool,
                                       target.dictionary, &value);
        if (failure) return {EDIT_REFUSED, failure, -1};
        set_value(&fresh, value);
    }
    Change change = {target, *definition, index, settled, fresh};
    return change_value(change);
}
