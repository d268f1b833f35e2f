// The list text, list line and edit text of an instance.
#include <stdio.h>
#include <string.h>

#include "api/text_field.h"
#include "attrs/value_forms.h"
#include "attrs/value_text.h"
#include "resources/strings.h"

namespace {

enum TextUse { LIST_TEXT, EDIT_TEXT };

void format_type_text(const AttributeInstance& instance, TextUse use, char* text, uint32_t text_size) {
    text[0] = 0;
    switch (instance.type) {
        case AT_STRING:
        case AT_STRING_B: value_text(instance, 0, text, text_size); break;
        case AT_INTEGER: snprintf(text, text_size, "%lu", (unsigned long)value_number(instance, 4)); break;
        case AT_INT8: snprintf(text, text_size, "%lu", (unsigned long)value_number(instance, 1)); break;
        case AT_INT16: snprintf(text, text_size, "%lu", (unsigned long)value_number(instance, 2)); break;
        case AT_HEX8:
        case AT_HEX16:
        case AT_HEX32: {
            uint32_t width = instance.type == AT_HEX8 ? 1 : instance.type == AT_HEX16 ? 2 : 4;
            snprintf(text, text_size, use == LIST_TEXT ? "0x%lx" : "%lx", (unsigned long)value_number(instance, width));
            break;
        }
        case AT_IPADDR: format_dotted_address(value_number(instance), text, text_size); break;
        case AT_HEXSTRING:
            if (use == LIST_TEXT) {
                copy_text(text, text_size, "0x");
                format_hex_string(instance.data, instance.length, text + strlen(text),
                                  text_size - (uint32_t)strlen(text));
            } else {
                format_hex_string(instance.data, instance.length, text, text_size);
            }
            break;
        case AT_CONSTANT:
            if (use == LIST_TEXT) copy_text(text, text_size, string_text(IDS_NOT_APPLICABLE));
            break;
        case AT_ADDR_OR_POOL: {
            uint32_t selector = value_number(instance, 4);
            if (selector == ADDR_SELECTOR_ADDRESS) {
                format_dotted_address(value_number(instance, 4, 4), text, text_size);
            } else if (selector == ADDR_SELECTOR_POOL && use == LIST_TEXT) {
                char pool[MAX_VALUE_LENGTH + 1];
                value_text(instance, 4, pool, sizeof pool);
                snprintf(text, text_size, "<%s>", pool);
            }
            break;
        }
        case AT_DATE: format_date(value_number(instance, 4), text, text_size); break;
        default:  // codes without a text form
            break;
    }
}

}  // namespace

void format_list_text(const AttributeInstance& instance, char* text, uint32_t text_size) {
    if (text_size == 0) return;
    if (instance.state & IS_UNNAMED_VALUE)
        copy_text(text, text_size, string_text(IDS_VALUE_OUT_OF_RANGE_MARK));
    else if (instance.flags & IF_ECHO)
        copy_text(text, text_size, string_text(IDS_ECHO_VALUE));
    else if (instance.value_name[0])
        copy_text(text, text_size, instance.value_name);
    else
        format_type_text(instance, LIST_TEXT, text, text_size);
}

void format_value_line(const AttributeInstance& instance, char* line, uint32_t line_size) {
    char text[VALUE_TEXT_SIZE];
    format_list_text(instance, text, sizeof text);
    snprintf(line, line_size, "%s    \t%s", instance.name, text);
}

void format_edit_text(const AttributeInstance& instance, char* text, uint32_t text_size) {
    if (text_size == 0) return;
    if (instance.value_name[0])
        copy_text(text, text_size, instance.value_name);
    else
        format_type_text(instance, EDIT_TEXT, text, text_size);
}

bool value_pool_name(const AttributeInstance& instance, char* name, uint32_t name_size) {
    if (instance.type != AT_ADDR_OR_POOL || value_number(instance, 4) != ADDR_SELECTOR_POOL) return false;
    value_text(instance, 4, name, name_size);
    return true;
}

uint16_t state_message(uint32_t state) {
    static const struct {
        uint32_t bit;
        uint16_t message;
    } MESSAGES[] = {
        {IS_UNKNOWN_ATTRIBUTE, IDS_ATTR_NOT_IN_DICTIONARY},
        {IS_TYPE_MISMATCH, IDS_ATTR_TYPE_MISMATCH},
        {IS_WRONG_LIST, IDS_ATTR_WRONG_LIST},
        {IS_SINGLE_VALUED, IDS_ATTR_NOT_SINGLE_VALUED},
        {IS_UNNAMED_VALUE, IDS_ATTR_VALUE_OUT_OF_RANGE},
        {IS_NO_PROFILE_MATCH, IDS_ATTR_SUBTRACT_ORPHAN},
        {IS_LONG_VALUE, IDS_ATTR_VALUE_TOO_LONG},
    };
    for (const auto& entry : MESSAGES) {
        if (state & entry.bit) return entry.message;
    }
    return 0;
}
