// The services besides the database: statistics, administrators, access
// level, dictionaries, status text, products, keep-alive and versions.
#include <map>

#include "platform/ticks.h"
#include "sim_test_support.h"

namespace {

std::map<uint16_t, uint32_t> counters_of(const Reply& reply) {
    std::map<uint16_t, uint32_t> counters;
    const ReplyItem* block = reply.find(3);
    if (!block) return counters;
    EXPECT_EQ(0u, block->value.size() % 6);
    const uint8_t* bytes = (const uint8_t*)block->value.data();
    for (size_t at = 0; at + 6 <= block->value.size(); at += 6)
        counters[get_le16(bytes + at)] = get_le32(bytes + at + 2);
    return counters;
}

class ServicesTest : public SimServerTest {
protected:
    Client client;

    void start_with(const char* fixture) {
        start(fixture);
        ASSERT_TRUE(client.open());
    }

    Reply admins(uint16_t kind, const std::string& after, uint16_t capacity) {
        RequestBuilder request(3, 1);
        request.text(4, after).u16(2, kind).u16(3, 2).u16(6, capacity);
        return client.call(request);
    }

    uint16_t set_admin(const std::string& name, uint16_t kind, uint16_t level) {
        RequestBuilder request(3, 2);
        request.text(4, name).u16(2, kind).u16(3, level);
        return client.call(request).status;
    }
};

TEST_F(ServicesTest, StatisticsCountersGrowWithTheirRates) {
    start_with("counter 0 1000\ncounter 3 50 1000\ncounter 7 9\n");
    RequestBuilder first_request(2, 1);
    Reply first = client.call(first_request);
    EXPECT_EQ(0, first.status);
    ASSERT_EQ(first.items.size(), 1u);
    std::map<uint16_t, uint32_t> before = counters_of(first);
    ASSERT_EQ(3u, before.size());
    EXPECT_EQ(9u, before[7]);
    uint32_t started = tick_count();
    sleep_ms(1100);
    RequestBuilder second_request(2, 1);
    std::map<uint16_t, uint32_t> after = counters_of(client.call(second_request));
    uint32_t elapsed = tick_count() - started;
    EXPECT_GE(after[0], before[0] + 1) << "up time counts seconds";
    EXPECT_LE(after[0], before[0] + elapsed / 1000 + 1);
    EXPECT_GE(after[3], before[3] + 1000) << "1000 per second over more than a second";
    EXPECT_EQ(9u, after[7]) << "no rate, no change";
}

TEST_F(ServicesTest, UpTimeIsReportedWithoutAFixtureCounter) {
    start_with("counter 5 1\n");
    RequestBuilder request(2, 1);
    std::map<uint16_t, uint32_t> counters = counters_of(client.call(request));
    EXPECT_EQ(1u, counters.count(0));
    EXPECT_EQ(1u, counters[5]);
}

TEST_F(ServicesTest, AdministratorsEnumerateInBatchesPerKind) {
    start_with("admin user carol\nadmin user alice\nadmin user bob\nadmin group Admins\n");
    Reply all = admins(0, "", 32768);
    EXPECT_EQ(std::string("alice\0bob\0carol\0\0", 17), all.find(5)->value);
    EXPECT_EQ(17, all.u16(6));
    EXPECT_EQ(0, all.u16(7));

    Reply first = admins(0, "", 11);  // "alice\0bob\0" + final NUL
    EXPECT_EQ((std::vector<std::string>{"alice", "bob"}), split_names(first.find(5)->value));
    EXPECT_EQ(1, first.u16(7));
    Reply rest = admins(0, "bob", 11);
    EXPECT_EQ(std::vector<std::string>{"carol"}, split_names(rest.find(5)->value));
    EXPECT_EQ(0, rest.u16(7));

    EXPECT_EQ(std::vector<std::string>{"Admins"}, split_names(admins(1, "", 100).find(5)->value));
}

TEST_F(ServicesTest, AdministratorsAreAddedAndRemoved) {
    SimOptions options;
    options.save = true;
    start("admin user alice\n", options);
    ASSERT_TRUE(client.open());
    EXPECT_EQ(0, set_admin("Operators", 1, 2));
    EXPECT_EQ(0, set_admin("alice", 0, 0));
    EXPECT_EQ(7, set_admin("alice", 0, 0)) << "removing who is not there";
    EXPECT_EQ(3, set_admin("bob", 0, 1)) << "only levels 0 and 2 exist";
    EXPECT_EQ(std::string("\0", 1), admins(0, "", 100).find(5)->value);
    EXPECT_EQ(std::vector<std::string>{"Operators"}, split_names(admins(1, "", 100).find(5)->value));
    std::string saved = read_test_file(fixture_path);
    EXPECT_NE(std::string::npos, saved.find("admin group \"Operators\""));
    EXPECT_EQ(std::string::npos, saved.find("alice"));
}

TEST_F(ServicesTest, AccessLevelOptionMaskAndVersions) {
    start_with(
        "access-level 0\noption-mask 0x11\nservice-version 0x00011F02\n"
        "required-console-version 0x00011E00\n");
    RequestBuilder level(4, 5);
    EXPECT_EQ(0, client.call(level).u16(4));
    RequestBuilder mask(11, 1);
    EXPECT_EQ(0x11u, client.call(mask).u32(2));
    RequestBuilder version(11, 2);
    EXPECT_EQ(0x00011F02u, client.call(version).u32(3));

    RequestBuilder accepted(11, 3);
    accepted.u32(3, 0x00011E00);
    Reply ok = client.call(accepted);
    EXPECT_EQ(0, ok.status);
    EXPECT_EQ(0x00011E00u, ok.u32(3));

    RequestBuilder too_old(11, 3);
    too_old.u32(3, 0x00011D63);
    Reply refused = client.call(too_old);
    EXPECT_NE(0, refused.status);
    EXPECT_EQ(0x00011E00u, refused.u32(3)) << "the required version comes with the refusal";
}

TEST_F(ServicesTest, StatusTextIsCutBelowTheCapacity) {
    start_with("status-text \"Server is running\"\n");
    RequestBuilder whole(6, 1);
    whole.u16(2, 8192);
    Reply reply = client.call(whole);
    EXPECT_EQ(17, reply.u16(2));
    EXPECT_EQ("Server is running", reply.find(3)->value);

    RequestBuilder cut(6, 1);
    cut.u16(2, 7);
    Reply short_reply = client.call(cut);
    EXPECT_EQ(6, short_reply.u16(2));
    EXPECT_EQ("Server", short_reply.find(3)->value);
}

TEST_F(ServicesTest, ProductListHasCountThenRecords) {
    start_with("product \"PortMaster\" 3\nproduct \"Total Control\" 12\n");
    RequestBuilder request(8, 2);
    Reply reply = client.call(request);
    ASSERT_GE(reply.items.size(), 7u);
    EXPECT_EQ(1, reply.items[0].tag);
    EXPECT_EQ(2u, reply.u32(1));
    uint16_t expected_tags[] = {1, 5, 10, 9, 5, 10, 9};
    for (size_t i = 0; i < 7; ++i) EXPECT_EQ(expected_tags[i], reply.items[i].tag) << i;
    EXPECT_EQ(std::string("Total Control\0", 14), reply.find(5, 1)->value);
    EXPECT_EQ(12u, get_le32((const uint8_t*)reply.find(10, 1)->value.data()));
}

TEST_F(ServicesTest, KeepAliveAndUnknownRequests) {
    start_with("");
    RequestBuilder keep_alive(9, 1);
    EXPECT_EQ(0, client.call(keep_alive).status);
    RequestBuilder unknown_service(42, 1);
    EXPECT_EQ(105, client.call(unknown_service).status);
    RequestBuilder unknown_function(1, 2);
    EXPECT_EQ(105, client.call(unknown_function).status);
    RequestBuilder unknown_info(11, 9);
    EXPECT_EQ(105, client.call(unknown_info).status);
}

class DictionaryTest : public ServicesTest {
protected:
    void SetUp() override {
        write_test_file("default.dict",
                        "attribute User-Name 1 0 5\n"
                        "attribute Service-Type 6 1 0x15\n"
                        "value Service-Type Login 1\n"
                        "value Service-Type Framed 2 7\n");
        write_test_file("ascend.dict", "attribute Ascend-Data-Filter 242 3 4\n");
    }
};

TEST_F(DictionaryTest, AttributeTableRecords) {
    start_with("dictionary \"\" default.dict\ndictionary Ascend ascend.dict\n");
    RequestBuilder request(5, 2);
    Reply reply = client.call(request);
    EXPECT_EQ(0, reply.status);
    uint16_t expected_tags[] = {15, 9, 11, 12, 13, 14, 9, 11, 12, 13, 14};
    ASSERT_EQ(11u, reply.items.size());
    for (size_t i = 0; i < 11; ++i) EXPECT_EQ(expected_tags[i], reply.items[i].tag) << i;
    EXPECT_EQ(2u, reply.u32(15));
    EXPECT_EQ(std::string("Service-Type\0", 13), reply.items[6].value);
    EXPECT_EQ(0x15u, get_le32((const uint8_t*)reply.items[9].value.data()));
    EXPECT_EQ(0u, reply.items[10].value.size());

    RequestBuilder named(5, 2);
    named.text(6, "Ascend");
    Reply ascend = client.call(named);
    EXPECT_EQ(1u, ascend.u32(15));
    EXPECT_EQ("Ascend-Data-Filter", ascend.text(9));

    RequestBuilder unknown(5, 2);
    unknown.text(6, "Nope");
    EXPECT_EQ(7, client.call(unknown).status);
}

TEST_F(DictionaryTest, ValueTableRecords) {
    start_with("dictionary \"\" default.dict\n");
    RequestBuilder request(5, 4);
    Reply reply = client.call(request);
    uint16_t expected_tags[] = {15, 9, 10, 11, 13, 14, 9, 10, 11, 13, 14};
    ASSERT_EQ(11u, reply.items.size());
    for (size_t i = 0; i < 11; ++i) EXPECT_EQ(expected_tags[i], reply.items[i].tag) << i;
    EXPECT_EQ(std::string("Framed\0", 7), reply.items[7].value);
    EXPECT_EQ(7u, get_le32((const uint8_t*)reply.items[9].value.data()));
}

TEST_F(DictionaryTest, ListNamesOnlyNamedDictionaries) {
    start_with("dictionary \"\" default.dict\ndictionary Ascend ascend.dict\ndictionary Cisco ascend.dict\n");
    RequestBuilder request(5, 6);
    Reply reply = client.call(request);
    EXPECT_EQ(2u, reply.count(6));
    EXPECT_EQ(std::string("Ascend\0", 7), reply.find(6, 0)->value);
    EXPECT_EQ(std::string("Cisco\0", 6), reply.find(6, 1)->value);
    EXPECT_EQ(8, reply.items.back().tag);
    EXPECT_EQ(0, reply.u16(8));
}

TEST_F(DictionaryTest, TooLargeForOneAnswerIsStatus101) {
    std::string big;
    for (int i = 0; i < 1500; ++i) big += "attribute Vendor-Specific-Attribute-" + std::to_string(i) + " 26 1 0\n";
    write_test_file("big.dict", big);
    start_with("dictionary \"\" big.dict\n");
    RequestBuilder request(5, 2);
    Reply reply = client.call(request);
    EXPECT_EQ(101, reply.status);
    EXPECT_TRUE(reply.items.empty());
    EXPECT_LE(reply.length, 36864u);
}

}  // namespace
