#include "sim/request.h"

#include <string.h>

#include "api/codec.h"

bool parse_request(const uint8_t* data, uint32_t length, Request* request) {
    request->items.clear();
    if (length < MSG_HEADER_SIZE || length > MSG_BUFFER_SIZE) {
        request->service = request->function = 0;
        if (length >= MSG_HEADER_SIZE) {
            request->service = get_le16(data + 2);
            request->function = get_le16(data + 4);
        }
        return false;
    }
    MessageBuffer buffer;
    // The codec only reads through this pointer.
    msg_init(&buffer, const_cast<uint8_t*>(data), (uint16_t)length);
    msg_get_header(&buffer, nullptr, &request->service, &request->function);
    for (;;) {
        RequestItem item;
        msg_get_item(&buffer, &item.tag, &item.value, &item.length);
        if (item.tag == 0) break;
        request->items.push_back(item);
    }
    // The codec also ends the items at a truncated one; only a real
    // terminator makes the request whole.
    uint32_t at = buffer.position;
    return at + 2 <= length && get_le16(data + at) == 0;
}

const RequestItem* find_item(const Request& request, uint16_t tag) {
    for (const RequestItem& item : request.items) {
        if (item.tag == tag) return &item;
    }
    return nullptr;
}

bool read_text(const RequestItem* item, std::string* text) {
    if (!item) return false;
    const void* nul = item->length ? memchr(item->value, 0, item->length) : nullptr;
    size_t size = nul ? (size_t)((const uint8_t*)nul - item->value) : item->length;
    text->assign((const char*)item->value, size);
    return true;
}

bool read_u16(const RequestItem* item, uint16_t* value) {
    if (!item || item->length != 2) return false;
    *value = get_le16(item->value);
    return true;
}

bool read_u32(const RequestItem* item, uint32_t* value) {
    if (!item || item->length != 4) return false;
    *value = get_le32(item->value);
    return true;
}
