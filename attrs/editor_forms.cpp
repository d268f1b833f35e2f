// What the Add and Change dialogs show for an attribute, and when their
// Add and OK buttons may be pressed.
#include "attrs/editor.h"
#include "resources/strings.h"

ValueControl value_control(const AttributeDefinition& definition, ListKind kind) {
    if (definition.has_values) return VALUE_NAMES;
    switch (definition.type) {
        case AT_ADDR_OR_POOL: return kind.list_bit == ATTR_RETURN ? VALUE_ADDRESS_OR_POOL : VALUE_TEXT;
        case AT_STRING:
        case AT_INTEGER:
        case AT_IPADDR:
        case AT_HEXSTRING:
        case AT_HEX8:
        case AT_HEX16:
        case AT_HEX32:
        case AT_INT8:
        case AT_INT16:
        case AT_STRING_B:
        case AT_DATE: return VALUE_TEXT;
        default: return VALUE_NONE;
    }
}

uint16_t value_prompt(const AttributeDefinition& definition, ListKind kind, bool change) {
    if (definition.has_values) return change ? IDS_PROMPT_CHOOSE_NEW_VALUE : IDS_PROMPT_CHOOSE_VALUE;
    switch (definition.type) {
        case AT_STRING:
        case AT_STRING_B: return change ? IDS_PROMPT_NEW_STRING : IDS_PROMPT_STRING;
        case AT_INTEGER:
        case AT_INT8:
        case AT_INT16: return change ? IDS_PROMPT_NEW_NUMBER : IDS_PROMPT_NUMBER;
        case AT_IPADDR: return change ? IDS_PROMPT_NEW_ADDRESS : IDS_PROMPT_ADDRESS;
        case AT_HEXSTRING: return change ? IDS_PROMPT_NEW_HEX_STRING : IDS_PROMPT_HEX_STRING;
        case AT_HEX8:
        case AT_HEX16:
        case AT_HEX32: return change ? IDS_PROMPT_NEW_HEX_NUMBER : IDS_PROMPT_HEX_NUMBER;
        case AT_ADDR_OR_POOL:  // the same prompt in both dialogs
            return kind.list_bit == ATTR_RETURN ? IDS_PROMPT_POOL_ADDRESS : IDS_PROMPT_NEW_ADDRESS;
        case AT_DATE: return change ? IDS_PROMPT_NEW_TIME : IDS_PROMPT_TIME;
        default: return 0;
    }
}

bool echo_allowed(const AttributeDefinition& definition, ListKind kind) {
    return kind.list_bit == ATTR_RETURN && !multi_valued_on(definition, kind);
}

bool attribute_offered(const AttributeDefinition& definition, ListKind kind) {
    // The user name and the two passwords are the server's, never a list's.
    return allowed_on(definition, kind) && (definition.number < 1 || definition.number > 3);
}

uint16_t no_attributes_message(const Dictionary* dictionary, ListKind kind) {
    if (!dictionary || dictionary->attribute_count == 0) return IDS_DICTIONARY_EMPTY;
    for (uint32_t i = 0; i < dictionary->attribute_count; ++i) {
        if (attribute_offered(dictionary->attributes[i], kind)) return 0;
    }
    return kind.list_bit == ATTR_CHECK ? IDS_DICTIONARY_NO_CHECK_ATTRS : IDS_DICTIONARY_NO_RETURN_ATTRS;
}

bool value_given(const ValueState& state) {
    if (state.echo) return true;
    switch (state.control) {
        case VALUE_NONE:  // a constant is added as it is
            return true;
        case VALUE_NAMES: return state.name_chosen;
        case VALUE_ADDRESS_OR_POOL: return state.pool_checked ? state.pool_chosen : state.text_given;
        default: return state.text_given;
    }
}
