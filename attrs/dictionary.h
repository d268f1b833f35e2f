// The attribute dictionary the console fetches from the server: the
// attribute table and the value-name table, and the lookups every attribute
// Part uses. Lookups compare names exactly, byte for byte.
#pragma once

#include <stdint.h>

// Bits of AttributeDefinition::flags.
const uint16_t ATTR_CHECK = 0x01;         // may stand on the check list
const uint16_t ATTR_CHECK_MULTI = 0x02;   // more than once there
const uint16_t ATTR_RETURN = 0x04;        // may stand on the return list
const uint16_t ATTR_RETURN_MULTI = 0x08;  // more than once there
const uint16_t ATTR_ORDERABLE = 0x10;     // the order of its instances is the administrator's

// A list kind is its pair of (list bit, multi bit).
struct ListKind {
    uint16_t list_bit;
    uint16_t multi_bit;
};
const ListKind CHECK_LIST = {ATTR_CHECK, ATTR_CHECK_MULTI};
const ListKind RETURN_LIST = {ATTR_RETURN, ATTR_RETURN_MULTI};

struct AttributeDefinition {
    char name[32];
    uint32_t number;
    uint32_t type;
    uint16_t flags;
    bool has_values;  // the value-name table names values of it (case ignored)
};

struct AttributeValueName {
    char attribute[32];
    char name[32];
    uint32_t value;
    uint16_t aux;  // sent by the server with each entry; kept, not interpreted
};

// Either table may be absent (count 0, null). Entries are in the order received.
struct Dictionary {
    uint32_t attribute_count;
    AttributeDefinition* attributes;
    uint32_t value_count;
    AttributeValueName* values;
};

inline bool allowed_on(const AttributeDefinition& definition, ListKind kind) {
    return (definition.flags & kind.list_bit) != 0;
}
inline bool multi_valued_on(const AttributeDefinition& definition, ListKind kind) {
    return (definition.flags & kind.multi_bit) != 0;
}
inline bool is_orderable(const AttributeDefinition& definition) { return (definition.flags & ATTR_ORDERABLE) != 0; }

// Frees both tables and leaves the dictionary empty.
void dictionary_free(Dictionary* dictionary);

// The program's dictionary: the one the user and profile panels use.
Dictionary* program_dictionary();
bool dictionary_loaded(const Dictionary* dictionary);  // an attribute table is held

// Index in the attribute table, or -1.
int32_t find_attribute(const Dictionary* dictionary, const char* name);
// The definition of `name`, or null.
const AttributeDefinition* find_definition(const Dictionary* dictionary, const char* name);
// The name of the first attribute with that number, or null.
const char* attribute_name_for_number(const Dictionary* dictionary, uint32_t number);
// Index of the first value name of `attribute`, or -1.
int32_t first_value_index(const Dictionary* dictionary, const char* attribute);
// The name of `value` among the names of `attribute` (which stand together),
// or "" when it has none.
const char* value_name_for(const Dictionary* dictionary, const char* attribute, uint32_t value);
// The value of the first entry with both names; false when there is none.
bool value_for_name(const Dictionary* dictionary, const char* attribute, const char* name, uint32_t* value);

// Fetches the server's default dictionary (no name) or a named one into the
// program's dictionary, replacing what it held. Failures the administrator
// must hear about are shown in a box titled "ERROR", owned by `owner`.
// Returns true when loaded; after a failure both tables are empty.
bool load_dictionary(void* owner, const char* name);
// The same into a dictionary of the caller's (the users-file import keeps
// its own pair next to the program's).
bool load_dictionary_into(Dictionary* dictionary, void* owner, const char* name);
