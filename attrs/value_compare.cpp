// Equality and order of two values of one attribute.
#include <string.h>

#include "attrs/text_compare.h"
#include "attrs/value_forms.h"

namespace {

int compare_text_nocase(const AttributeInstance& a, uint32_t a_offset, const AttributeInstance& b, uint32_t b_offset) {
    uint32_t a_length = a.length > a_offset ? a.length - a_offset : 0;
    uint32_t b_length = b.length > b_offset ? b.length - b_offset : 0;
    return compare_nocase((const char*)a.data + a_offset, a_length, (const char*)b.data + b_offset, b_length);
}

// Types whose values compare as unsigned numbers (an address is its number,
// first octet most significant).
bool compares_as_number(uint32_t type) {
    switch (type) {
        case AT_INTEGER:
        case AT_IPADDR:
        case AT_HEX8:
        case AT_HEX16:
        case AT_HEX32:
        case AT_INT8:
        case AT_INT16:
        case AT_DATE: return true;
        default: return false;
    }
}

bool same_bytes(const AttributeInstance& a, const AttributeInstance& b) {
    return a.length == b.length && memcmp(a.data, b.data, a.length) == 0;
}

}  // namespace

bool values_equal(const AttributeInstance& a, const AttributeInstance& b) {
    if (compares_as_number(a.type)) return value_number(a) == value_number(b);
    switch (a.type) {
        case AT_STRING:
        case AT_STRING_B: {
            char a_text[MAX_VALUE_LENGTH + 1], b_text[MAX_VALUE_LENGTH + 1];
            value_text(a, 0, a_text, sizeof a_text);
            value_text(b, 0, b_text, sizeof b_text);
            return strcmp(a_text, b_text) == 0;
        }
        case AT_HEXSTRING:
        case AT_ADDR_OR_POOL:
            // The whole value: a value that only starts like another is a different value.
            return same_bytes(a, b);
        case AT_CONSTANT: return true;
        default: return false;
    }
}

bool value_before(const AttributeInstance& added, const AttributeInstance& existing) {
    if (compares_as_number(added.type)) return value_number(added) < value_number(existing);
    switch (added.type) {
        case AT_STRING:
        case AT_STRING_B: return compare_text_nocase(added, 0, existing, 0) < 0;
        case AT_HEXSTRING: {
            uint32_t shorter = added.length < existing.length ? added.length : existing.length;
            int order = memcmp(added.data, existing.data, shorter);
            return order < 0 || (order == 0 && added.length < existing.length);
        }
        case AT_ADDR_OR_POOL: {
            uint32_t added_selector = value_number(added);
            uint32_t existing_selector = value_number(existing);
            if (added_selector != existing_selector) return added_selector < existing_selector;
            if (added_selector == ADDR_SELECTOR_ADDRESS)
                return value_number(added, 4, 4) < value_number(existing, 4, 4);
            return compare_text_nocase(added, 4, existing, 4) < 0;
        }
        case AT_CONSTANT: return true;
        default: return false;
    }
}
