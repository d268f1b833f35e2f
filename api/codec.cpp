#include "api/codec.h"

#include <string.h>

uint16_t msg_init(MessageBuffer* buffer, uint8_t* data, uint16_t capacity) {
    buffer->data = data;
    buffer->capacity = capacity;
    buffer->position = 0;
    buffer->overflowed = false;
    return 0;
}

// Reserves `size` bytes at the position, keeping `keep` bytes free behind
// them, or marks the buffer overflowed and returns null so the caller writes
// nothing. Items keep room for the terminator, so an item that leaves none
// is the one refused.
static uint8_t* reserve(MessageBuffer* buffer, uint32_t size, uint32_t keep = 2) {
    if (buffer->overflowed || (uint32_t)buffer->position + size + keep > buffer->capacity) {
        buffer->overflowed = true;
        return nullptr;
    }
    uint8_t* at = buffer->data + buffer->position;
    buffer->position = (uint16_t)(buffer->position + size);
    return at;
}

uint16_t msg_put_header(MessageBuffer* buffer, uint16_t word0, uint16_t service, uint16_t function) {
    buffer->position = 0;
    buffer->overflowed = false;
    uint8_t* at = reserve(buffer, MSG_HEADER_SIZE);
    if (at) {
        put_le16(at, word0);
        put_le16(at + 2, service);
        put_le16(at + 4, function);
    }
    return 0;
}

uint16_t msg_put_bytes(MessageBuffer* buffer, uint16_t tag, const void* value, uint32_t length) {
    if (!value) return 0;
    if (length > 0xFFFF) {
        buffer->overflowed = true;
        return 0;
    }
    uint8_t* at = reserve(buffer, 4 + length);
    if (at) {
        put_le16(at, tag);
        put_le16(at + 2, (uint16_t)length);
        if (length) memcpy(at + 4, value, length);
    }
    return 0;
}

uint16_t msg_put_string(MessageBuffer* buffer, uint16_t tag, const char* text) {
    if (!text) return 0;
    return msg_put_bytes(buffer, tag, text, (uint32_t)strlen(text) + 1);
}

uint16_t msg_put_u8(MessageBuffer* buffer, uint16_t tag, uint8_t value) {
    return msg_put_bytes(buffer, tag, &value, 1);
}

uint16_t msg_put_u16(MessageBuffer* buffer, uint16_t tag, uint16_t value) {
    uint8_t bytes[2];
    put_le16(bytes, value);
    return msg_put_bytes(buffer, tag, bytes, 2);
}

uint16_t msg_put_u32(MessageBuffer* buffer, uint16_t tag, uint32_t value) {
    uint8_t bytes[4];
    put_le32(bytes, value);
    return msg_put_bytes(buffer, tag, bytes, 4);
}

uint16_t msg_put_end(MessageBuffer* buffer) {
    uint8_t* at = reserve(buffer, 2, 0);
    if (at) put_le16(at, 0);
    return 0;
}

uint16_t msg_get_header(MessageBuffer* buffer, uint16_t* word0, uint16_t* word1, uint16_t* word2) {
    buffer->position = 0;
    if (buffer->capacity < MSG_HEADER_SIZE) {
        if (word1) *word1 = 0;
        return 0;
    }
    if (word0) *word0 = get_le16(buffer->data);
    if (word1) *word1 = get_le16(buffer->data + 2);
    if (word2) *word2 = get_le16(buffer->data + 4);
    buffer->position = MSG_HEADER_SIZE;
    return 0;
}

uint16_t msg_get_item(MessageBuffer* buffer, uint16_t* tag, const uint8_t** value, uint16_t* length) {
    uint32_t position = buffer->position;
    uint16_t found = 0;
    if (position + 2 <= buffer->capacity) {
        found = get_le16(buffer->data + position);
        position += 2;
    }
    if (found != 0) {
        if (position + 2 > buffer->capacity) {
            found = 0;
        } else {
            uint16_t size = get_le16(buffer->data + position);
            position += 2;
            if (length) *length = size;
            if (position + size > buffer->capacity) {
                found = 0;
            } else {
                if (value) *value = buffer->data + position;
                position += size;
            }
        }
    }
    // An end of items leaves the position where it stopped growing, so every
    // later call reports the end again.
    if (found != 0) buffer->position = (uint16_t)position;
    if (tag) *tag = found;
    return 0;
}
