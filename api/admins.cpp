#include <stdlib.h>
#include <string.h>

#include "api/db.h"
#include "api/names_block.h"
#include "api/requests.h"
#include "api/response.h"
#include "api/status.h"

static const DataItemTags ADMIN_DATA_ITEMS = {ADMIN_TAG_NAMES, ADMIN_TAG_LENGTH, ADMIN_TAG_MORE};

uint16_t parse_admin_batch(MessageBuffer* response, uint8_t* area, uint16_t capacity, uint16_t* length, bool* more) {
    return read_data_items(response, ADMIN_DATA_ITEMS, area, capacity, length, more);
}

uint16_t admin_enumerate(const char* after, uint16_t kind, uint16_t level, uint8_t* area, uint16_t capacity,
                         uint16_t* length, bool* more) {
    *length = 0;
    *more = false;
    MessageBuffer* request = api_begin(SERVICE_ADMIN, ADMIN_ENUMERATE);
    msg_put_string(request, ADMIN_TAG_NAME, after);
    msg_put_u16(request, ADMIN_TAG_KIND, kind);
    msg_put_u16(request, ADMIN_TAG_LEVEL, level);
    msg_put_u16(request, ADMIN_TAG_CAPACITY, capacity);
    MessageBuffer* response;
    uint16_t status = api_exchange(&response);
    return status != 0 ? status : parse_admin_batch(response, area, capacity, length, more);
}

uint16_t admin_set(const char* name, uint16_t kind, uint16_t level) {
    MessageBuffer* request = api_begin(SERVICE_ADMIN, ADMIN_SET);
    msg_put_string(request, ADMIN_TAG_NAME, name);
    msg_put_u16(request, ADMIN_TAG_KIND, kind);
    msg_put_u16(request, ADMIN_TAG_LEVEL, level);
    return exchange_for_status();
}

uint16_t admin_list(uint16_t kind, void (*visit)(void* context, const char* name), void* context) {
    // The receive area, then the name to continue after: a copy, because
    // each response overwrites the area.
    uint8_t* area = (uint8_t*)malloc(2 * (size_t)ADMIN_NAMES_CAPACITY);
    if (!area) return STATUS_OUT_OF_MEMORY;
    char* after = (char*)area + ADMIN_NAMES_CAPACITY;
    after[0] = 0;
    uint16_t status;
    for (;;) {
        uint16_t length = 0;
        bool more = false;
        status = admin_enumerate(after, kind, ACCESS_FULL, area, ADMIN_NAMES_CAPACITY, &length, &more);
        if (status != 0) break;
        const char* last = nullptr;
        uint32_t count = walk_names(
            area, length, [&](const char* name, uint32_t) { visit(context, name); }, &last);
        // A "more" flag with no name to continue from ends the list.
        if (!more || count == 0) break;
        if (!batch_advances(after, last)) {
            status = STATUS_BAD_REPLY;
            break;
        }
        memcpy(after, last, strlen(last) + 1);
    }
    free(area);
    return status;
}
