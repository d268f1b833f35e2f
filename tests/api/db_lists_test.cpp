// Listings built from enumeration batches, against a scripted server that
// honours the announced capacity.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <string>

#include "api/codec.h"
#include "api/db.h"
#include "api/db_lists.h"
#include "api/status.h"
#include "tests/api/fake_transport.h"

namespace {

// Serves the names of one class in batches no larger than the capacity.
struct EnumerateServer {
    std::vector<std::string> names;   // served in this order
    std::vector<std::string> afters;  // item 5 of each request ("" when absent)
    uint16_t fail_at_request = 0;     // 1-based; 0 = never

    Bytes answer(const Bytes& request) {
        Bytes copy = request;
        MessageBuffer buffer;
        msg_init(&buffer, copy.data(), (uint16_t)copy.size());
        msg_get_header(&buffer, nullptr, nullptr, nullptr);
        std::string after;
        uint16_t capacity = 0;
        for (;;) {
            uint16_t tag = 0, length = 0;
            const uint8_t* value = nullptr;
            msg_get_item(&buffer, &tag, &value, &length);
            if (tag == 0) break;
            if (tag == 5) after = std::string((const char*)value, length - 1);
            if (tag == 7) capacity = get_le16(value);
        }
        afters.push_back(after);
        if (fail_at_request && afters.size() == fail_at_request) return ResponseBuilder(3).end();
        size_t next = 0;
        if (!after.empty()) {
            auto at = std::find(names.begin(), names.end(), after);
            next = at == names.end() ? names.size() : (size_t)(at - names.begin()) + 1;
        }
        Bytes block;
        while (next < names.size() && block.size() + names[next].size() + 2 <= capacity) {
            block.insert(block.end(), names[next].begin(), names[next].end());
            block.push_back(0);
            ++next;
        }
        block.push_back(0);
        return ResponseBuilder().item(5, block).u16(6, (uint16_t)block.size()).u16(8, next < names.size()).end();
    }
};

struct ListFixture : ::testing::Test {
    FakeTransport fake;
    EnumerateServer server;
    FakeConnection* connection = nullptr;
    void SetUp() override {
        connection = new FakeConnection(&fake);
        fake.answer = [this](const Bytes& request) { return server.answer(request); };
    }
    void TearDown() override { delete connection; }
};

std::vector<std::string> block_names(const char* block, uint32_t size) {
    std::vector<std::string> names;
    uint32_t at = 0;
    while (at < size && block[at]) {
        names.push_back(block + at);
        at += (uint32_t)names.back().size() + 1;
    }
    return names;
}

TEST_F(ListFixture, ListAllOfAnEmptyClassIsOneNul) {
    char* block = nullptr;
    uint32_t size = 0;
    ASSERT_EQ(db_list_all("Client", nullptr, &block, &size), 0);
    EXPECT_EQ(size, 1u);
    EXPECT_EQ(block[0], 0);
    free(block);
}

TEST_F(ListFixture, ListAllContinuesAfterTheLastNameUpTo32768Bytes) {
    for (int i = 0; i < 3000; ++i) {
        char name[32];
        snprintf(name, sizeof name, "USER%05d-PADDING", i);  // 17 characters + NUL
        server.names.push_back(name);
    }
    char* block = nullptr;
    uint32_t size = 0;
    ASSERT_EQ(db_list_all("++b-Native-User", nullptr, &block, &size), 0);
    std::vector<std::string> got = block_names(block, size);
    ASSERT_GT(got.size(), 1000u);
    EXPECT_LE(size, DB_LIST_ALL_LIMIT);
    EXPECT_EQ(block[size - 1], 0);
    EXPECT_EQ(size, got.size() * 18 + 1);
    for (size_t i = 0; i < got.size(); ++i) ASSERT_EQ(got[i], server.names[i]);
    // Each batch after the first continues from the last name of the one before.
    ASSERT_GE(server.afters.size(), 8u);
    EXPECT_EQ(server.afters[0], "");
    EXPECT_EQ(server.afters[1], got[(4096 - 1) / 18 - 1]);
    free(block);
}

TEST_F(ListFixture, ListAllFailureFreesAndReturnsTheStatus) {
    server.names.assign(1000, "");
    for (int i = 0; i < 1000; ++i) server.names[i] = "NAME" + std::to_string(1000 + i);
    server.fail_at_request = 2;
    char* block = (char*)1;
    uint32_t size = 9;
    EXPECT_EQ(db_list_all("Client", nullptr, &block, &size), 3);
    EXPECT_EQ(block, nullptr);
    EXPECT_EQ(size, 0u);
}

TEST_F(ListFixture, SortedListSkipsTheTemporaryObjectAndSortsUnsigned) {
    server.names = {"zeta", TEMP_OBJECT_NAME, "\xC4RGER", "Alpha", "beta", "ALPHA"};
    NameList list;
    ASSERT_EQ(db_list_sorted("Client", &list), 0);
    ASSERT_EQ(list.count, 5u);
    const char* expected[] = {"ALPHA", "Alpha", "beta", "zeta", "\xC4RGER"};
    for (uint32_t i = 0; i < list.count; ++i) EXPECT_STREQ(name_list_at(&list, i), expected[i]);
    EXPECT_EQ(name_list_find(&list, "beta"), 2);
    EXPECT_EQ(name_list_find(&list, TEMP_OBJECT_NAME), -1);
    EXPECT_EQ(name_list_find(&list, "gamma"), -1);
    name_list_free(&list);
}

TEST_F(ListFixture, SortedListSkipsEmptyNamesAndReadsOn) {
    fake.answer = [](const Bytes&) {
        return ResponseBuilder().item(5, hex("41 00 00 42 00 00 43 00 00")).u16(6, 9).u16(8, 0).end();
    };
    NameList list;
    ASSERT_EQ(db_list_sorted("Client", &list), 0);
    ASSERT_EQ(list.count, 3u);
    EXPECT_STREQ(name_list_at(&list, 0), "A");
    EXPECT_STREQ(name_list_at(&list, 2), "C");
    name_list_free(&list);
}

TEST_F(ListFixture, SortedListOfOneHundredThousandNames) {
    for (int i = 0; i < 100000; ++i) {
        char name[32];
        snprintf(name, sizeof name, "U%06d", (i * 7919) % 100000);  // every number once, shuffled
        server.names.push_back(name);
    }
    auto start = std::chrono::steady_clock::now();
    NameList list;
    ASSERT_EQ(db_list_sorted("++b-Native-User", &list), 0);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ASSERT_EQ(list.count, 100000u);
    EXPECT_STREQ(name_list_at(&list, 0), "U000000");
    EXPECT_STREQ(name_list_at(&list, 99999), "U099999");
    EXPECT_EQ(name_list_find(&list, "U054321"), 54321);
    // A quadratic insert would take minutes here.
    EXPECT_LT(seconds, 10.0);
    name_list_free(&list);
}

TEST_F(ListFixture, SortedListFailureReturnsTheStatusAndNoList) {
    for (int i = 0; i < 1000; ++i) server.names.push_back("NAME" + std::to_string(1000 + i));
    server.fail_at_request = 3;
    NameList list;
    EXPECT_EQ(db_list_sorted("Client", &list), 3);
    EXPECT_EQ(list.count, 0u);
    EXPECT_EQ(list.text, nullptr);
}

TEST_F(ListFixture, MoreFlagWithoutNamesDoesNotLoop) {
    fake.answer = [](const Bytes&) { return ResponseBuilder().item(5, {0}).u16(6, 1).u16(8, 1).end(); };
    NameList list;
    ASSERT_EQ(db_list_sorted("Client", &list), 0);
    EXPECT_EQ(list.count, 0u);
    name_list_free(&list);
    char* block;
    uint32_t size;
    ASSERT_EQ(db_list_all("Client", nullptr, &block, &size), 0);
    free(block);
    EXPECT_EQ(fake.requests.size(), 2u);
}

}  // namespace
