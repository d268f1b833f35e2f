#include "api/db.h"

#include <string.h>

#include "api/requests.h"
#include "api/response.h"

enum DbFunction : uint16_t {
    DB_SET_TEXT = 1,
    DB_SET = 3,
    DB_GET = 4,
    DB_CREATE = 5,
    DB_DELETE = 6,
    DB_EXISTS = 7,
    DB_ENUMERATE = 8,
    DB_RENAME = 9,
};

// Items 2, 3 and 4 in that order; an absent name is not sent.
static MessageBuffer* db_begin(DbFunction function, const char* cls, const char* object, const char* property) {
    MessageBuffer* request = api_begin(SERVICE_DATABASE, function);
    msg_put_string(request, 2, cls);
    msg_put_string(request, 3, object);
    msg_put_string(request, 4, property);
    return request;
}

uint16_t db_set_text(const char* cls, const char* object, const char* property, const char* text) {
    MessageBuffer* request = db_begin(DB_SET_TEXT, cls, object, property);
    msg_put_string(request, 5, text);
    return exchange_for_status();
}

uint16_t db_set(const char* cls, const char* object, const char* property, const void* bytes, uint32_t length) {
    MessageBuffer* request = db_begin(DB_SET, cls, object, property);
    // An empty value is still a value: send a zero-length item, not none.
    static const uint8_t empty = 0;
    msg_put_bytes(request, 5, bytes ? bytes : &empty, length);
    // A longer value has already marked the request overflowed: it is not sent.
    msg_put_u16(request, 6, (uint16_t)length);
    return exchange_for_status();
}

// Copies item 5 into the area, at most `capacity` bytes; the length is
// item 6, never more than what was copied.
static uint16_t read_data_items(MessageBuffer* response, void* area, uint16_t capacity, uint16_t* length,
                                bool* flag) {
    uint16_t copied = 0;
    uint16_t announced = 0;
    uint16_t flag_value = 0;
    uint16_t status = read_response(response, [&](const ResponseItem& item) {
        if (item.tag == 5) {
            copied = item.length < capacity ? item.length : capacity;
            memcpy(area, item.value, copied);
        } else if (item.tag == 6) {
            item_u16(item, &announced);
        } else if (item.tag == 8) {
            item_u16(item, &flag_value);
        }
    });
    *length = announced < copied ? announced : copied;
    if (flag) *flag = flag_value != 0;
    return status;
}

uint16_t parse_db_get(MessageBuffer* response, void* area, uint16_t capacity, uint16_t* length) {
    return read_data_items(response, area, capacity, length, nullptr);
}

uint16_t parse_db_enumerate(MessageBuffer* response, void* area, uint16_t capacity, uint16_t* length, bool* more) {
    return read_data_items(response, area, capacity, length, more);
}

uint16_t db_get(const char* cls, const char* object, const char* property, void* area, uint16_t* length) {
    uint16_t capacity = *length;
    *length = 0;
    MessageBuffer* request = db_begin(DB_GET, cls, object, property);
    msg_put_u16(request, 7, capacity);
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
        if (item.tag == 8 && item_u16(item, &flag)) *exists = flag != 0;
    });
}

uint16_t db_enumerate(const char* cls, const char* object, const char* property, const char* after, void* area,
                      uint16_t* length, bool* more) {
    uint16_t capacity = *length;
    *length = 0;
    *more = false;
    MessageBuffer* request = db_begin(DB_ENUMERATE, cls, object, property);
    msg_put_string(request, 5, after);
    msg_put_u16(request, 7, capacity);
    MessageBuffer* response;
    uint16_t status = api_exchange(&response);
    return status != 0 ? status : parse_db_enumerate(response, area, capacity, length, more);
}

uint16_t db_rename(const char* cls, const char* object, const char* new_name) {
    MessageBuffer* request = db_begin(DB_RENAME, cls, object, nullptr);
    msg_put_string(request, 5, new_name);
    return exchange_for_status();
}
