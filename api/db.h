// The database service: objects named by class and object name, holding
// named properties whose values are byte strings.
#pragma once

#include <stdint.h>

#include "api/codec.h"

#define TEMP_OBJECT_NAME "abcdefghijklmnopqrstuvwxyz"

// Text values are stored with their NUL counted in the length.
uint16_t db_set_text(const char* cls, const char* object, const char* property, const char* text);
uint16_t db_set(const char* cls, const char* object, const char* property, const void* bytes, uint32_t length);
// Reads at most *length bytes into `area`; *length becomes the value's length
// (0 on failure).
uint16_t db_get(const char* cls, const char* object, const char* property, void* area, uint16_t* length);
uint16_t db_create(const char* cls, const char* object);
// Without a property: the object with all its properties.
uint16_t db_delete(const char* cls, const char* object, const char* property);
uint16_t db_exists(const char* cls, const char* object, const char* property, bool* exists);
// One batch of names into `area` (capacity *length): names each with its NUL
// and one more NUL; object names of the class, or property names of `object`.
uint16_t db_enumerate(const char* cls, const char* object, const char* property, const char* after, void* area,
                      uint16_t* length, bool* more);
uint16_t db_rename(const char* cls, const char* object, const char* new_name);

// The data items of a reply: a value or a names block, its length and a
// flag. The block is copied into `area`, at most `capacity` bytes; *length is
// the length item, never more than was copied; *flag (when given) is whether
// the flag item is nonzero. Returns the reply's status.
struct DataItemTags {
    uint16_t data;
    uint16_t length;
    uint16_t flag;
};
uint16_t read_data_items(MessageBuffer* response, const DataItemTags& tags, void* area, uint16_t capacity,
                         uint16_t* length, bool* flag);

// Parsers of the two data-carrying responses.
uint16_t parse_db_get(MessageBuffer* response, void* area, uint16_t capacity, uint16_t* length);
uint16_t parse_db_enumerate(MessageBuffer* response, void* area, uint16_t capacity, uint16_t* length, bool* more);
