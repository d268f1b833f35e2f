// Response parsers on crafted bytes.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

#include "api/current_users.h"
#include "api/db.h"
#include "api/dictionary_wire.h"
#include "api/requests.h"
#include "api/status.h"
#include "tests/api/fake_transport.h"

namespace {

Bytes counter(uint16_t id, uint32_t value) {
    return {(uint8_t)id,           (uint8_t)(id >> 8),     (uint8_t)value,
            (uint8_t)(value >> 8), (uint8_t)(value >> 16), (uint8_t)(value >> 24)};
}

TEST(Statistics, SixByteRecordsFromAFirstTagThreeItem) {
    Bytes block = counter(0, 90061);
    Bytes more = counter(11, 5);
    block.insert(block.end(), more.begin(), more.end());
    more = counter(30, 99);  // ids of 30 and above are ignored
    block.insert(block.end(), more.begin(), more.end());
    more = counter(12, 7);
    block.insert(block.end(), more.begin(), more.end());
    block.push_back(0xEE);  // 26 bytes: the last 2 are not a record
    block.push_back(0xEE);
    Bytes bytes = ResponseBuilder().item(3, block).end();
    MessageBuffer buffer = response_buffer(bytes);
    StatisticsCounters c;
    EXPECT_EQ(parse_statistics(&buffer, &c), 0);
    int present = 0;
    for (bool p : c.present) present += p;
    EXPECT_EQ(present, 3);
    EXPECT_EQ(c.value[0], 90061u);
    EXPECT_EQ(c.value[11], 5u);
    EXPECT_EQ(c.value[12], 7u);
}

TEST(Statistics, TwentyBytesAreThreeCounters) {
    Bytes block;
    for (uint16_t id = 1; id <= 4; ++id) {
        Bytes one = counter(id, id * 10);
        block.insert(block.end(), one.begin(), one.end());
    }
    block.resize(20);
    Bytes bytes = ResponseBuilder().item(3, block).end();
    MessageBuffer buffer = response_buffer(bytes);
    StatisticsCounters c;
    parse_statistics(&buffer, &c);
    EXPECT_TRUE(c.present[1] && c.present[2] && c.present[3]);
    EXPECT_FALSE(c.present[4]);
}

TEST(Statistics, HeaderStatusFirstAndOnlyAFirstTagThree) {
    Bytes failed = ResponseBuilder(3).item(3, counter(1, 1)).end();
    MessageBuffer buffer = response_buffer(failed);
    StatisticsCounters c;
    EXPECT_EQ(parse_statistics(&buffer, &c), 3);
    EXPECT_FALSE(c.present[1]);

    Bytes late = ResponseBuilder().u16(2, 0).item(3, counter(1, 1)).end();
    buffer = response_buffer(late);
    EXPECT_EQ(parse_statistics(&buffer, &c), 0);
    EXPECT_FALSE(c.present[1]);
}

ResponseBuilder& user_record(ResponseBuilder& r, const std::string& user, const std::string& ip,
                             const std::string& time = "12/07/2026 08:09:10") {
    return r.text(5, "NAS1")
        .text(6, user)
        .text(7, "cn=" + user)
        .text(8, "S-" + user)
        .text(9, time)
        .text(10, "17")
        .text(11, "Async")
        .text(12, ip)
        .u8(4, 0);
}

TEST(CurrentUsers, RecordsFieldsAndDerivedKeys) {
    ResponseBuilder r;
    r.u16(3, 2);
    user_record(r, "alice", "10.0.0.9");
    user_record(r, "bob", "10.0.0");
    Bytes bytes = r.end();
    MessageBuffer buffer = response_buffer(bytes);
    CurrentUserBatch batch;
    ASSERT_EQ(parse_current_users(&buffer, &batch), 0);
    ASSERT_EQ(batch.count, 2);
    const CurrentUserRecord& a = batch.records[0];
    EXPECT_STREQ(a.user_name, "alice");
    EXPECT_STREQ(a.ras_client, "NAS1");
    EXPECT_STREQ(a.distinguished_name, "cn=alice");
    EXPECT_EQ(a.port_number, 17u);
    EXPECT_EQ(a.ip_address, 0x0A000009u);
    EXPECT_STREQ(a.time_key, "2026120708:09:10");
    EXPECT_EQ(batch.records[1].ip_address, 0u) << "not a dotted quad";
    current_user_batch_free(&batch);
}

TEST(CurrentUsers, AnnouncedCountLimits) {
    ResponseBuilder over;
    over.u16(3, 73);
    Bytes bytes = over.end();
    MessageBuffer buffer = response_buffer(bytes);
    CurrentUserBatch batch;
    EXPECT_EQ(parse_current_users(&buffer, &batch), 0xFFFF);
    EXPECT_EQ(batch.count, 0);
    EXPECT_EQ(batch.records, nullptr);

    ResponseBuilder fewer;
    fewer.u16(3, 3);
    user_record(fewer, "a", "1.2.3.4");
    user_record(fewer, "b", "1.2.3.5");
    fewer.text(6, "unclosed");
    bytes = fewer.end();
    buffer = response_buffer(bytes);
    ASSERT_EQ(parse_current_users(&buffer, &batch), 0);
    EXPECT_EQ(batch.count, 2);
    current_user_batch_free(&batch);

    ResponseBuilder extra;
    extra.u16(3, 1);
    user_record(extra, "a", "1.2.3.4");
    user_record(extra, "b", "1.2.3.5");  // past the announced number: ignored
    bytes = extra.end();
    buffer = response_buffer(bytes);
    ASSERT_EQ(parse_current_users(&buffer, &batch), 0);
    EXPECT_EQ(batch.count, 1);
    EXPECT_STREQ(batch.records[0].user_name, "a");
    current_user_batch_free(&batch);
}

TEST(CurrentUsers, LongTextsAreCutToTheirFields) {
    std::string long_text(400, 'x');
    ResponseBuilder r;
    r.u16(3, 1)
        .text(5, long_text)
        .text(6, long_text)
        .text(9, long_text)
        .text(10, "123456789012345")
        .text(11, long_text)
        .text(12, "100.100.100.100.1")
        .u8(4, 0);
    Bytes bytes = r.end();
    MessageBuffer buffer = response_buffer(bytes);
    CurrentUserBatch batch;
    ASSERT_EQ(parse_current_users(&buffer, &batch), 0);
    const CurrentUserRecord& u = batch.records[0];
    EXPECT_EQ(strlen(u.ras_client), 31u);
    EXPECT_EQ(strlen(u.user_name), 255u);
    EXPECT_EQ(strlen(u.time_text), 19u);
    EXPECT_STREQ(u.port_text, "1234567890");
    EXPECT_EQ(strlen(u.port_type), 31u);
    EXPECT_STREQ(u.ip_text, "100.100.100.100");
    EXPECT_EQ(u.ip_address, 0x64646464u);
    current_user_batch_free(&batch);
}

TEST(CurrentUsers, DottedQuadParsing) {
    uint32_t a = 0;
    EXPECT_TRUE(parse_ip_text("255.0.10.1", &a));
    EXPECT_EQ(a, 0xFF000A01u);
    for (const char* bad : {"", "1.2.3", "1.2.3.4.5", "256.1.1.1", "1..2.3", "1.2.3.4 ", "0001.2.3.4", "a.b.c.d"})
        EXPECT_FALSE(parse_ip_text(bad, &a)) << bad;
}

TEST(Products, CountFirstThenNamedProducts) {
    std::string long_name(40, 'P');
    Bytes bytes = ResponseBuilder()
                      .text(5, "before the count")
                      .u16(1, 9)  // a tag 1 of another width is skipped
                      .u32(1, 3)
                      .text(5, "Generic")
                      .u32(10, 1)
                      .item(9, {})
                      .u32(10, 2)
                      .item(9, {})  // no name: not counted
                      .text(5, long_name)
                      .u32(10, 3)
                      .item(9, {})
                      .text(5, "Third")
                      .u32(10, 4)
                      .item(9, {})
                      .text(5, "Beyond")
                      .u32(10, 5)
                      .item(9, {})
                      .end();
    MessageBuffer buffer = response_buffer(bytes);
    ProductList list;
    bool has_list = false;
    ASSERT_EQ(parse_product_list(&buffer, &list, &has_list), 0);
    EXPECT_TRUE(has_list);
    ASSERT_EQ(list.count, 3u);
    EXPECT_STREQ(list.products[0].name, "Generic");
    EXPECT_EQ(list.products[0].value, 1u);
    EXPECT_EQ(strlen(list.products[1].name), 31u);
    EXPECT_EQ(list.products[1].value, 3u);
    EXPECT_STREQ(list.products[2].name, "Third");
    product_list_free(&list);
}

TEST(Products, NoCountNoListAndHeaderStatusFirst) {
    Bytes bytes = ResponseBuilder().text(5, "Generic").item(9, {}).end();
    MessageBuffer buffer = response_buffer(bytes);
    ProductList list;
    bool has_list = true;
    EXPECT_EQ(parse_product_list(&buffer, &list, &has_list), 0);
    EXPECT_FALSE(has_list);
    EXPECT_EQ(list.products, nullptr);

    bytes = ResponseBuilder(6).u32(1, 1).end();
    buffer = response_buffer(bytes);
    EXPECT_EQ(parse_product_list(&buffer, &list, &has_list), 6);
    EXPECT_FALSE(has_list);

    // A huge count is the server's word only as far as the response can carry.
    bytes = ResponseBuilder().u32(1, 0xFFFFFFFF).text(5, "A").item(9, {}).end();
    buffer = response_buffer(bytes);
    ASSERT_EQ(parse_product_list(&buffer, &list, &has_list), 0);
    EXPECT_EQ(list.count, 1u);
    product_list_free(&list);
}

TEST(StatusText, EndsAtTheLengthCutToTheCapacity) {
    char text[8];
    Bytes bytes = ResponseBuilder().u16(2, 5).item(3, hex("48 65 6c 6c 6f 21 21")).end();
    MessageBuffer buffer = response_buffer(bytes);
    EXPECT_EQ(parse_status_text(&buffer, text, sizeof text), 0);
    EXPECT_STREQ(text, "Hello");

    bytes = ResponseBuilder().u16(2, 500).item(3, Bytes(500, 'a')).end();
    buffer = response_buffer(bytes);
    EXPECT_EQ(parse_status_text(&buffer, text, sizeof text), 0);
    EXPECT_STREQ(text, "aaaaaaa") << "capacity - 1 characters";

    bytes = ResponseBuilder().u16(2, 6).item(3, hex("41 42")).end();
    buffer = response_buffer(bytes);
    parse_status_text(&buffer, text, sizeof text);
    EXPECT_STREQ(text, "AB") << "never past the bytes that came";
}

TEST(Locks, ResultTable) {
    struct Row {
        const char* name;
        Bytes response;
        uint16_t lock;
        uint16_t unlock;
    };
    const Row rows[] = {
        {"header status", ResponseBuilder(5).u16(3, 1).end(), 104, 104},
        {"no result item", ResponseBuilder().end(), 0, 104},
        {"result not first", ResponseBuilder().u16(2, 0).u16(3, 1).end(), 0, 104},
        {"granted", ResponseBuilder().u16(3, 1).end(), 0, 1},
        {"held by another", ResponseBuilder().u16(3, 2).end(), 107, 2},
        {"released", ResponseBuilder().u16(3, 3).end(), 104, 0},
        {"release failed 4", ResponseBuilder().u16(3, 4).end(), 104, 104},
        {"release failed 6", ResponseBuilder().u16(3, 6).end(), 104, 104},
        {"other", ResponseBuilder().u16(3, 9).end(), 104, 9},
    };
    for (const Row& row : rows) {
        Bytes bytes = row.response;
        MessageBuffer buffer = response_buffer(bytes);
        EXPECT_EQ(parse_lock_result(&buffer, false), row.lock) << row.name;
        buffer = response_buffer(bytes);
        EXPECT_EQ(parse_lock_result(&buffer, true), row.unlock) << row.name;
    }
    // A failed lock exchange is 104, whatever failed.
    FakeTransport fake;
    FakeConnection connection(&fake, false);
    EXPECT_EQ(lock_server(), 104);
    EXPECT_EQ(unlock_named("H"), 104);
}

TEST(DbData, CopiesNoMoreThanTheAnnouncedCapacity) {
    uint8_t area[8];
    memset(area, 0xCC, sizeof area);
    Bytes bytes = ResponseBuilder().item(5, Bytes(20, 'v')).u16(6, 20).end();
    MessageBuffer buffer = response_buffer(bytes);
    uint16_t length = 99;
    EXPECT_EQ(parse_db_get(&buffer, area, 4, &length), 0);
    EXPECT_EQ(length, 4) << "the length never claims more than was copied";
    EXPECT_EQ(area[4], 0xCC);

    bytes = ResponseBuilder().u16(1, 7).end();
    buffer = response_buffer(bytes);
    EXPECT_EQ(parse_db_get(&buffer, area, 4, &length), 7);
    EXPECT_EQ(length, 0);

    bool more = false;
    bytes = ResponseBuilder().item(5, hex("41 00 42 00 00")).u16(6, 5).u16(8, 1).end();
    buffer = response_buffer(bytes);
    EXPECT_EQ(parse_db_enumerate(&buffer, area, 8, &length, &more), 0);
    EXPECT_EQ(length, 5);
    EXPECT_TRUE(more);
}

TEST(Admins, BatchAndItsFlags) {
    uint8_t area[16];
    uint16_t length = 0;
    bool more = false;
    Bytes bytes = ResponseBuilder().item(5, hex("41 00 42 00 00")).u16(6, 5).u16(7, 1).end();
    MessageBuffer buffer = response_buffer(bytes);
    EXPECT_EQ(parse_admin_batch(&buffer, area, sizeof area, &length, &more), 0);
    EXPECT_EQ(length, 5);
    EXPECT_TRUE(more);
    EXPECT_EQ(memcmp(area, "A\0B\0", 5), 0);
}

struct Collected {
    uint32_t count = 0;
    bool room = true;
    std::vector<DictionaryRecordFields> records;
};

DictionaryRecordSink collecting_sink() {
    DictionaryRecordSink sink;
    sink.on_count = [](void* c, uint32_t count) {
        ((Collected*)c)->count = count;
        return ((Collected*)c)->room;
    };
    sink.on_record = [](void* c, const DictionaryRecordFields& f) {
        ((Collected*)c)->records.push_back(f);
        return true;
    };
    return sink;
}

TEST(DictionaryRecords, FieldsBetweenEndsAndItemsBeforeTheCount) {
    std::string long_name(40, 'N');
    Bytes bytes = ResponseBuilder()
                      .text(9, "ignored before the count")
                      .u16(15, 2)  // wrong width: not the count
                      .u32(15, 2)
                      .text(9, "User-Name")
                      .u32(11, 1)
                      .u32(12, 1)
                      .u32(13, 0x00070005)
                      .item(14, {})
                      .text(9, long_name)
                      .u16(11, 2)
                      .u32(12, 3)
                      .item(14, {})
                      .end();
    MessageBuffer buffer = response_buffer(bytes);
    Collected c;
    DictionaryReadResult result;
    ASSERT_EQ(read_dictionary_records(&buffer, collecting_sink(), &c, &result), 0);
    EXPECT_EQ(result, DICTIONARY_READ_OK);
    EXPECT_EQ(c.count, 2u);
    ASSERT_EQ(c.records.size(), 2u);
    EXPECT_STREQ(c.records[0].name, "User-Name");
    EXPECT_TRUE(c.records[0].has_name && c.records[0].has_number && c.records[0].has_type && c.records[0].has_flags);
    EXPECT_EQ(c.records[0].flags, 5) << "the low 16 bits";
    EXPECT_EQ(strlen(c.records[1].name), 31u);
    EXPECT_FALSE(c.records[1].has_number) << "an item 11 of another width is ignored";
    EXPECT_FALSE(c.records[1].has_flags);
}

TEST(DictionaryRecords, NoCountNoMemoryAndHeaderStatus) {
    Collected c;
    DictionaryReadResult result;
    Bytes bytes = ResponseBuilder().text(9, "A").item(14, {}).end();
    MessageBuffer buffer = response_buffer(bytes);
    EXPECT_EQ(read_dictionary_records(&buffer, collecting_sink(), &c, &result), 0);
    EXPECT_EQ(result, DICTIONARY_READ_NO_COUNT);
    EXPECT_TRUE(c.records.empty());

    c.room = false;
    bytes = ResponseBuilder().u32(15, 1).text(9, "A").item(14, {}).end();
    buffer = response_buffer(bytes);
    read_dictionary_records(&buffer, collecting_sink(), &c, &result);
    EXPECT_EQ(result, DICTIONARY_READ_NO_MEMORY);
    EXPECT_TRUE(c.records.empty());

    bytes = ResponseBuilder(7).u32(15, 1).end();
    buffer = response_buffer(bytes);
    EXPECT_EQ(read_dictionary_records(&buffer, collecting_sink(), &c, &result), 7);
}

TEST(DictionaryList, NamesStatusAndMalformedItems) {
    Bytes bytes =
        ResponseBuilder().text(6, "ASCEND").item(6, hex("43 49 53")).item(6, {0}).text(6, "X").u16(8, 0).end();
    MessageBuffer buffer = response_buffer(bytes);
    char* names = nullptr;
    uint32_t count = 0;
    ASSERT_EQ(parse_dictionary_list(&buffer, &names, &count), 0);
    EXPECT_EQ(count, 3u);
    EXPECT_EQ(memcmp(names, "ASCEND\0CIS\0X\0\0", 14), 0);
    free(names);

    bytes = ResponseBuilder().text(6, "A").u16(8, 3).end();
    buffer = response_buffer(bytes);
    EXPECT_EQ(parse_dictionary_list(&buffer, &names, &count), 3);
    EXPECT_EQ(names, nullptr);

    bytes = ResponseBuilder().end();
    buffer = response_buffer(bytes);
    ASSERT_EQ(parse_dictionary_list(&buffer, &names, &count), 0);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(names[0], 0);
    free(names);
}

TEST(StatusTexts, TableLookup) {
    EXPECT_STREQ(status_text(7), "record not found");
    EXPECT_STREQ(status_text(113), "unknown error");
    EXPECT_STREQ(status_text(0x8004), "access denied");
    EXPECT_STREQ(status_text(107), "timeout");
    EXPECT_STREQ(status_text(208), "Pool range overlaps an existing pool range in this pool definition");
    EXPECT_STREQ(status_text(0xFFFF), "unknown error");
}

TEST(Versions, Format) {
    char text[16];
    format_version(0x00011E00, text, sizeof text);
    EXPECT_STREQ(text, "01.30.00");
    format_version(0x00011DFF, text, sizeof text);
    EXPECT_STREQ(text, "01.29.255");
}

}  // namespace
