// Any bytes as a response: reading the header and every item must stay
// inside the buffer and end.
#include <stdint.h>
#include <string.h>

#include <vector>

#include "api/codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > MSG_BUFFER_SIZE) size = MSG_BUFFER_SIZE;
    // An exact-size copy, so reading one byte past the end is caught.
    std::vector<uint8_t> bytes(data, data + size);
    MessageBuffer buffer;
    msg_init(&buffer, bytes.data(), (uint16_t)size);
    uint16_t word0 = 0, word1 = 0, word2 = 0;
    msg_get_header(&buffer, &word0, &word1, &word2);
    uint32_t checksum = 0;
    for (uint32_t items = 0;; ++items) {
        uint16_t tag = 0, length = 0;
        const uint8_t* value = nullptr;
        msg_get_item(&buffer, &tag, &value, &length);
        if (tag == 0) break;
        if (value && length) checksum += value[0] + value[length - 1];
        if (items > MSG_BUFFER_SIZE / 4) __builtin_trap();  // every item takes 4 bytes at least
    }
    uint16_t tag = 1;
    msg_get_item(&buffer, &tag, nullptr, nullptr);
    if (tag != 0) __builtin_trap();  // the end stays the end
    return checksum == 0xFFFFFFFF;
}
