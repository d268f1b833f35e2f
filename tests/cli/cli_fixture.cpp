#include "tests/cli/cli_fixture.h"

#include <stdio.h>

#include "api/session.h"
#include "cli/cli.h"

void CliTest::SetUp() {
    SimOptions options;
    options.fixture_path = KEEL_DEMO_DIR "/server.fixture";
    start(nullptr, options);
}

void CliTest::TearDown() {
    session_reset();
    SimServerTest::TearDown();
}

Outcome CliTest::run(std::vector<std::string> arguments, const char* input) {
    std::string path = write_test_file("stdin.txt", input);
    EXPECT_NE(freopen(path.c_str(), "r", stdin), nullptr);
    std::vector<char*> argv = {(char*)"keelcli"};
    for (std::string& argument : arguments) argv.push_back(&argument[0]);
    Output output;
    int code = keelcli_main((int)argv.size(), argv.data(), &output);
    return {code, output.out, output.err};
}

std::string CliTest::stored(const char* cls, const char* object, const char* property) {
    std::string value;
    return sim_get_property(server, cls, object, property, &value) ? value : std::string("<missing>");
}
