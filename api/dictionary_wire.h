// The dictionary service on the wire: the attribute table, the value-name
// table and the list of named dictionaries. What a record means and which
// records are kept belongs to the dictionary itself; this reads them.
#pragma once

#include <stdint.h>

#include "api/codec.h"
#include "api/protocol.h"

// The fields seen since the previous end of record. Texts are cut to 31
// bytes; the flags item keeps its low 16 bits.
struct DictionaryRecordFields {
    char name[32];        // DICT_TAG_NAME
    char value_name[32];  // DICT_TAG_VALUE_NAME
    uint32_t number;      // DICT_TAG_NUMBER: attribute number, or the named value
    uint32_t type;        // DICT_TAG_TYPE
    uint16_t flags;       // DICT_TAG_FLAGS: list flags, or the aux word
    bool has_name, has_value_name, has_number, has_type, has_flags;
};

struct DictionaryRecordSink {
    // The announced record count; false when there is no room for the table.
    bool (*on_count)(void* context, uint32_t count);
    // Every end of record, with the fields seen since the previous one; false stops reading.
    bool (*on_record)(void* context, const DictionaryRecordFields& fields);
};

enum DictionaryReadResult { DICTIONARY_READ_OK, DICTIONARY_READ_NO_COUNT, DICTIONARY_READ_NO_MEMORY };

// Sends function 2 or 4, with the dictionary name when one is given. Returns
// the exchange status; on 0, the response is ready for read_dictionary_records.
uint16_t request_dictionary_table(DictionaryTable table, const char* name, MessageBuffer** response);
// Returns a nonzero header status at once; otherwise 0 and `*result`.
uint16_t read_dictionary_records(MessageBuffer* response, const DictionaryRecordSink& sink, void* context,
                                 DictionaryReadResult* result);

// The named dictionaries: a malloc'd buffer of names each with its NUL,
// ended by an empty name, and their count.
uint16_t list_dictionaries(char** names, uint32_t* count);
uint16_t parse_dictionary_list(MessageBuffer* response, char** names, uint32_t* count);
