#include "tests/panels/panel_fixture.h"

#include "api/session.h"
#include "platform/resolver.h"

void PanelTest::open_session(const char* fixture) {
    SimOptions options;
    if (!fixture) options.fixture_path = KEEL_DEMO_DIR "/server.fixture";
    start(fixture, options);
    session_reset();
    PipeSession* session = nullptr;
    ASSERT_EQ(session_open(nullptr, &session), 0);
    set_current_session(session);
}

void PanelTest::TearDown() {
    session_reset();
    set_host_resolver(nullptr);
    SimServerTest::TearDown();
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
