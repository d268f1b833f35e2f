#include <stdlib.h>
#include <string.h>

#include "api/requests.h"
#include "api/names_block.h"
#include "api/response.h"
#include "api/status.h"

uint16_t parse_admin_batch(MessageBuffer* response, uint8_t* area, uint16_t capacity, uint16_t* length,
                           uint16_t* more) {
    *length = 0;
    *more = 0;
    uint16_t copied = 0;
    uint16_t status = read_response(response, [&](const ResponseItem& item) {
        if (item.tag == 5) {
            copied = item.length < capacity ? item.length : capacity;
            memcpy(area, item.value, copied);
        } else if (item.tag == 6) {
            item_u16(item, length);
        } else if (item.tag == 7) {
            item_u16(item, more);
        }
    });
    if (*length > copied) *length = copied;
    return status;
}

uint16_t admin_enumerate(const char* after, uint16_t kind, uint16_t level, uint8_t* area, uint16_t capacity,
                         uint16_t* length, uint16_t* more) {
    MessageBuffer* request = api_begin(SERVICE_ADMIN, 1);
    msg_put_string(request, 4, after);
    msg_put_u16(request, 2, kind);
    msg_put_u16(request, 3, level);
    msg_put_u16(request, 6, capacity);
    MessageBuffer* response;
    uint16_t status = api_exchange(&response);
    if (status != 0) {
        *length = 0;
        *more = 0;
        return status;
    }
    return parse_admin_batch(response, area, capacity, length, more);
}

uint16_t admin_set(const char* name, uint16_t kind, uint16_t level) {
    MessageBuffer* request = api_begin(SERVICE_ADMIN, 2);
    msg_put_string(request, 4, name);
    msg_put_u16(request, 2, kind);
    msg_put_u16(request, 3, level);
    return exchange_for_status();
}

uint16_t admin_list(uint16_t kind, void (*visit)(void* context, const char* name), void* context) {
    uint8_t* area = (uint8_t*)malloc(ADMIN_NAMES_CAPACITY);
    if (!area) return STATUS_OUT_OF_MEMORY;
    // The next request copies `after` before its response overwrites the area.
    const char* after = "";
    uint16_t status;
    for (;;) {
        uint16_t length = 0, more = 0;
        status = admin_enumerate(after, kind, ACCESS_FULL, area, ADMIN_NAMES_CAPACITY, &length, &more);
        if (status != 0) break;
        const char* last = nullptr;
        uint32_t count = walk_names(area, length, [&](const char* name, uint32_t) { visit(context, name); }, &last);
        // A "more" flag with no name to continue from would ask forever.
        if (!more || count == 0) break;
        after = last;
    }
    free(area);
    return status;
}
