#include "transfer/rif_attribute_read.h"

#include <string.h>

#include "api/codec.h"
#include "attrs/attribute_instance.h"
#include "attrs/value_text.h"
#include "platform/hex.h"
#include "transfer/rif_format.h"

namespace {

const char HEADER_MARK[] = " [[[";
const uint32_t HEADER_MARK_LENGTH = 4;

const char* find_text(const char* text, uint32_t length, const char* wanted) {
    uint32_t wanted_length = (uint32_t)strlen(wanted);
    for (uint32_t at = 0; at + wanted_length <= length; ++at)
        if (memcmp(text + at, wanted, wanted_length) == 0) return text + at;
    return nullptr;
}

// One hexadecimal number of 1 to 4 digits at *at; blanks before it skipped.
bool read_header_number(const char* text, uint32_t length, uint32_t* at, uint16_t* value) {
    while (*at < length && text[*at] == ' ') ++*at;
    uint32_t number = 0, digits = 0;
    uint8_t digit = 0;
    while (*at < length && hex_digit_value(text[*at], &digit)) {
        if (++digits > 4) return false;
        number = number << 4 | digit;
        ++*at;
    }
    *value = (uint16_t)number;
    return digits > 0;
}

// Base 10 up to the first character that is not a digit, as the file's
// numbers were written ("%lu", or "%ld" by older consoles).
uint32_t read_decimal(const char* text) {
    bool negative = *text == '-';
    if (negative) ++text;
    uint64_t number = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        number = number * 10 + (uint64_t)(*text - '0');
        if (number > 0xFFFFFFFFull) number = 0xFFFFFFFFull;
    }
    return negative ? (uint32_t)(0u - (uint32_t)number) : (uint32_t)number;
}

void store_number(AttributeLine* out, uint32_t number, uint32_t width) {
    uint8_t bytes[4];
    put_le32(bytes, number);
    memcpy(out->data, bytes, width);
    out->length = width;
}

void store_text(AttributeLine* out, uint32_t offset, const char* text, uint32_t length) {
    memcpy(out->data + offset, text, length);
    out->data[offset + length] = 0;
    out->length = offset + length + 1;
}

// "#NAME[[[XXXXXXXX]]]".
AttributeLineStatus read_named_value(const RifLine& line, const Dictionary* values, AttributeLine* out,
                                     uint32_t* number) {
    const char* text = line.text + 1;
    uint32_t length = line.text_length - 1;
    const char* open = find_text(text, length, "[[[");
    if (!open) return ATTR_LINE_NO_VALUE_NUMBER;
    uint32_t name_length = (uint32_t)(open - text);
    memcpy(out->value_name, text, name_length);
    out->value_name[name_length] = 0;
    char digits[9] = "";
    const char* digits_at = open + 3;
    const char* close = find_text(digits_at, (uint32_t)(text + length - digits_at), "]]]");
    uint32_t digit_count = close ? (uint32_t)(close - digits_at) : 0;
    bool readable = digit_count > 0 && digit_count < sizeof digits;
    if (readable) {
        memcpy(digits, digits_at, digit_count);
        digits[digit_count] = 0;
        readable = parse_hex_number(digits, number);
    }
    if (!values) return ATTR_LINE_OK;  // the scan does not look names up
    if (value_for_name(values, out->property, out->value_name, number)) return ATTR_LINE_OK;
    return readable ? ATTR_LINE_VALUE_GUESSED : ATTR_LINE_VALUE_UNKNOWN;
}

AttributeLineStatus read_text_value(const RifLine& line, const Dictionary* values, AttributeLine* out) {
    switch (out->type) {
        case AT_STRING:
        case 5:  // the password's digest and scrambled forms
        case 6:
        case AT_STRING_B: store_text(out, 0, line.text, line.text_length); return ATTR_LINE_OK;
        case AT_INTEGER:
        case AT_HEX8:
        case AT_HEX16:
        case AT_HEX32:
        case AT_INT8:
        case AT_INT16: {
            uint32_t number = 0;
            AttributeLineStatus status = ATTR_LINE_OK;
            if (line.text_length > 0 && line.text[0] == '#')
                status = read_named_value(line, values, out, &number);
            else
                number = read_decimal(line.text);
            if (status == ATTR_LINE_OK || status == ATTR_LINE_VALUE_GUESSED)
                store_number(out, number, stored_number_width(out->type));
            return status;
        }
        case AT_DATE: store_number(out, read_decimal(line.text), 4); return ATTR_LINE_OK;
        case AT_IPADDR: {
            uint32_t address = 0;
            if (!parse_dotted_quad(line.text, &address)) return ATTR_LINE_BAD_VALUE;
            store_number(out, address, 4);
            return ATTR_LINE_OK;
        }
        case AT_HEXSTRING:
            if (!parse_hex_string(line.text, out->data, sizeof out->data, &out->length))
                return ATTR_LINE_BAD_HEX_STRING;
            return ATTR_LINE_OK;
        case AT_CONSTANT: out->length = 0; return ATTR_LINE_OK;
        case AT_ADDR_OR_POOL: {
            if (line.text_length > 0 && line.text[0] == '^') {
                uint32_t address = 0;
                if (!parse_dotted_quad(line.text + 1, &address)) return ATTR_LINE_BAD_VALUE;
                put_le32(out->data, ADDR_SELECTOR_ADDRESS);
                put_le32(out->data + 4, address);
                out->length = 8;
                return ATTR_LINE_OK;
            }
            put_le32(out->data, ADDR_SELECTOR_POOL);
            store_text(out, 4, line.text, line.text_length);
            return ATTR_LINE_OK;
        }
        default: return ATTR_LINE_BAD_TYPE;
    }
}

}  // namespace

bool rif_is_attribute_name(const char* name, uint32_t length) {
    return find_text(name, length, HEADER_MARK) != nullptr;
}

AttributeLineStatus rif_read_attribute(const RifLine& line, const Dictionary* values, AttributeLine* out) {
    out->length = 0;
    out->tail_length = 0;
    out->value_name[0] = 0;
    const char* mark = find_text(line.name, line.name_length, HEADER_MARK);
    uint32_t property_length = mark ? (uint32_t)(mark - line.name) : line.name_length;
    memcpy(out->property, line.name, property_length);
    out->property[property_length] = 0;
    if (!mark) return ATTR_LINE_BAD_HEADER;
    const char* header = mark + HEADER_MARK_LENGTH;
    uint32_t header_length = line.name_length - property_length - HEADER_MARK_LENGTH;
    uint32_t at = 0;
    if (!read_header_number(header, header_length, &at, &out->word2) ||
        !read_header_number(header, header_length, &at, &out->flags) ||
        !read_header_number(header, header_length, &at, &out->type))
        return ATTR_LINE_BAD_HEADER;
    if (line.hex) {
        // The bytes as they were stored, whatever the type.
        memcpy(out->data, line.bytes, line.byte_count);
        out->length = line.byte_count;
        return ATTR_LINE_OK;
    }
    return read_text_value(line, values, out);
}
