// Steps the Add and Change rules share.
#pragma once

#include "attrs/editor.h"
#include "attrs/value_forms.h"

inline EditOutcome edit_done(int32_t selection) { return {EDIT_DONE, 0, selection}; }
inline EditOutcome edit_unchanged(int32_t selection) { return {EDIT_UNCHANGED, 0, selection}; }
// Shows the message; the dialog stays open.
EditOutcome edit_refused(const EditorTarget& target, uint16_t message);

// A fresh own instance of the attribute for the list, without a value.
AttributeInstance blank_instance(const AttributeDefinition& definition, ListKind kind);
// Gives the instance a converted value, in place of any it had.
void set_value(AttributeInstance* instance, const ParsedValue& value);
// An inherited or subtract instance becomes an own one.
void make_own(AttributeInstance* instance);
// Inserts, or shows the memory message; false when it could not.
bool insert_or_report(const EditorTarget& target, uint16_t position, const AttributeInstance& instance);
