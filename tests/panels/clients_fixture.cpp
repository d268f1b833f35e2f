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
    SimOptions options;
    if (!fixture) options.fixture_path = KEEL_DEMO_DIR "/server.fixture";
    start(fixture, options);
    session_reset();
    PipeSession* session = nullptr;
    ASSERT_EQ(session_open(nullptr, &session), 0);
    set_current_session(session);
    clients_reset();
    clients_activate();
}

void ClientsTest::close() {
    clients_reset();
    session_reset();
    set_host_resolver(nullptr);
    secret_set_tick_source(nullptr);
    stop();
}

void ClientsTest::choose(const char* name) {
    int64_t index = name_list_find(&clients_panel().names, name);
    ASSERT_GE(index, 0) << name;
    clients_select((uint32_t)index);
}

std::string ClientsTest::stored(const char* client, const char* property) {
    std::string value;
    return sim_get_property(server, CLIENT_CLASS, client, property, &value) ? value : std::string("<missing>");
}

std::string ClientsTest::stored_client(const char* client) {
    if (!sim_object_exists(server, CLIENT_CLASS, client)) return "<no object>";
    std::string all;
    for (const char* property : {"IPAddress", "SharedSecret", "AcctSharedSecret", "Product"})
        all += std::string(property) + "=" + stored(client, property) + ";";
    return all;
}

std::vector<std::string> ClientsTest::messages() const {
    std::vector<std::string> texts;
    for (const RecordedPrompt& asked : prompt.asked) texts.push_back(asked.text);
    return texts;
}
