#include "api/db.h"

#include <string.h>

#include "api/requests.h"
#include "api/response.h"

// Class, object and property in that order; an absent name is not sent.
static MessageBuffer* db_begin(DatabaseFunction function, const char* cls, const char* object, const char* property) {
    MessageBuffer* request = api_begin(SERVICE_DATABASE, function);
    msg_put_string(request, DB_TAG_CLASS, cls);
    msg_put_string(request, DB_TAG_OBJECT, object);
    msg_put_string(request, DB_TAG_PROPERTY, property);
    return request;
}

static const DataItemTags DB_DATA_ITEMS = {DB_TAG_VALUE, DB_TAG_LENGTH, DB_TAG_FLAG};

uint16_t db_set_text(const char* cls, const char* object, const char* property, const char* text) {
    MessageBuffer* request = db_begin(DB_SET_TEXT, cls, object, property);
    msg_put_string(request, DB_TAG_VALUE, text);
    return exchange_for_status();
}

uint16_t db_set(const char* cls, const char* object, const char* property, const void* bytes, uint32_t length) {
    MessageBuffer* request = db_begin(DB_SET, cls, object, property);
    // An empty value is still a value: send a zero-length item, not none.
    static const uint8_t empty = 0;
    msg_put_bytes(request, DB_TAG_VALUE, bytes ? bytes : &empty, length);
    // A longer value has already marked the request overflowed: it is not sent.
    msg_put_u16(request, DB_TAG_LENGTH, (uint16_t)length);
    return exchange_for_status();
}

uint16_t read_data_items(MessageBuffer* response, const DataItemTags& tags, void* area, uint16_t capacity,
                         uint16_t* length, bool* flag) {
    uint16_t copied = 0;
    uint16_t announced = 0;
    uint16_t flag_value = 0;
    uint16_t status = read_response(response, [&](const ResponseItem& item) {
        if (item.tag == tags.data) {
            copied = item.length < capacity ? item.length : capacity;
            memcpy(area, item.value, copied);
        } else if (item.tag == tags.length) {
            item_u16(item, &announced);
        } else if (item.tag == tags.flag) {
            item_u16(item, &flag_value);
        }
    });
    *length = announced < copied ? announced : copied;
    if (flag) *flag = flag_value != 0;
    return status;
}

uint16_t parse_db_get(MessageBuffer* response, void* area, uint16_t capacity, uint16_t* length) {
    return read_data_items(response, DB_DATA_ITEMS, area, capacity, length, nullptr);
}

uint16_t parse_db_enumerate(MessageBuffer* response, void* area, uint16_t capacity, uint16_t* length, bool* more) {
    return read_data_items(response, DB_DATA_ITEMS, area, capacity, length, more);
}

uint16_t db_get(const char* cls, const char* object, const char* property, void* area, uint16_t* length) {
    uint16_t capacity = *length;
    *length = 0;
    MessageBuffer* request = db_begin(DB_GET, cls, object, property);
    msg_put_u16(request, DB_TAG_CAPACITY, capacity);
    MessageBuffer* response;
    uint16_t status = api_exchange(&response);
    return status != 0 ? status : parse_db_get(response, area, capacity, length);
}

uint16_t db_create(const char* cls, const char* object) {
    db_begin(DB_CREATE, cls, object, nullptr);
    return exchange_for_status();
}

uint16_t db_delete(const char* cls, const char* object, const char* property) {
    db_begin(DB_DELETE, cls, object, property);
    return exchange_for_status();
}

uint16_t db_exists(const char* cls, const char* object, const char* property, bool* exists) {
    *exists = false;
    db_begin(DB_EXISTS, cls, object, property);
    return exchange_and_read([&](const ResponseItem& item) {
        uint16_t flag = 0;
        if (item.tag == DB_TAG_FLAG && item_u16(item, &flag)) *exists = flag != 0;
    });
}

uint16_t db_enumerate(const char* cls, const char* object, const char* property, const char* after, void* area,
                      uint16_t* length, bool* more) {
    uint16_t capacity = *length;
    *length = 0;
    *more = false;
    MessageBuffer* request = db_begin(DB_ENUMERATE, cls, object, property);
    msg_put_string(request, DB_TAG_VALUE, after);
    msg_put_u16(request, DB_TAG_CAPACITY, capacity);
    MessageBuffer* response;
    uint16_t status = api_exchange(&response);
    return status != 0 ? status : parse_db_enumerate(response, area, capacity, length, more);
}

uint16_t db_rename(const char* cls, const char* object, const char* new_name) {
    MessageBuffer* request = db_begin(DB_RENAME, cls, object, nullptr);
    msg_put_string(request, DB_TAG_VALUE, new_name);
    return exchange_for_status();
}
