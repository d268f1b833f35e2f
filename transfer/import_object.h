// One object read from a ".rif" file before anything of it is written: its
// class, name and properties with their bytes. Attribute lines of one
// property are gathered into that property's stored form (count, word2,
// then the instance records in file order). The slots keep their buffers
// from object to object, so a long run allocates only at its start.
#pragma once

#include <stdint.h>

#include "transfer/import_classes.h"
#include "transfer/rif_attribute_read.h"

// The longest property an object may gather (the half of the work area a
// property is built in).
const uint32_t IMPORT_PROPERTY_LIMIT = 32768;
const uint32_t IMPORT_NAME_SIZE = 256;

struct ImportProperty {
    char name[IMPORT_NAME_SIZE];
    uint8_t* bytes;
    uint32_t length;
    uint32_t capacity;
    uint32_t line;  // where it was first given
};

struct ImportObject {
    ImportClass cls;
    char name[RIF_LINE_LIMIT + 1];
    uint32_t line;
    ImportProperty* properties;
    uint32_t count;
    uint32_t capacity;
};

enum ImportAddResult : uint8_t { IMPORT_ADDED, IMPORT_TOO_LARGE, IMPORT_NO_MEMORY };

// Starts an empty object (the slots are kept).
void import_object_start(ImportObject* object, const ImportClass& cls, const char* name, uint32_t name_length,
                         uint32_t line);
// A plain value; a second line of the same property replaces the first.
ImportAddResult import_object_set(ImportObject* object, const char* property, const uint8_t* bytes, uint32_t length,
                                  uint32_t line);
// Appends the instance to its property, which is made with a count of 1
// and the line's word2 when it is new.
ImportAddResult import_object_append(ImportObject* object, const AttributeLine& attribute, uint32_t line);
void import_object_free(ImportObject* object);
