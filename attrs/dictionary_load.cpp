// Fetching a dictionary: the record-keeping rules on top of the wire reader.
#include <stdlib.h>
#include <string.h>

#include "api/dictionary_wire.h"
#include "attrs/dictionary.h"
#include "attrs/error_box.h"
#include "attrs/text_compare.h"
#include "resources/strings.h"

namespace {

// No response can carry more records than this (the smallest kept record
// takes 28 bytes), so a hostile count never sizes an allocation.
const uint32_t MAX_RECORDS = MSG_BUFFER_SIZE / 28 + 1;

struct TableReader {
    void* entries;
    uint32_t entry_size;
    uint32_t announced;
    uint32_t capacity;
    uint32_t kept;
};

// The table holds up to count + 1 records: reading stops as soon as more
// records than announced have been kept.
bool allocate_table(void* context, uint32_t count) {
    TableReader* reader = (TableReader*)context;
    reader->announced = count;
    reader->capacity = (count < MAX_RECORDS ? count : MAX_RECORDS) + 1;
    reader->entries = calloc(reader->capacity, reader->entry_size);
    return reader->entries != nullptr;
}

bool keep_entry(TableReader* reader) {
    ++reader->kept;
    return reader->kept <= reader->announced && reader->kept < reader->capacity;
}

bool on_attribute(void* context, const DictionaryRecordFields& fields) {
    TableReader* reader = (TableReader*)context;
    if (!(fields.has_name && fields.has_number && fields.has_type && fields.has_flags)) return true;  // dropped
    AttributeDefinition& entry = ((AttributeDefinition*)reader->entries)[reader->kept];
    memcpy(entry.name, fields.name, sizeof entry.name);
    entry.number = fields.number;
    entry.type = fields.type;
    entry.flags = fields.flags;
    entry.has_values = false;
    return keep_entry(reader);
}

bool on_value_name(void* context, const DictionaryRecordFields& fields) {
    TableReader* reader = (TableReader*)context;
    if (!(fields.has_name && fields.has_value_name && fields.has_number && fields.has_flags)) return true;
    AttributeValueName& entry = ((AttributeValueName*)reader->entries)[reader->kept];
    memcpy(entry.attribute, fields.name, sizeof entry.attribute);
    memcpy(entry.name, fields.value_name, sizeof entry.name);
    entry.value = fields.number;
    entry.aux = fields.flags;
    return keep_entry(reader);
}

enum TableOutcome { TABLE_READ, TABLE_ABSENT, TABLE_FAILED };

// Fetches one table. TABLE_ABSENT: the server answered with a status.
// TABLE_FAILED: the load is over (a message has been shown where one is due).
TableOutcome read_table(DictionaryTable table, const char* name, void* owner, TableReader* reader) {
    MessageBuffer* response = nullptr;
    if (request_dictionary_table(table, name, &response) != 0) return TABLE_FAILED;  // the session reports it
    const DictionaryRecordSink sink = {allocate_table, table == DICTIONARY_ATTRIBUTES ? on_attribute : on_value_name};
    DictionaryReadResult result = DICTIONARY_READ_NO_COUNT;
    if (read_dictionary_records(response, sink, reader, &result) != 0) return TABLE_ABSENT;
    if (result == DICTIONARY_READ_OK) return TABLE_READ;
    show_error(owner, result == DICTIONARY_READ_NO_MEMORY ? IDS_DICTIONARY_NO_MEMORY : IDS_DICTIONARY_FAILED);
    return TABLE_FAILED;
}

void mark_named_attributes(Dictionary* dictionary) {
    for (uint32_t i = 0; i < dictionary->attribute_count; ++i) {
        AttributeDefinition& definition = dictionary->attributes[i];
        for (uint32_t j = 0; j < dictionary->value_count && !definition.has_values; ++j) {
            if (compare_nocase(definition.name, dictionary->values[j].attribute) == 0) definition.has_values = true;
        }
    }
}

}  // namespace

bool load_dictionary_into(Dictionary* dictionary, void* owner, const char* name) {
    dictionary_free(dictionary);
    TableReader attributes = {nullptr, sizeof(AttributeDefinition), 0, 0, 0};
    TableOutcome outcome = read_table(DICTIONARY_ATTRIBUTES, name, owner, &attributes);
    if (outcome == TABLE_ABSENT) show_error(owner, IDS_DICTIONARY_FAILED);
    if (outcome != TABLE_READ) {
        free(attributes.entries);
        return false;
    }
    TableReader values = {nullptr, sizeof(AttributeValueName), 0, 0, 0};
    outcome = read_table(DICTIONARY_VALUE_NAMES, name, owner, &values);
    if (outcome == TABLE_FAILED) {
        free(attributes.entries);
        free(values.entries);
        return false;
    }
    dictionary->attributes = (AttributeDefinition*)attributes.entries;
    dictionary->attribute_count = attributes.kept;
    if (outcome == TABLE_READ) {  // a server without value names answers with a status
        dictionary->values = (AttributeValueName*)values.entries;
        dictionary->value_count = values.kept;
    } else {
        free(values.entries);
    }
    mark_named_attributes(dictionary);
    return true;
}

bool load_dictionary(void* owner, const char* name) { return load_dictionary_into(program_dictionary(), owner, name); }
