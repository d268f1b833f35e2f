#include "tests/panels/clients_fixture.h"

#include <stdio.h>

#include "panels/scrambled_secret.h"

void ClientsTest::open(const char* fixture) {
    open_session(fixture);
    clients_reset();
    clients_activate();
}

void ClientsTest::close() {
    clients_reset();
    secret_set_tick_source(nullptr);
    close_session();
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
    return stored_object(CLIENT_CLASS, client, {"IPAddress", "SharedSecret", "AcctSharedSecret", "Product"});
}
