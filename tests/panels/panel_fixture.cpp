#include "tests/panels/panel_fixture.h"

#include <stdio.h>

#include "api/session.h"
#include "panels/scrambled_secret.h"
#include "platform/resolver.h"

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

std::string le16_words(std::initializer_list<uint16_t> words) {
    std::string bytes;
    for (uint16_t word : words) {
        bytes.push_back((char)(word & 0xFF));
        bytes.push_back((char)(word >> 8));
    }
    return bytes;
}

void PanelTest::open_session(const char* fixture) {
    SimOptions options;
    if (!fixture) options.fixture_path = KEEL_DEMO_DIR "/server.fixture";
    start(fixture, options);
    session_reset();
    PipeSession* session = nullptr;
    ASSERT_EQ(session_open(nullptr, &session), 0);
    set_current_session(session);
}

void PanelTest::close_session() {
    session_reset();
    set_host_resolver(nullptr);
    stop();
}

std::string PanelTest::stored_property(const char* cls, const char* object, const char* property) {
    std::string value;
    return sim_get_property(server, cls, object, property, &value) ? value : std::string("<missing>");
}

std::vector<std::string> PanelTest::messages() const {
    std::vector<std::string> texts;
    for (const RecordedPrompt& asked : prompt.asked) texts.push_back(asked.text);
    return texts;
}

std::string PanelTest::stored_object(const char* cls, const char* object,
                                     std::initializer_list<const char*> properties) {
    if (!sim_object_exists(server, cls, object)) return "<no object>";
    std::string all;
    for (const char* property : properties)
        all += std::string(property) + "=" + stored_property(cls, object, property) + ";";
    return all;
}
