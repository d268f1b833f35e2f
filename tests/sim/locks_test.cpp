// Service 10: two connections contending for the server lock and named locks.
#include <thread>

#include "platform/ticks.h"
#include "sim_test_support.h"

namespace {

const uint32_t CAP_MS = 200;

class LocksTest : public SimServerTest {
protected:
    Client first, second;

    void SetUp() override {
        SimOptions options;
        options.lock_wait_cap_ms = CAP_MS;
        start(nullptr, options);
        ASSERT_TRUE(first.open());
        ASSERT_TRUE(second.open());
    }

    // The result item of a lock (function 1) or unlock (function 2).
    static uint16_t lock_call(Client* client, uint16_t function, const char* name = nullptr) {
        RequestBuilder request(10, function);
        request.u16(2, name ? 1 : 0).u32(4, 10000);
        if (name) request.text(5, name);
        Reply reply = client->call(request);
        EXPECT_EQ(0, reply.status);
        EXPECT_FALSE(reply.items.empty());
        if (reply.items.empty()) return 0;
        EXPECT_EQ(3, reply.items[0].tag) << "the result is the first item";
        return reply.u16(3);
    }
};

TEST_F(LocksTest, SecondConnectionWaitsTheCappedTimeThenIsRefused) {
    EXPECT_EQ(1, lock_call(&first, 1));
    uint32_t started = tick_count();
    EXPECT_EQ(2, lock_call(&second, 1));
    uint32_t waited = tick_count() - started;
    EXPECT_GE(waited, CAP_MS - 10);
    EXPECT_LT(waited, 3000u) << "the 10000 ms of the request are capped";
}

TEST_F(LocksTest, WaiterGetsTheLockWhenItIsReleased) {
    stop();
    SimOptions options;  // no cap: the 10000 ms of the request
    start(nullptr, options);
    ASSERT_TRUE(first.open());
    ASSERT_TRUE(second.open());
    EXPECT_EQ(1, lock_call(&first, 1));
    uint16_t waiter_result = 0;
    uint32_t started = tick_count();
    std::thread waiter([&] { waiter_result = lock_call(&second, 1); });
    sleep_ms(150);
    EXPECT_EQ(3, lock_call(&first, 2));
    waiter.join();
    uint32_t waited = tick_count() - started;
    EXPECT_EQ(1, waiter_result);
    EXPECT_GE(waited, 140u);
    EXPECT_LT(waited, 5000u);
}

TEST_F(LocksTest, DisconnectReleasesEverythingTheConnectionHeld) {
    EXPECT_EQ(1, lock_call(&first, 1));
    EXPECT_EQ(1, lock_call(&first, 1, "HOSTA"));
    first.close();
    sleep_ms(50);  // the server notices the closed connection on its own thread
    EXPECT_EQ(1, lock_call(&second, 1));
    EXPECT_EQ(1, lock_call(&second, 1, "hosta"));
}

TEST_F(LocksTest, UnlockResults) {
    EXPECT_EQ(4, lock_call(&first, 2)) << "nobody holds it";
    EXPECT_EQ(1, lock_call(&first, 1));
    EXPECT_EQ(2, lock_call(&second, 2)) << "someone else holds it";
    EXPECT_EQ(3, lock_call(&first, 2));
    EXPECT_EQ(4, lock_call(&first, 2)) << "already released";
}

TEST_F(LocksTest, LockIsReentrant) {
    EXPECT_EQ(1, lock_call(&first, 1));
    EXPECT_EQ(1, lock_call(&first, 1));
    EXPECT_EQ(3, lock_call(&first, 2));
    EXPECT_EQ(2, lock_call(&second, 1)) << "still held once";
    EXPECT_EQ(3, lock_call(&first, 2));
    EXPECT_EQ(1, lock_call(&second, 1));
}

TEST_F(LocksTest, NamedLocksAreIndependentAndIgnoreCase) {
    EXPECT_EQ(1, lock_call(&first, 1, "HostA"));
    EXPECT_EQ(2, lock_call(&second, 1, "HOSTA"));
    EXPECT_EQ(1, lock_call(&second, 1, "HostB"));
    EXPECT_EQ(1, lock_call(&second, 1)) << "the server lock is a lock of its own";
    EXPECT_EQ(2, lock_call(&second, 2, "hosta"));
    EXPECT_EQ(3, lock_call(&first, 2, "hosta"));
    EXPECT_EQ(1, lock_call(&second, 1, "HOSTA"));
}

TEST_F(LocksTest, MalformedLockRequests) {
    RequestBuilder no_scope(10, 1);
    no_scope.u32(4, 10);
    EXPECT_EQ(3, first.call(no_scope).status);
    RequestBuilder no_name(10, 1);
    no_name.u16(2, 1).u32(4, 10);
    EXPECT_EQ(3, first.call(no_name).status);
    RequestBuilder bad_scope(10, 1);
    bad_scope.u16(2, 7);
    EXPECT_EQ(3, first.call(bad_scope).status);
}

TEST_F(LocksTest, StopEndsAWaitAtOnce) {
    stop();
    start(nullptr);  // waits the full 10000 ms of the request
    ASSERT_TRUE(first.open());
    ASSERT_TRUE(second.open());
    EXPECT_EQ(1, lock_call(&first, 1));
    std::thread waiter([&] {
        RequestBuilder request(10, 1);
        request.u16(2, 0).u32(4, 10000);
        Reply reply;
        second.send_raw(request.message(), &reply);
    });
    sleep_ms(100);
    uint32_t started = tick_count();
    stop();
    waiter.join();
    EXPECT_LT(tick_count() - started, 3000u);
}

}  // namespace
