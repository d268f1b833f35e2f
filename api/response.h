// Reading a response: the status is header word 0, replaced by every tag-1
// item of two bytes (the last one wins); other items go to the request's
// visitor, which ignores the tags it does not know.
#pragma once

#include <stdint.h>

#include "api/codec.h"
#include "api/protocol.h"
#include "api/session.h"

struct ResponseItem {
    uint16_t tag;
    uint16_t length;
    const uint8_t* value;
};

template <class Visit>
uint16_t read_response(MessageBuffer* response, Visit visit) {
    uint16_t status = 0;
    msg_get_header(response, &status, nullptr, nullptr);
    for (;;) {
        ResponseItem item = {0, 0, nullptr};
        msg_get_item(response, &item.tag, &item.value, &item.length);
        if (item.tag == 0) break;
        if (item.tag == TAG_STATUS && item.length == 2)
            status = get_le16(item.value);
        else
            visit(item);
    }
    return status;
}

inline uint16_t read_response_status(MessageBuffer* response) {
    return read_response(response, [](const ResponseItem&) {});
}

// For the requests whose nonzero header status is returned before any item
// is read: returns that status, or 0 with the position at the first item.
inline uint16_t read_header_status(MessageBuffer* response) {
    uint16_t status = 0;
    msg_get_header(response, &status, nullptr, nullptr);
    return status;
}

// Typed reads of an item value; false when the length does not match.
inline bool item_u16(const ResponseItem& item, uint16_t* value) {
    if (item.length != 2) return false;
    *value = get_le16(item.value);
    return true;
}
inline bool item_u32(const ResponseItem& item, uint32_t* value) {
    if (item.length != 4) return false;
    *value = get_le32(item.value);
    return true;
}

// Runs the request built since api_begin and reads its response the common
// way; the usual shape of a request function.
template <class Visit>
uint16_t exchange_and_read(Visit visit) {
    MessageBuffer* response;
    uint16_t status = api_exchange(&response);
    return status != 0 ? status : read_response(response, visit);
}

inline uint16_t exchange_for_status() {
    return exchange_and_read([](const ResponseItem&) {});
}
