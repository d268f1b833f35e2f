// Service 7: current users in batches, continued by key, and deleted by key.
#include "sim_test_support.h"

namespace {

struct Record {
    std::string client, user, dn, session_id, time, port, port_type, ip;
};

// Takes the records apart as a client does: fields until the closing item 4.
std::vector<Record> records_of(const Reply& reply) {
    std::vector<Record> records;
    Record current;
    bool started = false;
    for (const ReplyItem& item : reply.items) {
        std::string text = item.value;
        if (!text.empty() && text.back() == '\0') text.pop_back();
        switch (item.tag) {
            case 3: continue;
            case 4:
                EXPECT_EQ(std::string("\0", 1), item.value);
                records.push_back(current);
                current = Record();
                started = false;
                continue;
            case 5: current.client = text; break;
            case 6: current.user = text; break;
            case 7: current.dn = text; break;
            case 8: current.session_id = text; break;
            case 9: current.time = text; break;
            case 10: current.port = text; break;
            case 11: current.port_type = text; break;
            case 12: current.ip = text; break;
            default: ADD_FAILURE() << "unexpected tag " << item.tag;
        }
        started = true;
    }
    EXPECT_FALSE(started) << "a record was not closed";
    return records;
}

void put_key(RequestBuilder* request, const Record& record) {
    request->text(5, record.client)
        .text(6, record.user)
        .text(7, record.dn)
        .text(8, record.session_id)
        .text(10, record.port)
        .text(11, record.port_type)
        .u8(4, 0);
}

class SessionsTest : public SimServerTest {
protected:
    Client client;

    void start_with_sessions(int count) {
        std::string fixture;
        for (int i = 0; i < count; ++i) {
            std::string n = std::to_string(i);
            // Users repeat, so only the whole key tells sessions apart.
            fixture += "session client=NAS user=user" + std::to_string(i % 3) + " dn=\"cn=x\" session-id=S" + n +
                       " time=\"01/02/2003 04:05:06\" port=" + n + " port-type=Async ip=10.0.0." + n + "\n";
        }
        start(fixture.c_str());
        ASSERT_TRUE(client.open());
    }

    Reply list(const Record* after, uint16_t batch) {
        RequestBuilder request(7, 1);
        if (after) put_key(&request, *after);
        request.u16(2, batch);
        return client.call(request);
    }
};

TEST_F(SessionsTest, RecordCarriesEveryField) {
    start_with_sessions(1);
    Reply reply = list(nullptr, 72);
    EXPECT_EQ(0, reply.status);
    EXPECT_EQ(3, reply.items[0].tag);
    EXPECT_EQ(1, reply.u16(3));
    std::vector<Record> records = records_of(reply);
    ASSERT_EQ(1u, records.size());
    const Record& r = records[0];
    EXPECT_EQ("NAS", r.client);
    EXPECT_EQ("user0", r.user);
    EXPECT_EQ("cn=x", r.dn);
    EXPECT_EQ("S0", r.session_id);
    EXPECT_EQ("01/02/2003 04:05:06", r.time);
    EXPECT_EQ("0", r.port);
    EXPECT_EQ("Async", r.port_type);
    EXPECT_EQ("10.0.0.0", r.ip);
}

TEST_F(SessionsTest, KeyContinuationVisitsEverySessionOnceThenAnEmptyBatch) {
    start_with_sessions(10);
    std::vector<std::string> seen;
    Record last;
    bool have_last = false;
    int batches = 0;
    for (; batches < 20; ++batches) {
        Reply reply = list(have_last ? &last : nullptr, 4);
        ASSERT_EQ(0, reply.status);
        std::vector<Record> records = records_of(reply);
        EXPECT_EQ(records.size(), reply.u16(3));
        EXPECT_LE(records.size(), 4u);
        if (records.empty()) break;
        for (const Record& r : records) seen.push_back(r.session_id);
        last = records.back();
        have_last = true;
    }
    EXPECT_EQ(3, batches) << "4 + 4 + 2, then the empty batch";
    std::vector<std::string> expected;
    for (int i = 0; i < 10; ++i) expected.push_back("S" + std::to_string(i));
    EXPECT_EQ(expected, seen);
}

TEST_F(SessionsTest, BatchesNeverExceed72) {
    start_with_sessions(80);
    Reply first = list(nullptr, 500);
    EXPECT_EQ(72, first.u16(3));
    std::vector<Record> records = records_of(first);
    ASSERT_EQ(72u, records.size());
    Reply rest = list(&records.back(), 0);
    EXPECT_EQ(8, rest.u16(3));
}

TEST_F(SessionsTest, DeleteByKey) {
    SimOptions options;
    options.save = true;
    std::string fixture =
        "session client=NAS user=a session-id=1 port=1 port-type=Async\n"
        "session client=NAS user=a session-id=2 port=2 port-type=Async\n";
    start(fixture.c_str(), options);
    ASSERT_TRUE(client.open());
    std::vector<Record> before = records_of(list(nullptr, 72));
    ASSERT_EQ(2u, before.size());

    RequestBuilder remove(7, 2);
    put_key(&remove, before[1]);
    EXPECT_EQ(0, client.call(remove).status);
    std::vector<Record> after = records_of(list(nullptr, 72));
    ASSERT_EQ(1u, after.size());
    EXPECT_EQ("1", after[0].session_id);
    EXPECT_EQ(std::string::npos, read_test_file(fixture_path).find("session-id=\"2\"")) << "saved";

    RequestBuilder again(7, 2);
    put_key(&again, before[1]);
    EXPECT_EQ(7, client.call(again).status);
}

TEST_F(SessionsTest, ContinuingAfterADeletedRecordEndsTheList) {
    start_with_sessions(3);
    std::vector<Record> records = records_of(list(nullptr, 1));
    ASSERT_EQ(1u, records.size());
    RequestBuilder remove(7, 2);
    put_key(&remove, records[0]);
    ASSERT_EQ(0, client.call(remove).status);
    Reply reply = list(&records[0], 1);
    EXPECT_EQ(0, reply.status);
    EXPECT_EQ(0, reply.u16(3));
}

}  // namespace
