// Listings and replies from a server that breaks the protocol: each ends
// with a failure instead of asking forever or growing without bound.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <functional>
#include <string>

#include "api/current_users.h"
#include "api/db.h"
#include "api/db_lists.h"
#include "api/requests.h"
#include "api/status.h"
#include "tests/api/fake_transport.h"

namespace {

// A faulty server gives up after this many answers, so that a listing that
// loops shows as a wrong result rather than a hang.
const size_t PATIENCE = 50;

struct Case {
    const char* what;
    std::function<Bytes()> batch;    // one batch, more flag set
    std::function<uint16_t()> list;  // the listing under test
};

void run_case(const Case& c) {
    FakeTransport fake;
    FakeConnection connection(&fake);
    fake.answer = [&](const Bytes&) {
        if (fake.requests.size() >= PATIENCE) return ResponseBuilder().item(5, {0}).u16(6, 1).u16(7, 0).u16(8, 0).end();
        return c.batch();
    };
    EXPECT_EQ(c.list(), STATUS_BAD_REPLY) << c.what;
    EXPECT_LE(fake.requests.size(), 2u) << c.what;
}

TEST(FaultyServer, ListingsThatCannotAdvanceFail) {
    const Bytes two_names = hex("41 00 42 00 00");
    const Case cases[] = {
        {"db_list_all, one byte without its NUL",
         [] { return ResponseBuilder().item(5, {'X'}).u16(6, 1).u16(8, 1).end(); },
         [] {
             char* block = nullptr;
             uint32_t size = 0;
             uint16_t status = db_list_all("Client", nullptr, &block, &size);
             free(block);
             return status;
         }},
        {"db_list_sorted, the same batch again",
         [&] { return ResponseBuilder().item(5, two_names).u16(6, 5).u16(8, 1).end(); },
         [] {
             NameList list;
             uint16_t status = db_list_sorted("Client", &list);
             name_list_free(&list);
             return status;
         }},
        {"fetch_current_users, the same batch again",
         [] {
             ResponseBuilder r;
             r.u16(3, 1).text(6, "alice").u8(4, 0);
             return r.u16(8, 1).end();
         },
         [] { return fetch_current_users([](void*, const CurrentUserRecord&) {}, nullptr); }},
        {"admin_list, the same batch again",
         [&] { return ResponseBuilder().item(5, two_names).u16(6, 5).u16(7, 1).end(); },
         [] {
             return admin_list(
                 ADMIN_USER, [](void*, const char*) {}, nullptr);
         }},
    };
    for (const Case& c : cases) run_case(c);
}

// The current-users reply is an ordinary one: an item of tag 1 replaces the
// header status wherever it stands, and the records are read either way.
TEST(FaultyServer, CurrentUsersStatusItemReplacesTheHeader) {
    struct Row {
        uint16_t header;
        int status_item;  // -1: none
        uint16_t expected;
        uint16_t records;
    };
    const Row rows[] = {{5, 0, 0, 1}, {0, 7, 7, 0}, {3, -1, 3, 0}};
    for (const Row& row : rows) {
        ResponseBuilder r(row.header);
        r.u16(3, 1).text(6, "alice").u8(4, 0);
        if (row.status_item >= 0) r.u16(1, (uint16_t)row.status_item);
        Bytes bytes = r.end();
        MessageBuffer buffer = response_buffer(bytes);
        CurrentUserBatch batch;
        EXPECT_EQ(parse_current_users(&buffer, &batch), row.expected) << row.header;
        EXPECT_EQ(batch.count, row.records) << row.header;
        if (row.records && batch.count) { EXPECT_STREQ(batch.records[0].user_name, "alice"); }
        current_user_batch_free(&batch);
    }
}

}  // namespace
