// Reading the attribute lines of users and profiles back: the header
// "PROPERTY [[[word2 flags type]]]" and the value, in the text form of its
// type or as the hexadecimal bytes after "^=", into one instance record.
#pragma once

#include <stdint.h>

#include "attrs/dictionary.h"
#include "transfer/rif_reader.h"

enum AttributeLineStatus : uint8_t {
    ATTR_LINE_OK,
    ATTR_LINE_BAD_HEADER,       // no three hexadecimal numbers after "[[["
    ATTR_LINE_BAD_TYPE,         // a text value for a type with no text form
    ATTR_LINE_NO_VALUE_NUMBER,  // "#NAME" without "[[["
    ATTR_LINE_BAD_HEX_STRING,   // a type-10 text that is no hex form
    ATTR_LINE_BAD_VALUE,        // an address that cannot be read
    ATTR_LINE_VALUE_GUESSED,    // a value name the dictionary lacks: its digits gave the number (a warning)
    ATTR_LINE_VALUE_UNKNOWN,    // a value name the dictionary lacks, and no digits to read
};

// The room for the longest value a line carries: a pool name of 611
// characters after its selector, with its NUL.
const uint32_t ATTRIBUTE_LINE_DATA_SIZE = RIF_LINE_LIMIT + 8;

struct AttributeLine {
    char property[RIF_LINE_LIMIT + 1];
    uint16_t word2;
    uint16_t flags;
    uint16_t type;
    uint8_t data[ATTRIBUTE_LINE_DATA_SIZE];
    uint32_t length;
    // Bytes stored after the record's data without being counted in its
    // length: the 4 that follow a password (see import_password.h).
    uint8_t tail[4];
    uint32_t tail_length;
    char value_name[RIF_LINE_LIMIT + 1];  // the "#" form's name, for the log
};

// Whether a line's name part is an attribute header (holds " [[[").
bool rif_is_attribute_name(const char* name, uint32_t length);

// Reads the line into `out`. Value names are looked up in `values`; null
// (the scan) reads the "#" form's digits and takes no name. Of a guessed
// value the number is kept; every other failure leaves nothing to store.
AttributeLineStatus rif_read_attribute(const RifLine& line, const Dictionary* values, AttributeLine* out);
