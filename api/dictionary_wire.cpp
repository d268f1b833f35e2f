#include "api/dictionary_wire.h"

#include <stdlib.h>
#include <string.h>

#include "api/requests.h"
#include "api/response.h"
#include "api/status.h"
#include "api/text_field.h"

uint16_t request_dictionary_table(DictionaryTable table, const char* name, MessageBuffer** response) {
    MessageBuffer* request = api_begin(SERVICE_DICTIONARY, table);
    msg_put_string(request, DICT_TAG_DICTIONARY, name);
    return api_exchange(response);
}

uint16_t read_dictionary_records(MessageBuffer* response, const DictionaryRecordSink& sink, void* context,
                                 DictionaryReadResult* result) {
    *result = DICTIONARY_READ_NO_COUNT;
    uint16_t status = read_header_status(response);
    if (status != 0) return status;

    bool counted = false;
    DictionaryRecordFields fields;
    memset(&fields, 0, sizeof fields);
    for (;;) {
        ResponseItem item = {0, 0, nullptr};
        msg_get_item(response, &item.tag, &item.value, &item.length);
        if (item.tag == 0) break;
        if (!counted) {
            uint32_t count = 0;
            if (item.tag != DICT_TAG_COUNT || !item_u32(item, &count)) continue;
            counted = true;
            *result = DICTIONARY_READ_OK;
            if (!sink.on_count(context, count)) {
                *result = DICTIONARY_READ_NO_MEMORY;
                break;
            }
            continue;
        }
        switch (item.tag) {
            case DICT_TAG_NAME:
                copy_text_field(fields.name, sizeof fields.name, item.value, item.length);
                fields.has_name = true;
                break;
            case DICT_TAG_VALUE_NAME:
                copy_text_field(fields.value_name, sizeof fields.value_name, item.value, item.length);
                fields.has_value_name = true;
                break;
            case DICT_TAG_NUMBER: fields.has_number = item_u32(item, &fields.number) || fields.has_number; break;
            case DICT_TAG_TYPE: fields.has_type = item_u32(item, &fields.type) || fields.has_type; break;
            case DICT_TAG_FLAGS:
                if (item.length == 4) {
                    fields.flags = get_le16(item.value);
                    fields.has_flags = true;
                }
                break;
            case DICT_TAG_END: {
                bool go_on = sink.on_record(context, fields);
                memset(&fields, 0, sizeof fields);
                if (!go_on) return 0;
                break;
            }
            default: break;
        }
    }
    return 0;
}

uint16_t parse_dictionary_list(MessageBuffer* response, char** names, uint32_t* count) {
    *names = nullptr;
    *count = 0;
    uint32_t total = 0;
    uint32_t found = 0;
    bool has_list_status = false;
    uint16_t list_status = 0;
    uint16_t status = read_response(response, [&](const ResponseItem& item) {
        if (item.tag == DICT_TAG_DICTIONARY) {
            total += item.length;
            ++found;
        } else if (item.tag == DICT_TAG_LIST_STATUS) {
            has_list_status = item_u16(item, &list_status) || has_list_status;
        }
    });
    if (has_list_status) status = list_status;
    if (status != 0) return status;

    // Each name is copied up to its NUL and given one, so a malformed item
    // can neither run into the next name nor split into two.
    char* buffer = (char*)malloc(total + found + 1);
    if (!buffer) return STATUS_OUT_OF_MEMORY;
    uint32_t used = 0;
    uint32_t kept = 0;
    read_response(response, [&](const ResponseItem& item) {
        if (item.tag != DICT_TAG_DICTIONARY) return;
        uint32_t length = 0;
        while (length < item.length && item.value[length] != 0) ++length;
        if (length == 0) return;  // an empty name would end the list early
        memcpy(buffer + used, item.value, length);
        used += length;
        buffer[used++] = 0;
        ++kept;
    });
    buffer[used] = 0;
    *names = buffer;
    *count = kept;
    return 0;
}

uint16_t list_dictionaries(char** names, uint32_t* count) {
    api_begin(SERVICE_DICTIONARY, DICTIONARY_LIST);
    MessageBuffer* response;
    uint16_t status = api_exchange(&response);
    if (status != 0) {
        *names = nullptr;
        *count = 0;
        return status;
    }
    return parse_dictionary_list(response, names, count);
}
