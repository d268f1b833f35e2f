// A request taken apart: header words and the items as views into the bytes
// received, checked so that every item lies inside the message.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

struct RequestItem {
    uint16_t tag;
    const uint8_t* value;
    uint16_t length;
};

struct Request {
    uint16_t service = 0;
    uint16_t function = 0;
    std::vector<RequestItem> items;
};

// Reads the header (when at least 6 bytes came) and the items. False when the
// message is shorter than a header and a terminator, or an item runs past the
// end, or the terminator is missing.
bool parse_request(const uint8_t* data, uint32_t length, Request* request);

// The first item with the tag, or null.
const RequestItem* find_item(const Request& request, uint16_t tag);

// A text item's characters up to its first NUL (all of them when it has none).
// False when the item is absent.
bool read_text(const RequestItem* item, std::string* text);
// False when the item is absent or not exactly 2 (4) bytes long.
bool read_u16(const RequestItem* item, uint16_t* value);
bool read_u32(const RequestItem* item, uint32_t* value);
