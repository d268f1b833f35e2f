#include "tests/panels/clients_fixture.h"

#include <stdio.h>

#include "panels/scrambled_secret.h"

std::string secret_property(const char* property, const char* text, uint32_t seed) {
    ScrambledSecret secret;
    secret_scramble(&secret, text, seed);
    std::string line = std::string("property ") + property + " hex \"";
    char pair[3];
    for (uint8_t byte : secret.bytes) {
        snprintf(pair, sizeof pair, "%02x", byte);
        line += pair;
    }
    return line + "\"\n";
}

void ClientsTest::open(const char* fixture) {
    open_session(fixture);
    clients_reset();
    clients_activate();
}

void ClientsTest::TearDown() {
    clients_reset();
    secret_set_tick_source(nullptr);
    PanelTest::TearDown();
}

void ClientsTest::choose(const char* name) {
    int64_t index = name_list_find(&clients_panel().names, name);
    ASSERT_GE(index, 0) << name;
    clients_select((uint32_t)index);
}

std::string ClientsTest::stored(const char* client, const char* property) {
    return stored_property(CLIENT_CLASS, client, property);
}

std::string ClientsTest::stored_client(const char* client) {
    if (!sim_object_exists(server, CLIENT_CLASS, client)) return "<no object>";
    std::string all;
    for (const char* property : {"IPAddress", "SharedSecret", "AcctSharedSecret", "Product"})
        all += std::string(property) + "=" + stored(client, property) + ";";
    return all;
}
