// The exact bytes of every request the console sends.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <functional>

#include "api/current_users.h"
#include "api/db.h"
#include "api/dictionary_wire.h"
#include "api/requests.h"
#include "tests/api/fake_transport.h"

namespace {

struct WireCase {
    const char* name;
    std::function<void()> send;
    const char* expected;
};

CurrentUserRecord key_record() {
    CurrentUserRecord r = {};
    snprintf(r.ras_client, sizeof r.ras_client, "N1");
    snprintf(r.user_name, sizeof r.user_name, "U");
    snprintf(r.session_id, sizeof r.session_id, "S");
    snprintf(r.port_text, sizeof r.port_text, "7");
    snprintf(r.port_type, sizeof r.port_type, "A");
    return r;
}

TEST(Wire, EveryRequestKind) {
    uint8_t area[64];
    uint16_t length;
    bool flag;
    uint16_t u16;
    uint32_t u32;
    char text[16];
    const WireCase cases[] = {
        {"db_set_text", [] { db_set_text("C", "O", "P", "v"); },
         "0000 0100 0100 0200 0200 4300 0300 0200 4f00 0400 0200 5000 0500 0200 7600 0000"},
        {"db_set", [] { db_set("C", "O", "P", "\x01\x02", 2); },
         "0000 0100 0300 0200 0200 4300 0300 0200 4f00 0400 0200 5000 0500 0200 0102 0600 0200 0200 0000"},
        {"db_set empty value", [] { db_set("C", "O", "P", nullptr, 0); },
         "0000 0100 0300 0200 0200 4300 0300 0200 4f00 0400 0200 5000 0500 0000 0600 0200 0000 0000"},
        {"db_get",
         [&] {
             length = 64;
             db_get("C", "O", "P", area, &length);
         },
         "0000 0100 0400 0200 0200 4300 0300 0200 4f00 0400 0200 5000 0700 0200 4000 0000"},
        {"db_create", [] { db_create("C", "O"); }, "0000 0100 0500 0200 0200 4300 0300 0200 4f00 0000"},
        {"db_delete object", [] { db_delete("C", "O", nullptr); }, "0000 0100 0600 0200 0200 4300 0300 0200 4f00 0000"},
        {"db_delete property", [] { db_delete("C", "O", "--User-Profile"); },
         "0000 0100 0600 0200 0200 4300 0300 0200 4f00 0400 0f00 2d2d557365722d50726f66696c6500 0000"},
        {"db_exists", [&] { db_exists("C", "O", nullptr, &flag); },
         "0000 0100 0700 0200 0200 4300 0300 0200 4f00 0000"},
        {"db_enumerate first",
         [&] {
             length = 64;
             db_enumerate("C", nullptr, nullptr, nullptr, area, &length, &flag);
         },
         "0000 0100 0800 0200 0200 4300 0700 0200 4000 0000"},
        {"db_enumerate after",
         [&] {
             length = 64;
             db_enumerate("C", "O", nullptr, "X", area, &length, &flag);
         },
         "0000 0100 0800 0200 0200 4300 0300 0200 4f00 0500 0200 5800 0700 0200 4000 0000"},
        {"db_rename", [] { db_rename("C", "O", "N"); },
         "0000 0100 0900 0200 0200 4300 0300 0200 4f00 0500 0200 4e00 0000"},
        {"get_statistics",
         [] {
             StatisticsCounters c;
             get_statistics(&c);
         },
         "0000 0200 0100 0000"},
        {"admin_enumerate",
         [&] {
             bool more;
             admin_enumerate("", 1, 2, area, 64, &length, &more);
         },
         "0000 0300 0100 0400 0100 00 0200 0200 0100 0300 0200 0200 0600 0200 4000 0000"},
        {"admin_set", [] { admin_set("D\\u", 0, 2); },
         "0000 0300 0200 0400 0400 445c7500 0200 0200 0000 0300 0200 0200 0000"},
        {"get_access_level", [&] { get_access_level(&u16); }, "0000 0400 0500 0000"},
        {"dictionary default",
         [] {
             MessageBuffer* r;
             request_dictionary_table(DICTIONARY_ATTRIBUTES, nullptr, &r);
         },
         "0000 0500 0200 0000"},
        {"dictionary named values",
         [] {
             MessageBuffer* r;
             request_dictionary_table(DICTIONARY_VALUE_NAMES, "D", &r);
         },
         "0000 0500 0400 0600 0200 4400 0000"},
        {"dictionary list",
         [] {
             char* n;
             uint32_t c;
             list_dictionaries(&n, &c);
             free(n);
         },
         "0000 0500 0600 0000"},
        {"get_status_text", [&] { get_status_text(text, sizeof text); }, "0000 0600 0100 0200 0200 1000 0000"},
        {"list_current_users first",
         [] {
             CurrentUserBatch b;
             list_current_users(nullptr, &b);
         },
         "0000 0700 0100 0200 0200 4800 0000"},
        {"list_current_users after",
         [] {
             CurrentUserRecord k = key_record();
             CurrentUserBatch b;
             list_current_users(&k, &b);
         },
         "0000 0700 0100 0500 0300 4e3100 0600 0200 5500 0700 0100 00 0800 0200 5300 0a00 0200 3700 0b00 0200 4100 "
         "0400 0100 00 0200 0200 4800 0000"},
        {"delete_current_user",
         [] {
             CurrentUserRecord k = key_record();
             delete_current_user(&k);
         },
         "0000 0700 0200 0500 0300 4e3100 0600 0200 5500 0700 0100 00 0800 0200 5300 0a00 0200 3700 0b00 0200 4100 "
         "0400 0100 00 0000"},
        {"get_product_list",
         [] {
             ProductList l;
             bool h;
             get_product_list(&l, &h);
             product_list_free(&l);
         },
         "0000 0800 0200 0000"},
        {"keep_alive", [] { keep_alive(); }, "0000 0900 0100 0000"},
        {"lock_server", [] { lock_server(); }, "0000 0a00 0100 0200 0200 0000 0400 0400 10270000 0000"},
        {"unlock_server", [] { unlock_server(); }, "0000 0a00 0200 0200 0200 0000 0400 0400 10270000 0000"},
        {"lock_named", [] { lock_named("H"); }, "0000 0a00 0100 0200 0200 0100 0400 0400 10270000 0500 0200 4800 0000"},
        {"unlock_named", [] { unlock_named("H"); },
         "0000 0a00 0200 0200 0200 0100 0400 0400 10270000 0500 0200 4800 0000"},
        {"get_option_mask", [&] { get_option_mask(&u32); }, "0000 0b00 0100 0000"},
        {"get_service_version", [&] { get_service_version(&u32); }, "0000 0b00 0200 0000"},
        {"check_console_version", [&] { check_console_version(CONSOLE_VERSION, &u32); },
         "0000 0b00 0300 0300 0400 001e0100 0000"},
    };
    for (const WireCase& c : cases) {
        FakeTransport fake;
        FakeConnection connection(&fake);
        c.send();
        ASSERT_EQ(fake.requests.size(), 1u) << c.name;
        EXPECT_EQ(to_hex(fake.requests[0]), to_hex(hex(c.expected))) << c.name;
    }
}

}  // namespace
