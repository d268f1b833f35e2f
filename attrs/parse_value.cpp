// Typed text to a stored value, per type code, with the message for each
// kind of bad input.
#include <stdio.h>
#include <string.h>

#include "api/codec.h"
#include "api/text_field.h"
#include "attrs/error_box.h"
#include "attrs/value_forms.h"
#include "attrs/value_text.h"
#include "resources/strings.h"

namespace {

void put_number(ParsedValue* out, uint32_t value, uint16_t width) {
    uint8_t bytes[4];
    put_le32(bytes, value);
    memcpy(out->data, bytes, width);
    out->length = width;
}

// The number types: how the text is read, the largest value and its
// message, and the stored width.
struct NumberRule {
    uint32_t type;
    bool hex;
    uint32_t limit;  // 0: any 32-bit value
    uint16_t too_large;
    uint16_t width;
};
const NumberRule NUMBER_RULES[] = {
    {AT_INTEGER, false, 0, 0, 4},
    {AT_INT8, false, 0x100, IDS_NUMBER_BELOW_256, 1},
    {AT_INT16, false, 0x10000, IDS_NUMBER_BELOW_65536, 2},
    {AT_HEX8, true, 0x100, IDS_HEX_BELOW_FF, 1},
    {AT_HEX16, true, 0x10000, IDS_HEX_BELOW_FFFF, 2},
    {AT_HEX32, true, 0, 0, 4},
};

uint16_t parse_number(const char* text, const NumberRule& rule, ParsedValue* out) {
    uint32_t value = 0;
    if (rule.hex ? !parse_hex_number(text, &value) : !parse_unsigned_number(text, &value))
        return rule.hex ? IDS_INVALID_HEX_NUMBER : IDS_INPUT_NOT_NUMERIC;
    if (rule.limit && value >= rule.limit) return rule.too_large;
    put_number(out, value, rule.width);
    return 0;
}

uint16_t parse_address_or_pool(const char* text, ListKind kind, const char* pool, ParsedValue* out) {
    if (pool && kind.list_bit == ATTR_RETURN) {
        size_t length = strlen(pool);
        // A pool name must be chosen, and with its NUL fit after the selector.
        if (length == 0 || 4 + length + 1 > MAX_VALUE_LENGTH) return IDS_SELECT_POOL;
        put_le32(out->data, ADDR_SELECTOR_POOL);
        memcpy(out->data + 4, pool, length + 1);
        out->length = (uint16_t)(4 + length + 1);
        return 0;
    }
    uint32_t address = 0;
    if (!parse_dotted_address(text, &address)) return IDS_RESOLVE_FAILED;
    put_le32(out->data, ADDR_SELECTOR_ADDRESS);
    put_le32(out->data + 4, address);
    out->length = 8;
    return 0;
}

uint16_t convert(const char* text, const AttributeDefinition& definition, ListKind kind, const char* pool,
                 const Dictionary* dictionary, ParsedValue* out) {
    if (definition.has_values) {
        uint32_t value = 0;
        if (!value_for_name(dictionary, definition.name, text, &value)) return IDS_ATTR_VALUE_OUT_OF_RANGE;
        put_number(out, value, 4);
        copy_text(out->value_name, sizeof out->value_name, text);
        return 0;
    }
    for (const NumberRule& rule : NUMBER_RULES) {
        if (rule.type == definition.type) return parse_number(text, rule, out);
    }
    switch (definition.type) {
        case AT_STRING:
        case AT_STRING_B:
            out->length = (uint16_t)(strlen(text) + 1);  // at most 127 characters and the NUL
            memcpy(out->data, text, out->length);
            return 0;
        case AT_HEXSTRING: {
            uint32_t length = 0;
            if (!parse_hex_string(text, out->data, MAX_HEX_STRING_LENGTH, &length)) return IDS_INVALID_HEX_STRING;
            out->length = (uint16_t)length;
            return 0;
        }
        case AT_IPADDR: {
            uint32_t address = 0;
            if (!parse_dotted_address(text, &address)) return IDS_RESOLVE_FAILED;
            put_number(out, address, 4);
            return 0;
        }
        case AT_ADDR_OR_POOL: return parse_address_or_pool(text, kind, pool, out);
        case AT_DATE: {
            uint32_t seconds = 0;
            if (!parse_date(text, &seconds)) return IDS_INVALID_DATE;
            put_number(out, seconds, 4);
            return 0;
        }
        default:  // constants, and codes without a text form, have no value
            return 0;
    }
}

}  // namespace

uint16_t parse_value(void* owner, const char* text, const AttributeDefinition& definition, ListKind kind,
                     const char* pool, const Dictionary* dictionary, ParsedValue* out) {
    memset(out, 0, sizeof *out);
    char typed[MAX_TYPED_TEXT + 1];
    copy_text(typed, sizeof typed, text);  // the edit field's limit
    size_t length = strlen(typed);
    while (length > 0 && (typed[length - 1] == ' ' || typed[length - 1] == '\t')) typed[--length] = 0;

    uint16_t failure = convert(typed, definition, kind, pool, dictionary, out);
    if (failure == IDS_RESOLVE_FAILED) {
        char message[256];
        snprintf(message, sizeof message, string_text(IDS_RESOLVE_FAILED), typed);
        show_error_text(owner, message);
    } else if (failure != 0) {
        show_error(owner, failure);
    }
    if (failure != 0) memset(out, 0, sizeof *out);
    return failure;
}
