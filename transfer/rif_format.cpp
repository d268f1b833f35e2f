#include "transfer/rif_format.h"

#include <stdio.h>
#include <string.h>

#include "attrs/value_text.h"

namespace {

const char PROPERTY_INDENT[] = "    ";

bool breaks_line(uint8_t c) { return c == '\r' || c == '\n'; }

// The value's text when its bytes are exactly a text and its NUL (or the
// text alone when `nul_optional`); false otherwise.
bool whole_text(const uint8_t* bytes, uint32_t length, bool nul_optional, char* text, uint32_t text_size) {
    uint32_t n = 0;
    while (n < length && bytes[n] != 0) {
        if (breaks_line(bytes[n])) return false;
        ++n;
    }
    bool ends_with_nul = n + 1 == length;
    if (!ends_with_nul && !(nul_optional && n == length)) return false;
    if (n + 1 > text_size) return false;
    memcpy(text, bytes, n);
    text[n] = 0;
    return true;
}

// The number an integer-like type holds, when its length is the one the
// type reads back with.
bool number_of_width(const AttributeInstance& instance, uint32_t width, char* text, uint32_t text_size) {
    if (instance.length != width) return false;
    snprintf(text, text_size, "%lu", (unsigned long)value_number(instance, width));
    return true;
}

bool named_value_text(const AttributeInstance& instance, char* text, uint32_t text_size) {
    switch (instance.stored_type) {
        case AT_INTEGER:
        case AT_HEX8:
        case AT_HEX16:
        case AT_HEX32:
        case AT_INT8:
        case AT_INT16: break;
        default: return false;  // the name form reads back only as one of these numbers
    }
    // A named value reads back in the type's own width: a stored value of
    // another length would come back cut or padded, so it goes in hex.
    if (instance.length != stored_number_width(instance.stored_type)) return false;
    snprintf(text, text_size, "#%s[[[%8.8lX]]]", instance.value_name, (unsigned long)value_number(instance));
    return true;
}

}  // namespace

const char* rif_class_text(const char* cls) {
    if (cls[0] == '+' && cls[1] == '+' && strlen(cls) >= 4) return cls + 4;
    return cls;
}

bool rif_plain_text(const uint8_t* bytes, uint32_t length, char* text, uint32_t text_size) {
    return whole_text(bytes, length, true, text, text_size);
}

bool rif_text_line(const char* name, const char* text, char* line, uint32_t line_size) {
    int written = snprintf(line, line_size, "%s%s=%s", PROPERTY_INDENT, name, text);
    return written >= 0 && (uint32_t)written < line_size;
}

bool rif_hex_line(const char* name, const uint8_t* bytes, uint32_t length, char* line, uint32_t line_size) {
    int head = snprintf(line, line_size, "%s%s^=", PROPERTY_INDENT, name);
    if (head < 0 || (uint64_t)head + 2ull * length + 1 > line_size) return false;
    static const char DIGITS[] = "0123456789ABCDEF";
    char* at = line + head;
    for (uint32_t i = 0; i < length; ++i) {
        *at++ = DIGITS[bytes[i] >> 4];
        *at++ = DIGITS[bytes[i] & 15];
    }
    *at = 0;
    return true;
}

bool rif_attribute_text(const AttributeInstance& instance, char* text, uint32_t text_size) {
    if (instance.state & (IS_UNNAMED_VALUE | IS_LONG_VALUE)) return false;
    if (instance.flags & IF_ECHO) return false;
    if (instance.value_name[0]) return named_value_text(instance, text, text_size);
    // The stored type decides: a reader converts the text by the type code
    // on the line, which is the stored one.
    switch (instance.stored_type) {
        case AT_STRING:
        case AT_STRING_B: return whole_text(instance.data, instance.length, false, text, text_size);
        case AT_INTEGER:
        case AT_HEX8:
        case AT_HEX16:
        case AT_HEX32:
        case AT_INT8:
        case AT_INT16:
        case AT_DATE: return number_of_width(instance, stored_number_width(instance.stored_type), text, text_size);
        case AT_IPADDR:
            if (instance.length != 4) return false;
            format_dotted_address(value_number(instance), text, text_size);
            return true;
        case AT_HEXSTRING:
            if (instance.length == 0) return false;
            format_hex_string(instance.data, instance.length, text, text_size);
            return true;
        case AT_CONSTANT:
            if (instance.length != 0) return false;
            text[0] = 0;
            return true;
        case AT_ADDR_OR_POOL: {
            if (instance.length < 4) return false;
            uint32_t selector = value_number(instance);
            if (selector == ADDR_SELECTOR_ADDRESS && instance.length == 8) {
                char address[16];
                format_dotted_address(value_number(instance, 4, 4), address, sizeof address);
                snprintf(text, text_size, "^%s", address);
                return true;
            }
            // A pool name read back must not look like an address.
            if (selector != ADDR_SELECTOR_POOL || instance.length < 6 || instance.data[4] == '^') return false;
            return whole_text(instance.data + 4, instance.length - 4u, false, text, text_size);
        }
        default: return false;  // no text form
    }
}

bool rif_attribute_line(const char* property, const AttributeInstance& instance, const uint8_t* data, uint32_t length,
                        char* line, uint32_t line_size) {
    char name[RIF_LINE_SIZE];
    snprintf(name, sizeof name, "%s [[[%.4x %.4x %.4x]]]", property, (unsigned)instance.word2, (unsigned)instance.flags,
             (unsigned)instance.stored_type);
    char text[384];
    if (rif_attribute_text(instance, text, sizeof text)) return rif_text_line(name, text, line, line_size);
    return rif_hex_line(name, data, length, line, line_size);
}
