// One attribute instance: a value on a user's or profile's check list or
// return list, as stored in the database and as held in memory.
#pragma once

#include <stdint.h>

// Value type codes.
enum AttributeType : uint32_t {
    AT_STRING = 0,
    AT_INTEGER = 1,
    AT_IPADDR = 2,
    AT_HEXSTRING = 10,
    AT_HEX8 = 11,
    AT_HEX16 = 12,
    AT_HEX32 = 13,
    AT_INT8 = 14,
    AT_INT16 = 15,
    AT_STRING_B = 16,
    AT_CONSTANT = 17,
    AT_ADDR_OR_POOL = 18,
    AT_DATE = 19,
};

const uint16_t MAX_VALUE_LENGTH = 128;      // data bytes an instance holds in memory
const uint16_t MAX_HEX_STRING_LENGTH = 63;  // bytes of a typed hex string
const uint32_t MAX_TYPED_TEXT = 127;        // characters of a typed value

// Selector word of an AT_ADDR_OR_POOL value.
const uint32_t ADDR_SELECTOR_ADDRESS = 0;
const uint32_t ADDR_SELECTOR_POOL = 1;

// Instance flags (stored).
const uint16_t IF_ORDINARY = 0x01;
const uint16_t IF_SUBTRACT = 0x02;  // removes the identical instance inherited from the profile
const uint16_t IF_DEFAULT = 0x04;   // check list: the attribute's default value
const uint16_t IF_ECHO = 0x08;      // return list: echo the received value; no value of its own
const uint16_t IF_CHECK = 0x10;
const uint16_t IF_RETURN = 0x20;

// Instance state (memory only).
const uint32_t IS_UNKNOWN_ATTRIBUTE = 0x001;
const uint32_t IS_TYPE_MISMATCH = 0x002;
const uint32_t IS_WRONG_LIST = 0x004;
const uint32_t IS_SINGLE_VALUED = 0x008;     // more than one instance of a single-valued attribute
const uint32_t IS_UNNAMED_VALUE = 0x010;     // named-value attribute whose number has no name
const uint32_t IS_NO_PROFILE_MATCH = 0x040;  // subtract instance matching nothing in the profile
// The stored value is longer than an instance holds: only its first 128
// bytes are in memory; a save writes the stored record back whole.
const uint32_t IS_LONG_VALUE = 0x080;
const uint32_t IS_PROFILE = 0x100;
const uint32_t IS_OVERWRITE = 0x200;
const uint32_t IS_WRITTEN = 0x400;
const uint32_t IS_ERROR_BITS = IS_UNKNOWN_ATTRIBUTE | IS_TYPE_MISMATCH | IS_WRONG_LIST | IS_SINGLE_VALUED |
                               IS_UNNAMED_VALUE | IS_NO_PROFILE_MATCH | IS_LONG_VALUE;

struct AttributeInstance {
    char name[32];
    char value_name[32];  // the value's name when the attribute has named values
    uint32_t number;      // from the dictionary; 0 when the dictionary lacks the attribute
    uint32_t type;        // from the dictionary, else the stored type
    uint32_t state;
    uint16_t word2;  // the property's second word, as read
    // The instance record exactly as stored (6 + length bytes).
    uint16_t stored_type;
    uint16_t length;  // never more than MAX_VALUE_LENGTH
    uint16_t flags;
    uint8_t data[MAX_VALUE_LENGTH];
    // IS_LONG_VALUE only: the stored data length, and the record's position
    // in its property, by which a save finds the stored record again. A save
    // notes where it writes the record (written_index), which becomes the
    // position once the save has succeeded.
    uint16_t long_length;
    uint16_t long_index;
    uint16_t written_index;
};

inline bool is_profile_instance(const AttributeInstance& instance) { return (instance.state & IS_PROFILE) != 0; }
inline bool is_subtract_instance(const AttributeInstance& instance) { return (instance.flags & IF_SUBTRACT) != 0; }
inline bool on_check_list(const AttributeInstance& instance) { return (instance.flags & IF_CHECK) != 0; }
// The data length of the stored record.
inline uint32_t stored_length(const AttributeInstance& instance) {
    return (instance.state & IS_LONG_VALUE) ? instance.long_length : instance.length;
}

// The bytes a number of an integer-like type is stored in: 1, 2 or 4.
inline uint16_t stored_number_width(uint32_t type) {
    if (type == AT_HEX8 || type == AT_INT8) return 1;
    if (type == AT_HEX16 || type == AT_INT16) return 2;
    return 4;
}

// The unsigned number in `width` bytes (little-endian) from `offset` of the
// value; bytes past the value's length count as 0.
uint32_t value_number(const AttributeInstance& instance, uint32_t width = 4, uint32_t offset = 0);
// The value's text: its bytes up to the first NUL or its length (at most
// 128), copied into `text` (at least 129 bytes) and terminated.
void value_text(const AttributeInstance& instance, uint32_t offset, char* text, uint32_t text_size);
