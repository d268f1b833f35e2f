// Single-value requests: access level, option mask, versions, keep-alive.
#include <stdio.h>

#include "api/requests.h"
#include "api/response.h"
#include "api/session.h"

void format_version(uint32_t version, char* text, uint32_t text_size) {
    snprintf(text, text_size, "%2.2u.%2.2u.%2.2u", (unsigned)((version >> 16) & 0xFF),
             (unsigned)((version >> 8) & 0xFF), (unsigned)(version & 0xFF));
}

// Sends a request without items and returns its status, storing the value
// of item `tag` (u16 or u32 as `value_length` says) when it comes.
static uint16_t request_value(uint16_t service, uint16_t function, uint16_t tag, uint32_t* value,
                              uint16_t value_length) {
    api_begin(service, function);
    return exchange_and_read([&](const ResponseItem& item) {
        if (item.tag != tag || item.length != value_length) return;
        *value = value_length == 2 ? get_le16(item.value) : get_le32(item.value);
    });
}

uint16_t get_access_level(uint16_t* level) {
    uint32_t value = *level;
    uint16_t status = request_value(SERVICE_ACCESS, ACCESS_GET_LEVEL, ACCESS_TAG_LEVEL, &value, 2);
    *level = (uint16_t)value;
    return status;
}

uint16_t get_option_mask(uint32_t* mask) {
    return request_value(SERVICE_VERSION, VERSION_OPTION_MASK, VERSION_TAG_OPTION_MASK, mask, 4);
}

uint16_t get_service_version(uint32_t* version) {
    return request_value(SERVICE_VERSION, VERSION_SERVICE, VERSION_TAG_VERSION, version, 4);
}

uint16_t check_console_version(uint32_t console_version, uint32_t* required) {
    MessageBuffer* request = api_begin(SERVICE_VERSION, VERSION_CHECK_CONSOLE);
    msg_put_u32(request, VERSION_TAG_VERSION, console_version);
    return exchange_and_read([&](const ResponseItem& item) {
        if (item.tag == VERSION_TAG_VERSION) item_u32(item, required);
    });
}

uint16_t keep_alive() {
    api_begin(SERVICE_KEEP_ALIVE, KEEP_ALIVE_SEND);
    return exchange_for_status();
}
