// What a value looks like and how typed text becomes one, per type code.
#pragma once

#include <stdint.h>

#include "attrs/attribute_instance.h"
#include "attrs/dictionary.h"

// Room for any list or edit text (128 data bytes in hex form take 290).
const uint32_t VALUE_TEXT_SIZE = 320;
// Room for a whole list line: name, four spaces, a tab, the list text.
const uint32_t VALUE_LINE_SIZE = 32 + 5 + VALUE_TEXT_SIZE;

// The text after the tab of a list line: out-of-range mark, echo text, the
// kept value name, or the type's list text (empty for types without one).
void format_list_text(const AttributeInstance& instance, char* text, uint32_t text_size);
// "%s    \t%s": the attribute name, four spaces, a tab, the list text.
void format_value_line(const AttributeInstance& instance, char* line, uint32_t line_size);
// The text put into the edit field when the value is changed: the value
// name, or the type's edit text (empty for a pool choice, constants and
// types without a text form).
void format_edit_text(const AttributeInstance& instance, char* text, uint32_t text_size);
// The pool name of an address-or-pool value that names a pool; false otherwise.
bool value_pool_name(const AttributeInstance& instance, char* name, uint32_t name_size);

// The message of the lowest error bit of `state`, or 0 when none is set.
uint16_t state_message(uint32_t state);

struct ParsedValue {
    uint16_t length;
    uint8_t data[MAX_VALUE_LENGTH];
    char value_name[32];  // the chosen name for a named-value attribute
};

// Converts typed text for `definition` on the list `kind`. For a named-value
// attribute the text is the chosen name. `pool` is the chosen pool name when
// "assign from pool" is checked on the return list ("" when none is chosen),
// null otherwise. On failure the message is shown (owned by `owner`) and its
// string id returned; 0 on success.
uint16_t parse_value(void* owner, const char* text, const AttributeDefinition& definition, ListKind kind,
                     const char* pool, const Dictionary* dictionary, ParsedValue* out);

// Two instances of one attribute: the same value, by `a`'s type code.
bool values_equal(const AttributeInstance& a, const AttributeInstance& b);
// Whether `added` sorts before `existing` within their attribute's group.
bool value_before(const AttributeInstance& added, const AttributeInstance& existing);
