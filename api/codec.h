// Tagged-item message codec of the server API pipe.
//
// A message is three little-endian 16-bit header words (status or 0, service,
// function), then items of (tag u16, length u16, value), ended by a 16-bit 0.
#pragma once

#include <stdint.h>

const uint16_t MSG_BUFFER_SIZE = 36864;  // 0x9000, one request and one response buffer
const uint16_t MSG_HEADER_SIZE = 6;

struct MessageBuffer {
    uint8_t* data;
    uint16_t capacity;
    uint16_t position;
    // Set by a put that did not fit; nothing of that put was written and the
    // request must not be sent.
    bool overflowed;
};

uint16_t msg_init(MessageBuffer* buffer, uint8_t* data, uint16_t capacity);

uint16_t msg_put_header(MessageBuffer* buffer, uint16_t word0, uint16_t service, uint16_t function);
// A null value (or text) writes nothing; an empty text is sent as one NUL.
uint16_t msg_put_bytes(MessageBuffer* buffer, uint16_t tag, const void* value, uint32_t length);
uint16_t msg_put_string(MessageBuffer* buffer, uint16_t tag, const char* text);
uint16_t msg_put_u8(MessageBuffer* buffer, uint16_t tag, uint8_t value);
uint16_t msg_put_u16(MessageBuffer* buffer, uint16_t tag, uint16_t value);
uint16_t msg_put_u32(MessageBuffer* buffer, uint16_t tag, uint32_t value);
uint16_t msg_put_end(MessageBuffer* buffer);

// Any output may be null. With less than 6 bytes of capacity only word1 is
// set (to 0) and the position stays 0.
uint16_t msg_get_header(MessageBuffer* buffer, uint16_t* word0, uint16_t* word1, uint16_t* word2);
// Tag 0 means no more items: a terminator, the end of the buffer, or an item
// whose length field or value would pass the end.
uint16_t msg_get_item(MessageBuffer* buffer, uint16_t* tag, const uint8_t** value, uint16_t* length);

inline uint16_t get_le16(const uint8_t* p) { return (uint16_t)(p[0] | (p[1] << 8)); }
inline uint32_t get_le32(const uint8_t* p) {
    return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24);
}
inline void put_le16(uint8_t* p, uint16_t v) {
    p[0] = (uint8_t)v;
    p[1] = (uint8_t)(v >> 8);
}
inline void put_le32(uint8_t* p, uint32_t v) {
    p[0] = (uint8_t)v;
    p[1] = (uint8_t)(v >> 8);
    p[2] = (uint8_t)(v >> 16);
    p[3] = (uint8_t)(v >> 24);
}
