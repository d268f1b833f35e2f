#include <gtest/gtest.h>

#include <string.h>

#include "api/codec.h"
#include "api/response.h"
#include "tests/api/fake_transport.h"

namespace {

struct Request {
    uint8_t data[MSG_BUFFER_SIZE];
    MessageBuffer buffer;
    Request() {
        memset(data, 0xAA, sizeof data);
        msg_init(&buffer, data, MSG_BUFFER_SIZE);
    }
    Bytes bytes() const { return Bytes(data, data + buffer.position); }
};

TEST(CodecPut, RequestWithoutItemsIsHeaderAndTerminator) {
    Request r;
    msg_put_header(&r.buffer, 0, 11, 2);
    msg_put_end(&r.buffer);
    EXPECT_EQ(to_hex(r.bytes()), "00 00 0b 00 02 00 00 00");
}

TEST(CodecPut, AbsentStringAddsNothingEmptyStringAddsOneNul) {
    Request r;
    msg_put_header(&r.buffer, 0, 1, 4);
    msg_put_string(&r.buffer, 3, nullptr);
    msg_put_bytes(&r.buffer, 5, nullptr, 10);
    msg_put_string(&r.buffer, 4, "");
    msg_put_string(&r.buffer, 2, "AB");
    msg_put_end(&r.buffer);
    EXPECT_EQ(to_hex(r.bytes()), "00 00 01 00 04 00 04 00 01 00 00 02 00 03 00 41 42 00 00 00");
}

TEST(CodecPut, IntegersAreLittleEndianWithTheirWidth) {
    Request r;
    msg_put_header(&r.buffer, 0, 10, 1);
    msg_put_u8(&r.buffer, 4, 0);
    msg_put_u16(&r.buffer, 2, 0x0102);
    msg_put_u32(&r.buffer, 4, 10000);
    msg_put_end(&r.buffer);
    EXPECT_EQ(to_hex(r.bytes()), "00 00 0a 00 01 00 04 00 01 00 00 02 00 02 00 02 01 04 00 04 00 10 27 00 00 00 00");
}

TEST(CodecPut, ItemThatWouldPassTheEndIsRefusedWhole) {
    Request r;
    msg_put_header(&r.buffer, 0, 1, 3);
    static uint8_t value[MSG_BUFFER_SIZE];
    // 6 header + 4 item header + value + 2 terminator: the largest value that fits.
    const uint32_t largest = MSG_BUFFER_SIZE - 6 - 4 - 2;
    msg_put_bytes(&r.buffer, 5, value, largest);
    EXPECT_FALSE(r.buffer.overflowed);
    msg_put_end(&r.buffer);
    EXPECT_FALSE(r.buffer.overflowed);
    EXPECT_EQ(r.buffer.position, MSG_BUFFER_SIZE);

    memset(r.data, 0xAA, sizeof r.data);
    msg_put_header(&r.buffer, 0, 1, 3);
    msg_put_bytes(&r.buffer, 5, value, largest + 1);
    EXPECT_EQ(r.buffer.position, 6) << "a refused item writes nothing";
    EXPECT_TRUE(r.buffer.overflowed);
    msg_put_u16(&r.buffer, 6, 1);
    EXPECT_EQ(r.buffer.position, 6) << "nothing is written after an overflow";
    EXPECT_EQ(r.data[6], 0xAA);
}

TEST(CodecPut, ValueLongerThanAnItemLengthOverflows) {
    static uint8_t big[70000];
    uint8_t data[8];
    MessageBuffer buffer;
    msg_init(&buffer, data, sizeof data);
    msg_put_header(&buffer, 0, 1, 3);
    msg_put_bytes(&buffer, 5, big, 65536);
    EXPECT_TRUE(buffer.overflowed);
    msg_put_header(&buffer, 0, 1, 3);
    EXPECT_FALSE(buffer.overflowed) << "a new header starts a new request";
}

struct Item {
    uint16_t tag;
    Bytes value;
};

std::vector<Item> read_all(MessageBuffer* buffer) {
    std::vector<Item> items;
    msg_get_header(buffer, nullptr, nullptr, nullptr);
    for (;;) {
        uint16_t tag = 0, length = 0;
        const uint8_t* value = nullptr;
        msg_get_item(buffer, &tag, &value, &length);
        if (tag == 0) break;
        items.push_back({tag, Bytes(value, value + length)});
    }
    return items;
}

TEST(CodecGet, ItemsUpToTheTerminatorAndThenTagZeroForever) {
    Bytes bytes = ResponseBuilder(0, 1, 4).text(5, "x").u16(6, 2).end();
    bytes.insert(bytes.end(), {7, 0, 1, 0, 9});  // stale bytes after the terminator
    MessageBuffer buffer = response_buffer(bytes);
    std::vector<Item> items = read_all(&buffer);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].tag, 5);
    EXPECT_EQ(to_hex(items[0].value), "78 00");
    EXPECT_EQ(items[1].tag, 6);
    for (int i = 0; i < 3; ++i) {
        uint16_t tag = 99;
        msg_get_item(&buffer, &tag, nullptr, nullptr);
        EXPECT_EQ(tag, 0);
    }
}

TEST(CodecGet, TruncatedItemsEndTheList) {
    // Last item's length reaches past the buffer: the items before it are delivered.
    Bytes bytes = ResponseBuilder().u16(2, 1).bytes;
    bytes.insert(bytes.end(), {5, 0, 10, 0, 1, 2, 3});
    MessageBuffer buffer = response_buffer(bytes);
    std::vector<Item> items = read_all(&buffer);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].tag, 2);

    // A tag without room for its length field, and a lone odd byte.
    for (Bytes tail : {Bytes{5, 0, 1}, Bytes{5}}) {
        Bytes cut = ResponseBuilder().u16(2, 1).bytes;
        cut.insert(cut.end(), tail.begin(), tail.end());
        MessageBuffer b = response_buffer(cut);
        EXPECT_EQ(read_all(&b).size(), 1u);
    }
}

TEST(CodecGet, ItemReachingPastTheFullBufferIsNotDelivered) {
    Bytes bytes(MSG_BUFFER_SIZE, 0);
    Bytes head = ResponseBuilder().u16(2, 7).bytes;
    memcpy(bytes.data(), head.data(), head.size());
    size_t at = head.size();
    uint16_t length = (uint16_t)(MSG_BUFFER_SIZE - at - 4 + 1);  // one byte too long
    bytes[at] = 5;
    bytes[at + 2] = (uint8_t)length;
    bytes[at + 3] = (uint8_t)(length >> 8);
    MessageBuffer buffer = response_buffer(bytes);
    std::vector<Item> items = read_all(&buffer);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].tag, 2);

    bytes[at + 2] = (uint8_t)(length - 1);  // exactly to the end: delivered
    buffer = response_buffer(bytes);
    EXPECT_EQ(read_all(&buffer).size(), 2u);
}

TEST(CodecGet, HeaderNeedsSixBytes) {
    Bytes bytes = {1, 0, 2, 0, 3};
    MessageBuffer buffer = response_buffer(bytes);
    uint16_t w0 = 77, w1 = 77, w2 = 77;
    msg_get_header(&buffer, &w0, &w1, &w2);
    EXPECT_EQ(w0, 77);
    EXPECT_EQ(w1, 0);
    EXPECT_EQ(w2, 77);
    EXPECT_EQ(buffer.position, 0);

    bytes.push_back(0);
    buffer = response_buffer(bytes);
    msg_get_header(&buffer, &w0, &w1, &w2);
    EXPECT_EQ(w0, 1);
    EXPECT_EQ(w1, 2);
    EXPECT_EQ(w2, 3);
    EXPECT_EQ(buffer.position, 6);
}

TEST(ResponseStatus, TagOneItemsOverrideTheHeaderAndTheLastWins) {
    Bytes first = ResponseBuilder(0).u16(1, 7).end();
    MessageBuffer buffer = response_buffer(first);
    EXPECT_EQ(read_response_status(&buffer), 7);

    Bytes twice = ResponseBuilder(3).u16(1, 7).u16(1, 0).end();
    buffer = response_buffer(twice);
    EXPECT_EQ(read_response_status(&buffer), 0);

    // Tag 1 of another width is not a status: the product list's count.
    Bytes count = ResponseBuilder(0).u32(1, 7).end();
    buffer = response_buffer(count);
    int seen = 0;
    EXPECT_EQ(read_response(&buffer, [&](const ResponseItem& item) { seen += item.tag == 1; }), 0);
    EXPECT_EQ(seen, 1);
}

}  // namespace
