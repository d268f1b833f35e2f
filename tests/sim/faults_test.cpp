// Injected faults, and requests that no well-behaved client would send.
#include "platform/ticks.h"
#include "sim_test_support.h"

namespace {

class FaultsTest : public SimServerTest {
protected:
    Client client;

    void SetUp() override {
        start("object C O\nproperty P text \"value\"\n");
        ASSERT_TRUE(client.open());
    }

    Reply get() {
        RequestBuilder request(1, 4);
        request.text(2, "C").text(3, "O").text(4, "P").u16(7, 100);
        return client.call(request);
    }

    uint16_t create(const std::string& name) {
        RequestBuilder request(1, 5);
        request.text(2, "C").text(3, name);
        return client.call(request).status;
    }

    std::string raw_get_message() {
        RequestBuilder request(1, 4);
        request.text(2, "C").text(3, "O").text(4, "P").u16(7, 100);
        return request.message();
    }
};

TEST(FaultText, ParsesEveryAction) {
    SimFault fault;
    ASSERT_TRUE(sim_parse_fault("1:3:2:fail=7", &fault));
    EXPECT_EQ(1, fault.service);
    EXPECT_EQ(3, fault.function);
    EXPECT_EQ(2u, fault.nth);
    EXPECT_EQ(SIM_FAULT_FAIL, fault.kind);
    EXPECT_EQ(7u, fault.value);
    ASSERT_TRUE(sim_parse_fault("10:0:1:drop", &fault));
    EXPECT_EQ(SIM_FAULT_DROP, fault.kind);
    EXPECT_EQ(0, fault.function);
    ASSERT_TRUE(sim_parse_fault("2:1:1:truncate=0x10", &fault));
    EXPECT_EQ(SIM_FAULT_TRUNCATE, fault.kind);
    EXPECT_EQ(16u, fault.value);
    ASSERT_TRUE(sim_parse_fault("9:1:3:delay=250", &fault));
    EXPECT_EQ(SIM_FAULT_DELAY, fault.kind);
    EXPECT_EQ(250u, fault.value);
}

TEST(FaultText, RefusesMalformedText) {
    const char* bad[] = {"",
                         "1:3:2",
                         "1:3:0:fail=7",
                         "1:3:2:fail",
                         "1:3:2:fail=70000",
                         "1:3:2:drop=1",
                         "1:3:2:explode",
                         "x:3:2:drop",
                         "1:3:2:delay=-5",
                         "1:3:2:fail=7:9"};
    for (const char* text : bad) {
        SimFault fault;
        EXPECT_FALSE(sim_parse_fault(text, &fault)) << text;
    }
}

TEST_F(FaultsTest, FailFiresOnTheNthMatchingRequestOnlyAndSkipsTheWork) {
    ASSERT_EQ(0, sim_add_fault(server, "1:5:2:fail=7"));
    EXPECT_EQ(0, get().status) << "another function does not count";
    EXPECT_EQ(0, create("A"));
    EXPECT_EQ(7, create("B"));
    EXPECT_FALSE(sim_object_exists(server, "C", "B")) << "a failed request is not run";
    EXPECT_EQ(0, create("B")) << "a fault fires once";
}

TEST_F(FaultsTest, CountingSpansConnectionsAndStartsWhenArmed) {
    Client other;
    ASSERT_TRUE(other.open());
    EXPECT_EQ(0, get().status) << "before arming: not counted";
    ASSERT_EQ(0, sim_add_fault(server, "1:0:3:fail=0x6b"));
    EXPECT_EQ(0, get().status);
    RequestBuilder request(1, 7);
    request.text(2, "C").text(3, "O");
    EXPECT_EQ(0, other.call(request).status);
    Reply third = get();
    EXPECT_EQ(0x6B, third.status);
    EXPECT_TRUE(third.items.empty());
    EXPECT_EQ(4u, sim_request_count(server, 1, 0));
    EXPECT_EQ(3u, sim_request_count(server, 1, 4));
    EXPECT_EQ(0u, sim_request_count(server, 2, 0));
}

TEST_F(FaultsTest, DropClosesTheConnection) {
    ASSERT_EQ(0, sim_add_fault(server, "1:4:1:drop"));
    // The socket transport reads the close as an empty answer, which the
    // session turns into 104; the pipe transport fails at once.
    for (int attempt = 0; attempt < 2; ++attempt) {
        Reply reply;
        uint16_t transport = client.send_raw(raw_get_message(), &reply);
        EXPECT_TRUE(transport == 104 || (transport == 0 && reply.length == 0)) << attempt;
    }
    ASSERT_TRUE(client.open());
    EXPECT_EQ(0, get().status) << "a new connection works";
}

TEST_F(FaultsTest, TruncateSendsTheBeginningOfTheRealAnswer) {
    Reply whole = get();
    ASSERT_GT(whole.length, 12u);
    ASSERT_EQ(0, sim_add_fault(server, "1:4:1:truncate=12"));
    Reply cut;
    ASSERT_EQ(0, client.send_raw(raw_get_message(), &cut));
    EXPECT_EQ(12u, cut.length);
    EXPECT_EQ(0, cut.status);
    EXPECT_FALSE(cut.terminated);
    EXPECT_EQ(nullptr, cut.find(5)) << "the value item was cut off";
}

TEST_F(FaultsTest, DelayAnswersLateButCorrectly) {
    ASSERT_EQ(0, sim_add_fault(server, "1:4:1:delay=500"));
    uint32_t started = tick_count();
    Reply late = get();
    EXPECT_GE(tick_count() - started, 490u);
    EXPECT_EQ(std::string("value\0", 6), late.find(5)->value);
    started = tick_count();
    get();
    EXPECT_LT(tick_count() - started, 400u) << "the delay fired once";
}

TEST_F(FaultsTest, ProgrammaticFaultMatchesAnyFunctionWithZero) {
    SimFault fault;
    fault.service = 11;
    fault.function = 0;
    fault.nth = 1;
    fault.kind = SIM_FAULT_FAIL;
    fault.value = 2;
    sim_inject_fault(server, fault);
    RequestBuilder version(11, 2);
    EXPECT_EQ(2, client.call(version).status);
    RequestBuilder again(11, 2);
    EXPECT_EQ(0, client.call(again).status);
}

TEST_F(FaultsTest, MalformedRequestsGetStatus3AndTheServerCarriesOn) {
    std::string valid = raw_get_message();
    const std::string malformed[] = {
        std::string(),                                      // nothing at all
        std::string("\0\0\x01\0", 4),                       // shorter than a header
        std::string("\0\0\x01\0\x04\0", 6),                 // header without terminator
        valid.substr(0, valid.size() - 2),                  // items without terminator
        valid.substr(0, 13),                                // cut inside an item
        std::string("\0\0\x01\0\x04\0\x02\0\xff\xff", 10),  // item longer than the message
    };
    for (const std::string& message : malformed) {
        Reply reply;
        uint16_t transport = client.send_raw(message, &reply);
        if (message.empty()) {
            // An empty message may read as the end of the connection.
            ASSERT_TRUE(client.open());
            continue;
        }
        ASSERT_EQ(0, transport) << message.size();
        EXPECT_EQ(3, reply.status) << message.size();
        EXPECT_TRUE(reply.terminated);
    }
    std::string oversized = valid.substr(0, valid.size() - 2) + std::string(40000, 'x');
    Reply reply;
    if (client.send_raw(oversized, &reply) == 0) { EXPECT_EQ(3, reply.status); }
    ASSERT_TRUE(client.open());
    EXPECT_EQ(0, get().status);
}

TEST_F(FaultsTest, WrongItemSizesAreRefused) {
    RequestBuilder short_capacity(1, 4);
    short_capacity.text(2, "C").text(3, "O").text(4, "P").u8(7, 100);
    EXPECT_EQ(3, client.call(short_capacity).status);
    RequestBuilder no_class(1, 5);
    no_class.text(3, "X");
    EXPECT_EQ(3, client.call(no_class).status);
    RequestBuilder text_without_nul(1, 7);
    text_without_nul.bytes(2, "C").bytes(3, "O");
    Reply reply = client.call(text_without_nul);
    EXPECT_EQ(0, reply.status);
    EXPECT_EQ(1, reply.u16(8)) << "a text item may lack its NUL";
}

}  // namespace
