// The client against keelsim: every operation end to end, two connections
// contending for the lock, and faults injected into the creation of an object.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

#include <chrono>
#include <string>
#include <vector>

#include "api/create_object.h"
#include "api/current_users.h"
#include "api/db.h"
#include "api/db_lists.h"
#include "api/dictionary_wire.h"
#include "api/requests.h"
#include "api/session.h"
#include "api/status.h"
#include "platform/ticks.h"
#include "tests/sim/sim_test_support.h"

namespace {

class Connected : public SimServerTest {
protected:
    void connect(const char* fixture = "", SimOptions options = SimOptions()) {
        start(fixture, options);
        session_reset();
        PipeSession* session = nullptr;
        ASSERT_EQ(session_open(nullptr, &session), 0);
        set_current_session(session);
    }
    // What connect took, so that a table of cases can start each afresh.
    void disconnect() {
        session_reset();
        stop();
    }
    void TearDown() override { disconnect(); }
    std::string stored(const char* cls, const char* obj, const char* prop) {
        std::string value;
        return sim_get_property(server, cls, obj, prop, &value) ? value : std::string("<missing>");
    }
};

TEST_F(Connected, PropertiesRoundTrip) {
    connect();
    ASSERT_EQ(db_create("Client", "NAS1"), 0);
    ASSERT_EQ(db_set("Client", "NAS1", "IPAddress", "\x0a\x00\x00\x01", 4), 0);
    ASSERT_EQ(db_set_text("Client", "NAS1", "Product", "Generic"), 0);
    EXPECT_EQ(stored("Client", "NAS1", "Product"), std::string("Generic\0", 8));

    uint8_t area[64];
    uint16_t length = sizeof area;
    ASSERT_EQ(db_get("Client", "NAS1", "IPAddress", area, &length), 0);
    EXPECT_EQ(length, 4);
    EXPECT_EQ(memcmp(area, "\x0a\x00\x00\x01", 4), 0);

    length = 2;  // a smaller receive area gets no more than it asked for
    memset(area, 0xEE, sizeof area);
    ASSERT_EQ(db_get("Client", "NAS1", "Product", area, &length), 0);
    EXPECT_EQ(length, 2);
    EXPECT_EQ(area[2], 0xEE);

    length = sizeof area;
    EXPECT_EQ(db_get("Client", "NAS1", "Missing", area, &length), STATUS_NOT_FOUND);
    EXPECT_EQ(length, 0);
    EXPECT_STREQ(status_text(STATUS_NOT_FOUND), "record not found");

    bool exists = false;
    ASSERT_EQ(db_exists("Client", "NAS1", nullptr, &exists), 0);
    EXPECT_TRUE(exists);
    ASSERT_EQ(db_exists("Client", "NAS1", "Product", &exists), 0);
    EXPECT_TRUE(exists);
    ASSERT_EQ(db_exists("Client", "NAS2", nullptr, &exists), 0);
    EXPECT_FALSE(exists);

    char* block = nullptr;
    uint32_t size = 0;
    ASSERT_EQ(db_list_all("Client", "NAS1", &block, &size), 0);
    EXPECT_EQ(std::string(block, size), std::string("IPAddress\0Product\0\0", 19));
    free(block);

    ASSERT_EQ(db_delete("Client", "NAS1", "Product"), 0);
    ASSERT_EQ(db_exists("Client", "NAS1", "Product", &exists), 0);
    EXPECT_FALSE(exists);
    ASSERT_EQ(db_delete("Client", "NAS1", nullptr), 0);
    EXPECT_FALSE(sim_object_exists(server, "Client", "NAS1"));
}

TEST_F(Connected, RenameReplacesAnExistingObject) {
    connect("object Client OLD\nproperty P text \"old\"\nobject Client NEW\nproperty Q text \"q\"\n");
    ASSERT_EQ(db_rename("Client", "OLD", "NEW"), 0);
    EXPECT_FALSE(sim_object_exists(server, "Client", "OLD"));
    EXPECT_EQ(stored("Client", "NEW", "P"), std::string("old\0", 4));
    EXPECT_EQ(stored("Client", "NEW", "Q"), "<missing>");
    EXPECT_EQ(db_rename("Client", "GONE", "X"), STATUS_NOT_FOUND);
}

TEST_F(Connected, ListingsBatchAcrossTheCapacity) {
    std::string fixture;
    for (int i = 0; i < 3000; ++i) fixture += "object ++b-Native-User U" + std::to_string(100000 + i) + "-PADDED\n";
    fixture += "object ++b-Native-User " TEMP_OBJECT_NAME "\n";
    connect(fixture.c_str());

    NameList list;
    ASSERT_EQ(db_list_sorted("++b-Native-User", &list), 0);
    ASSERT_EQ(list.count, 3000u);
    EXPECT_STREQ(name_list_at(&list, 0), "U100000-PADDED");
    EXPECT_STREQ(name_list_at(&list, 2999), "U102999-PADDED");
    name_list_free(&list);
    EXPECT_GT(sim_request_count(server, 1, 8), 10u) << "3000 names of 15 bytes need many 4096-byte batches";

    char* block = nullptr;
    uint32_t size = 0;
    ASSERT_EQ(db_list_all("++b-Native-User", nullptr, &block, &size), 0);
    EXPECT_LE(size, DB_LIST_ALL_LIMIT);
    EXPECT_GT(size, DB_LIST_ALL_LIMIT - 4096) << "filled up to the block's limit";
    EXPECT_EQ(std::string(block, 15), std::string("U100000-PADDED\0", 15));
    EXPECT_EQ(block[size - 1], 0);
    EXPECT_EQ(block[size - 2], 0);
    free(block);

    ASSERT_EQ(db_list_all("Nothing", nullptr, &block, &size), 0);
    EXPECT_EQ(size, 1u);
    free(block);
}

TEST_F(Connected, ServerRequests) {
    connect(
        "service-version 0x00011E05\nrequired-console-version 0x00011F00\naccess-level 2\noption-mask 0x15\n"
        "status-text \"Server running\\r\\nline 2\"\n"
        "product \"Generic\" 1\nproduct \"Acme NAS\" 7\n"
        "counter 3 42\ncounter 11 5 1000\n");
    uint32_t version = 0;
    ASSERT_EQ(get_service_version(&version), 0);
    EXPECT_EQ(version, 0x00011E05u);
    uint32_t required = 0;
    EXPECT_NE(check_console_version(CONSOLE_VERSION, &required), 0) << "this console is refused";
    EXPECT_EQ(required, 0x00011F00u) << "and still learns which version is required";
    uint16_t level = 9;
    ASSERT_EQ(get_access_level(&level), 0);
    EXPECT_EQ(level, ACCESS_FULL);
    uint32_t mask = 0;
    ASSERT_EQ(get_option_mask(&mask), 0);
    EXPECT_EQ(mask, 0x15u);

    char text[STATUS_TEXT_CAPACITY];
    ASSERT_EQ(get_status_text(text, sizeof text), 0);
    EXPECT_STREQ(text, "Server running\r\nline 2");

    ProductList products;
    bool has_list = false;
    ASSERT_EQ(get_product_list(&products, &has_list), 0);
    ASSERT_TRUE(has_list);
    ASSERT_EQ(products.count, 2u);
    EXPECT_STREQ(products.products[1].name, "Acme NAS");
    EXPECT_EQ(products.products[1].value, 7u);
    product_list_free(&products);

    StatisticsCounters first, second;
    ASSERT_EQ(get_statistics(&first), 0);
    EXPECT_TRUE(first.present[0] && first.present[3] && first.present[11]);
    EXPECT_EQ(first.value[3], 42u);
    sleep_ms(1100);
    ASSERT_EQ(get_statistics(&second), 0);
    EXPECT_GT(second.value[0], first.value[0]) << "up time moves";
    EXPECT_GT(second.value[11], first.value[11]) << "counters with a rate move";

    EXPECT_EQ(keep_alive(), 0);
    EXPECT_EQ(sim_request_count(server, 9, 1), 1u);
}

TEST_F(Connected, AdministratorsInBatchesOver32768Bytes) {
    connect();
    // 2500 names of 20 bytes fill more than one 32768-byte batch.
    for (int i = 0; i < 2500; ++i) {
        std::string name = "DOMAIN\\ADMIN" + std::to_string(1000000 + i);
        ASSERT_EQ(admin_set(name.c_str(), ADMIN_USER, 2), 0);
    }
    ASSERT_EQ(admin_set("DOMAIN\\Admins", ADMIN_GROUP, 2), 0);
    struct Seen {
        std::vector<std::string> names;
    } users, groups;
    auto collect = [](void* context, const char* name) { ((Seen*)context)->names.push_back(name); };
    ASSERT_EQ(admin_list(ADMIN_USER, collect, &users), 0);
    ASSERT_EQ(admin_list(ADMIN_GROUP, collect, &groups), 0);
    EXPECT_EQ(users.names.size(), 2500u);
    EXPECT_EQ(users.names.front(), "DOMAIN\\ADMIN1000000");
    EXPECT_EQ(users.names.back(), "DOMAIN\\ADMIN1002499");
    EXPECT_EQ(sim_request_count(server, 3, 1), 3u) << "two user batches, one group batch";
    ASSERT_EQ(groups.names.size(), 1u);

    ASSERT_EQ(admin_set("DOMAIN\\Admins", ADMIN_GROUP, 0), 0);
    groups.names.clear();
    ASSERT_EQ(admin_list(ADMIN_GROUP, collect, &groups), 0);
    EXPECT_TRUE(groups.names.empty());
}

TEST_F(Connected, CurrentUsersInBatchesAndDelete) {
    std::string fixture;
    for (int i = 0; i < 100; ++i) {
        char line[256];
        snprintf(line, sizeof line,
                 "session client=NAS%d user=user%03d dn=cn%d session-id=S%d \"time=12/07/2026 10:%02d:00\" port=%d "
                 "port-type=Async ip=10.0.%d.%d\n",
                 i % 3, i, i, i, i % 60, i, i / 10, i % 10);
        fixture += line;
    }
    connect(fixture.c_str());
    struct Seen {
        std::vector<CurrentUserRecord> records;
    } seen;
    ASSERT_EQ(fetch_current_users([](void* c, const CurrentUserRecord& r) { ((Seen*)c)->records.push_back(r); }, &seen),
              0);
    ASSERT_EQ(seen.records.size(), 100u);
    EXPECT_EQ(sim_request_count(server, 7, 1), 3u) << "72, 28, then an empty batch";

    const CurrentUserRecord* victim = nullptr;
    for (const CurrentUserRecord& r : seen.records)
        if (strcmp(r.user_name, "user042") == 0) victim = &r;
    ASSERT_NE(victim, nullptr);
    EXPECT_EQ(victim->port_number, 42u);
    EXPECT_EQ(victim->ip_address, 0x0A000402u);
    ASSERT_EQ(delete_current_user(victim), 0);
    seen.records.clear();
    ASSERT_EQ(fetch_current_users([](void* c, const CurrentUserRecord& r) { ((Seen*)c)->records.push_back(r); }, &seen),
              0);
    EXPECT_EQ(seen.records.size(), 99u);
}

// Sessions whose fields are longer than the console keeps: the console
// sends its cut copies as the key, and the server must still know them, to
// continue the list past the first batch and to delete one.
TEST_F(Connected, CurrentUsersWithLongFieldsAreListedPastAndDeleted) {
    std::string fixture;
    for (int i = 0; i < 100; ++i) {
        std::string n = std::to_string(i);
        fixture += "session client=NAS-NAMED-LONGER-THAN-THIRTY-ONE-BYTES-" + n + " user=" + std::string(300, 'u') + n +
                   " session-id=S" + n + " port=1234567890" + n + " port-type=" + std::string(40, 't') + n + "\n";
    }
    connect(fixture.c_str());
    std::vector<CurrentUserRecord> seen;
    auto collect = [](void* c, const CurrentUserRecord& r) { ((std::vector<CurrentUserRecord>*)c)->push_back(r); };
    ASSERT_EQ(fetch_current_users(collect, &seen), 0);
    ASSERT_EQ(seen.size(), 100u);
    EXPECT_EQ(strlen(seen[0].user_name), 255u);
    EXPECT_EQ(strlen(seen[0].port_type), 31u);
    EXPECT_EQ(strlen(seen[0].port_text), 10u);
    ASSERT_EQ(delete_current_user(&seen[80]), 0);
    seen.clear();
    ASSERT_EQ(fetch_current_users(collect, &seen), 0);
    EXPECT_EQ(seen.size(), 99u);
}

struct DictionaryCount {
    uint32_t announced = 0;
    std::vector<DictionaryRecordFields> records;
};

uint16_t read_table(DictionaryTable table, const char* name, DictionaryCount* out, DictionaryReadResult* result) {
    MessageBuffer* response;
    uint16_t status = request_dictionary_table(table, name, &response);
    if (status != 0) return status;
    DictionaryRecordSink sink;
    sink.on_count = [](void* c, uint32_t n) {
        ((DictionaryCount*)c)->announced = n;
        return true;
    };
    sink.on_record = [](void* c, const DictionaryRecordFields& f) {
        ((DictionaryCount*)c)->records.push_back(f);
        return true;
    };
    return read_dictionary_records(response, sink, out, result);
}

TEST_F(Connected, Dictionaries) {
    write_test_file("default.dict",
                    "attribute User-Name 1 1 0x05\nattribute Service-Type 6 3 0x05\n"
                    "value Service-Type Login-User 1\nvalue Service-Type Framed-User 2 7\n");
    write_test_file("cisco.dict", "attribute Cisco-AVPair 9001 1 0x0C\n");
    connect("dictionary \"\" default.dict\ndictionary CISCO cisco.dict\n");

    DictionaryCount attributes, values, cisco;
    DictionaryReadResult result;
    ASSERT_EQ(read_table(DICTIONARY_ATTRIBUTES, nullptr, &attributes, &result), 0);
    EXPECT_EQ(result, DICTIONARY_READ_OK);
    EXPECT_EQ(attributes.announced, 2u);
    ASSERT_EQ(attributes.records.size(), 2u);
    EXPECT_STREQ(attributes.records[1].name, "Service-Type");
    EXPECT_EQ(attributes.records[1].number, 6u);
    EXPECT_EQ(attributes.records[1].type, 3u);
    EXPECT_EQ(attributes.records[1].flags, 5);

    ASSERT_EQ(read_table(DICTIONARY_VALUE_NAMES, nullptr, &values, &result), 0);
    ASSERT_EQ(values.records.size(), 2u);
    EXPECT_STREQ(values.records[1].value_name, "Framed-User");
    EXPECT_EQ(values.records[1].number, 2u);
    EXPECT_EQ(values.records[1].flags, 7) << "the aux word";

    ASSERT_EQ(read_table(DICTIONARY_ATTRIBUTES, "CISCO", &cisco, &result), 0);
    ASSERT_EQ(cisco.records.size(), 1u);
    EXPECT_STREQ(cisco.records[0].name, "Cisco-AVPair");

    char* names = nullptr;
    uint32_t count = 0;
    ASSERT_EQ(list_dictionaries(&names, &count), 0);
    EXPECT_EQ(count, 1u);
    EXPECT_EQ(std::string(names, 7), std::string("CISCO\0\0", 7));
    free(names);
}

TEST_F(Connected, OversizedValueIsRefusedAndNothingIsSent) {
    connect("object Client NAS1\n");
    uint32_t before = sim_request_count(server, 1, 0);
    std::vector<uint8_t> value(40000, 'x');
    EXPECT_EQ(db_set("Client", "NAS1", "Big", value.data(), (uint32_t)value.size()), STATUS_REQUEST_TOO_LARGE);
    EXPECT_EQ(sim_request_count(server, 1, 0), before);
    // The session is intact.
    bool exists = false;
    EXPECT_EQ(db_exists("Client", "NAS1", nullptr, &exists), 0);
    EXPECT_TRUE(exists);
}

// A second console: its own connection, its own lock requests.
uint16_t raw_lock(Client& client, uint16_t function) {
    RequestBuilder request(10, function);
    request.u16(2, 0).u32(4, 10000);
    Reply reply = client.call(request);
    return reply.u16(3);
}

TEST_F(Connected, TwoConsolesContendForTheServerLock) {
    SimOptions options;
    options.lock_wait_cap_ms = 300;
    connect("", options);
    Client other;
    ASSERT_TRUE(other.open());

    ASSERT_EQ(lock_server(), 0);
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(raw_lock(other, 1), 2) << "the other console waits, then hears: held by another";
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(250));
    EXPECT_EQ(raw_lock(other, 2), 2) << "nor can it release ours";
    EXPECT_EQ(unlock_server(), 0);

    ASSERT_EQ(raw_lock(other, 1), 1);
    EXPECT_EQ(lock_server(), STATUS_LOCK_HELD);
    EXPECT_STREQ(status_text(STATUS_LOCK_HELD), "timeout");
    EXPECT_EQ(unlock_server(), 2) << "a release answered 'held by another' returns 2";
    other.close();  // a console that goes away gives its locks back
    EXPECT_EQ(lock_server(), 0);
    EXPECT_EQ(unlock_server(), 0);
    EXPECT_EQ(unlock_server(), 104) << "release of a lock nobody holds";
}

TEST_F(Connected, NamedLocksAreIndependent) {
    SimOptions options;
    options.lock_wait_cap_ms = 100;
    connect("", options);
    Client other;
    ASSERT_TRUE(other.open());
    RequestBuilder named(10, 1);
    named.u16(2, 1).u32(4, 10000).text(5, "HOSTA");
    ASSERT_EQ(other.call(named).u16(3), 1);
    EXPECT_EQ(lock_named("HOSTA"), STATUS_LOCK_HELD);
    EXPECT_EQ(lock_named("HOSTB"), 0);
    EXPECT_EQ(unlock_named("HOSTB"), 0);
}

// Properties of a new client, written on the temporary object.
uint16_t write_client(void*, const char* cls, const char* temp_name) {
    uint16_t status = db_set(cls, temp_name, "IPAddress", "\x0a\x00\x00\x07", 4);
    if (status == 0) status = db_set_text(cls, temp_name, "Product", "Generic");
    return status;
}

struct CreationFault {
    const char* step;
    const char* fault;  // service:function:nth:action
    bool temp_left;     // a half-built object stays under the temporary name
};

TEST_F(Connected, CreationFaultAtEachStepLeavesNothingUnderTheFinalName) {
    const CreationFault faults[] = {
        {"lock", "10:1:1:fail=3", false},
        {"delete leftover", "1:6:1:fail=3", false},
        {"create", "1:5:1:fail=3", false},
        {"first property", "1:3:1:fail=3", true},
        {"second property", "1:1:1:fail=3", true},
        {"rename", "1:9:1:fail=3", true},
        {"dropped connection at rename", "1:9:1:drop", true},
    };
    for (const CreationFault& f : faults) {
        SCOPED_TRACE(f.step);
        connect();
        ASSERT_EQ(sim_add_fault(server, f.fault), 0);
        EXPECT_NE(create_object("Client", "NAS7", write_client, nullptr, TEMP_DELETE_MUST_SUCCEED), 0);
        EXPECT_FALSE(sim_object_exists(server, "Client", "NAS7"));
        EXPECT_EQ(sim_object_exists(server, "Client", TEMP_OBJECT_NAME), f.temp_left);

        if (strstr(f.fault, "drop")) {
            // The pipe is gone: a new connection, as the administrator would make.
            PipeSession* session = nullptr;
            ASSERT_EQ(session_open(nullptr, &session), 0);
            set_current_session(session);
        }
        // The next creation removes the leftover and completes.
        ASSERT_EQ(create_object("Client", "NAS7", write_client, nullptr, TEMP_DELETE_MUST_SUCCEED), 0);
        EXPECT_FALSE(sim_object_exists(server, "Client", TEMP_OBJECT_NAME));
        EXPECT_EQ(stored("Client", "NAS7", "Product"), std::string("Generic\0", 8));
        std::vector<std::string> names = sim_object_names(server, "Client");
        EXPECT_EQ(names, std::vector<std::string>{"NAS7"});
        disconnect();
    }
}

TEST_F(Connected, ListingsNeverShowALeftoverTemporaryObject) {
    connect("object Client A\n");
    ASSERT_EQ(sim_add_fault(server, "1:9:1:fail=3"), 0);
    ASSERT_NE(create_object("Client", "B", write_client, nullptr, TEMP_DELETE_MUST_SUCCEED), 0);
    ASSERT_TRUE(sim_object_exists(server, "Client", TEMP_OBJECT_NAME));
    NameList list;
    ASSERT_EQ(db_list_sorted("Client", &list), 0);
    ASSERT_EQ(list.count, 1u);
    EXPECT_STREQ(name_list_at(&list, 0), "A");
    name_list_free(&list);
}

TEST_F(Connected, ServerGoneIs104UntilReconnected) {
    connect("object Client A\n");
    stop();
    bool exists;
    EXPECT_EQ(db_exists("Client", "A", nullptr, &exists), STATUS_TRANSPORT);
    EXPECT_NE(current_session(), nullptr) << "a failed exchange does not close the session";
    PipeSession* session = nullptr;
    EXPECT_EQ(session_open(nullptr, &session), STATUS_TRANSPORT);
}

}  // namespace
