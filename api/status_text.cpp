#include <string.h>

#include "api/requests.h"
#include "api/response.h"

uint16_t parse_status_text(MessageBuffer* response, char* text, uint16_t capacity) {
    if (capacity == 0) return read_response_status(response);
    text[0] = 0;
    uint16_t length = 0;
    uint16_t copied = 0;
    uint16_t status = read_response(response, [&](const ResponseItem& item) {
        if (item.tag == STATUS_TEXT_TAG_LENGTH) {
            item_u16(item, &length);
        } else if (item.tag == STATUS_TEXT_TAG_TEXT) {
            copied = item.length < capacity ? item.length : capacity;
            memcpy(text, item.value, copied);
        }
    });
    // The text ends at the announced length, cut to the capacity less the
    // NUL, and never past the bytes that actually came.
    if (length > capacity - 1) length = (uint16_t)(capacity - 1);
    if (length > copied) length = copied;
    text[length] = 0;
    return status;
}

uint16_t get_status_text(char* text, uint16_t capacity) {
    MessageBuffer* request = api_begin(SERVICE_STATUS_TEXT, STATUS_TEXT_GET);
    msg_put_u16(request, STATUS_TEXT_TAG_CAPACITY, capacity);
    MessageBuffer* response;
    uint16_t status = api_exchange(&response);
    if (status != 0) {
        if (capacity) text[0] = 0;
        return status;
    }
    return parse_status_text(response, text, capacity);
}
