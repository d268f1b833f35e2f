#include <gtest/gtest.h>

#include "api/db.h"
#include "api/requests.h"
#include "api/session.h"
#include "api/status.h"
#include "tests/api/fake_transport.h"

namespace {

TEST(Session, RequestsWithoutASessionSendNothing) {
    FakeTransport fake;
    FakeConnection connection(&fake, false);
    uint8_t area[16];
    uint16_t length = sizeof area;
    EXPECT_EQ(db_get("Client", "A", "IPAddress", area, &length), STATUS_NO_SESSION);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(keep_alive(), 0x8003);
    EXPECT_STREQ(status_text(0x8003), "unanticipated error");
    EXPECT_TRUE(fake.requests.empty());
    EXPECT_EQ(session_transact(nullptr, nullptr, nullptr), 0x8003);
    EXPECT_EQ(session_receive(nullptr, nullptr), 0x8003);
}

TEST(Session, PipeNamesLocalAndRemote) {
    FakeTransport fake;
    FakeConnection connection(&fake, false);
    PipeSession* session = nullptr;
    ASSERT_EQ(session_open(nullptr, &session), 0);
    session_close(session);
    ASSERT_EQ(session_open("RADHOST", &session), 0);
    session_close(session);
    ASSERT_EQ(fake.opened_names.size(), 2u);
    EXPECT_EQ(fake.opened_names[0], "\\\\.\\pipe\\RADIUS Server API");
    EXPECT_EQ(fake.opened_names[1], "\\\\RADHOST\\pipe\\RADIUS Server API");
    EXPECT_EQ(fake.closes, 2);
}

TEST(Session, OpenFailuresMapTo104Or113) {
    FakeTransport fake;
    FakeConnection connection(&fake, false);
    PipeSession* session = nullptr;
    fake.open_status = 113;
    EXPECT_EQ(session_open("HOST", &session), 113);
    fake.open_status = 104;
    EXPECT_EQ(session_open("HOST", &session), 104);
    fake.open_status = 3;  // anything else a transport might say
    EXPECT_EQ(session_open("HOST", &session), 104);
    EXPECT_EQ(session, nullptr);
    // A server name that cannot make a pipe name is refused before the transport.
    std::string long_name(600, 'H');
    fake.open_status = 0;
    EXPECT_EQ(session_open(long_name.c_str(), &session), 104);
}

TEST(Session, ReceiveRepeatsWhileTheResponseIsIncomplete) {
    FakeTransport fake;
    FakeConnection connection(&fake);
    fake.pending_receives = 2;
    EXPECT_EQ(keep_alive(), 0);
    EXPECT_EQ(fake.receive_calls, 3);
    EXPECT_EQ(fake.requests.size(), 1u) << "pieces of one response are not new exchanges";

    fake.pending_receives = 3;
    fake.receive_calls = 0;
    EXPECT_EQ(lock_server(), 0);
    EXPECT_EQ(fake.receive_calls, 4);
}

TEST(Session, FailedOrEmptyExchangesAre104AndKeepTheSession) {
    FakeTransport fake;
    FakeConnection connection(&fake);
    fake.transact_status = 104;
    EXPECT_EQ(keep_alive(), 104);
    EXPECT_NE(current_session(), nullptr);

    fake.transact_status = 0;
    fake.answer = [](const Bytes&) { return Bytes(); };
    EXPECT_EQ(keep_alive(), 104) << "no bytes read";
    fake.answer = [](const Bytes&) { return Bytes{0, 0, 9, 0}; };
    EXPECT_EQ(keep_alive(), 104) << "too short for a header: not a success";
    fake.answer = nullptr;
    EXPECT_EQ(keep_alive(), 0) << "the next request uses the same pipe";
    EXPECT_EQ(fake.closes, 0);
}

TEST(Session, ResponseIsReadNoFurtherThanWhatArrived) {
    FakeTransport fake;
    FakeConnection connection(&fake);
    // A long response, then a short one with no terminator: the stale tail of
    // the first must not be read as items of the second.
    fake.answer = [](const Bytes&) { return ResponseBuilder(0).u16(1, 0).u16(1, 0).u16(1, 7).end(); };
    EXPECT_EQ(keep_alive(), 7);
    fake.answer = [](const Bytes&) { return ResponseBuilder(0).u16(1, 0).bytes; };
    EXPECT_EQ(keep_alive(), 0);
}

TEST(Session, OversizedRequestIsNotSent) {
    FakeTransport fake;
    FakeConnection connection(&fake);
    std::vector<uint8_t> value(MSG_BUFFER_SIZE, 'x');
    EXPECT_EQ(db_set("Client", "A", "Big", value.data(), (uint32_t)value.size()), STATUS_REQUEST_TOO_LARGE);
    std::string name(MSG_BUFFER_SIZE, 'N');
    EXPECT_EQ(db_create("Client", name.c_str()), STATUS_REQUEST_TOO_LARGE);
    EXPECT_TRUE(fake.requests.empty());
    EXPECT_STREQ(status_text(STATUS_REQUEST_TOO_LARGE), "unable to execute");

    // The largest value that fits is sent whole.
    uint32_t fits = MSG_BUFFER_SIZE - 6 - 7 - 6 - 8 - 4 - 6 - 2;  // header, items 2/3/4, 5 header, 6, end
    EXPECT_EQ(db_set("Cl", "A", "Big", value.data(), fits), 0);
    ASSERT_EQ(fake.requests.size(), 1u);
    EXPECT_EQ(fake.requests[0].size(), MSG_BUFFER_SIZE);
    EXPECT_EQ(db_set("Cl", "A", "Big", value.data(), fits + 1), STATUS_REQUEST_TOO_LARGE);
    EXPECT_EQ(fake.requests.size(), 1u);
}

uint32_t g_now = 0;
uint32_t fake_now() { return g_now; }

size_t keep_alives(const FakeTransport& fake) {
    size_t n = 0;
    for (const Bytes& r : fake.requests) n += r.size() == 8 && r[2] == 9 && r[4] == 1;
    return n;
}

TEST(KeepAlive, SentOnceAfterThirtySecondsOfSilence) {
    FakeTransport fake;
    FakeConnection connection(&fake);
    session_set_tick_source(fake_now);
    g_now = 1000;
    EXPECT_EQ(keep_alive(), 0);  // an exchange at t = 1000
    fake.requests.clear();

    g_now = 31000;  // exactly 30 s: not yet
    keep_alive_if_idle();
    EXPECT_EQ(keep_alives(fake), 0u);
    g_now = 31001;
    keep_alive_if_idle();
    keep_alive_if_idle();  // the keep-alive itself reset the idle time
    g_now = 31250;
    keep_alive_if_idle();
    EXPECT_EQ(keep_alives(fake), 1u);
    EXPECT_EQ(fake.requests.size(), 1u);
}

TEST(KeepAlive, AnyRequestResetsTheIdleTimeAndTheTickWrapIsHarmless) {
    FakeTransport fake;
    FakeConnection connection(&fake);
    session_set_tick_source(fake_now);
    g_now = 0xFFFFF000u;  // 4096 ms before the counter wraps
    bool exists;
    db_exists("Client", "A", nullptr, &exists);
    g_now = 0xFFFFF000u + 20000;  // wrapped: 20 s later
    keep_alive_if_idle();
    EXPECT_EQ(keep_alives(fake), 0u);
    db_exists("Client", "A", nullptr, &exists);
    g_now += 29000;
    keep_alive_if_idle();
    EXPECT_EQ(keep_alives(fake), 0u);
    g_now += 1001;
    keep_alive_if_idle();
    EXPECT_EQ(keep_alives(fake), 1u);
}

TEST(KeepAlive, NothingWithoutASession) {
    FakeTransport fake;
    FakeConnection connection(&fake, false);
    session_set_tick_source(fake_now);
    g_now = 100000;
    keep_alive_if_idle();
    EXPECT_TRUE(fake.requests.empty());
}

int g_hook_calls = 0;
void count_hook() { ++g_hook_calls; }

TEST(Session, DisconnectClosesForgetsAndTellsTheHook) {
    FakeTransport fake;
    FakeConnection connection(&fake);
    set_disconnect_hook(count_hook);
    g_hook_calls = 0;
    disconnect();
    EXPECT_EQ(current_session(), nullptr);
    EXPECT_EQ(fake.closes, 1);
    EXPECT_EQ(g_hook_calls, 1);
    disconnect();  // nothing to close; the level is still reset
    EXPECT_EQ(fake.closes, 1);
    EXPECT_EQ(g_hook_calls, 2);
}

}  // namespace
