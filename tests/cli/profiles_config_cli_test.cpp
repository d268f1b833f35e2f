// keelcli's profile and config commands in this process against keelsim on
// the demo database.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli.h"
#include "tests/cli/cli_fixture.h"

namespace {

using ProfileCommands = CliTest;
using ConfigCommands = CliTest;

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST_F(ProfileCommands, AddShowSetAndTheListsTheyReplace) {
    Outcome r = run({"profile", "add", "sales", "--reply", "Idle-Timeout = 600", "--check", "Service-Type = Framed-User"});
    ASSERT_EQ(r.code, EXIT_OK) << r.err;
    r = run({"profile", "list"});
    EXPECT_TRUE(contains(r.out, "SALES\n")) << r.out;
    r = run({"profile", "show", "Sales"});
    ASSERT_EQ(r.code, EXIT_OK) << r.err;
    EXPECT_EQ(r.out,
              "Name: SALES\nCheck list:\n  Service-Type = Framed-User\nReturn list:\n  Idle-Timeout = 600\n");

    // Only the list given is replaced.
    ASSERT_EQ(run({"profile", "set", "sales", "--reply", "Idle-Timeout = 1200"}).code, EXIT_OK);
    r = run({"profile", "show", "sales", "--json"});
    EXPECT_TRUE(contains(r.out, "\"value\": \"Framed-User\"")) << r.out;
    EXPECT_TRUE(contains(r.out, "\"value\": \"1200\"")) << r.out;

    const struct {
        std::vector<std::string> arguments;
        int code;
    } refused[] = {
        {{"profile", "add", "sales"}, EXIT_FAILED},                                   // already there
        {{"profile", "add", "west", "--reply", "No-Such-Attribute = 1"}, EXIT_FAILED},  // checked first
        {{"profile", "add", std::string(256, 'p')}, EXIT_FAILED},
        {{"profile", "set", "nobody", "--reply", "Idle-Timeout = 5"}, EXIT_FAILED},
        {{"profile", "show", "nobody"}, EXIT_FAILED},
    };
    for (const auto& c : refused) EXPECT_EQ(run(c.arguments).code, c.code) << c.arguments[2];
    EXPECT_EQ(stored("++a-Profile", "WEST", "Idle-Timeout"), "<missing>");
    EXPECT_FALSE(contains(run({"profile", "list"}).out, "WEST"));
}

TEST_F(ProfileCommands, RemovalIsRefusedWhileAUserLinksTheProfile) {
    Outcome r = run({"profile", "remove", "dialup-standard"});
    EXPECT_EQ(r.code, EXIT_FAILED);
    // The first linking user in class order, then by name: only that one.
    EXPECT_EQ(r.err, "keelcli: the profile DIALUP-STANDARD is in use by user AGARCIA\n");
    EXPECT_TRUE(contains(run({"profile", "list"}).out, "DIALUP-STANDARD"));

    ASSERT_EQ(run({"user", "set", "agarcia", "--profile", ""}).code, EXIT_OK);
    r = run({"profile", "remove", "dialup-standard"});
    EXPECT_TRUE(contains(r.err, "in use by user")) << r.err;
    EXPECT_FALSE(contains(r.err, "AGARCIA")) << r.err;

    ASSERT_EQ(run({"profile", "add", "unused"}).code, EXIT_OK);
    EXPECT_EQ(run({"profile", "remove", "unused"}).code, EXIT_OK);
    EXPECT_FALSE(contains(run({"profile", "list"}).out, "UNUSED"));
}

TEST_F(ConfigCommands, ShowsAndSetsEachPart) {
    Outcome r = run({"config", "show"});
    ASSERT_EQ(r.code, EXIT_OK) << r.err;
    EXPECT_TRUE(contains(r.out, "Inactive:                   NT Host Group\nLog files kept (days):      90\n")) << r.out;
    EXPECT_TRUE(contains(r.out, "recognised.\\r\\nPlease")) << r.out;

    r = run({"config", "set", "--log-days", "", "--message", "other-failure=Go away.\\nNow.", "--message",
             "unknown-client="});
    ASSERT_EQ(r.code, EXIT_OK) << r.err;
    EXPECT_EQ(stored("Policy", "Log-Info", "Log-Max-Days"), std::string("\0\0\0\0", 4));
    EXPECT_EQ(stored("Messages", "Default-Reject-Msg", "Message-Text"), "Go away.\nNow.");
    EXPECT_EQ(stored("Messages", "Unknown-Client-Msg", "Message-Text"), "<missing>");

    const struct {
        std::vector<std::string> arguments;
        int code;
    } refused[] = {
        {{"config", "set", "--log-days", "1000"}, EXIT_FAILED},
        {{"config", "set", "--log-days", "12a"}, EXIT_FAILED},
        {{"config", "set", "--order", "Nobody"}, EXIT_FAILED},
        {{"config", "set", "--order", ""}, EXIT_FAILED},
        {{"config", "set", "--message", "rude=Go"}, EXIT_FAILED},
    };
    const std::string order = stored("Policy", "Auth-Info", "Auth-Order");
    for (const auto& c : refused) EXPECT_EQ(run(c.arguments).code, c.code) << c.arguments[3];
    EXPECT_EQ(stored("Policy", "Auth-Info", "Auth-Order"), order);
    EXPECT_EQ(stored("Policy", "Log-Info", "Log-Max-Days"), std::string("\0\0\0\0", 4));
}

TEST_F(ConfigCommands, TheOrderFollowsTheNamesAndSecurIDBringsItsFollowers) {
    Outcome r = run({"config", "show", "--json"});
    ASSERT_EQ(r.code, EXIT_OK);
    const size_t start = r.out.find("\"order\": [\"") + 11;
    const std::string first = r.out.substr(start, r.out.find('"', start) - start);
    const size_t securid = r.out.find("SecurID");
    ASSERT_NE(securid, std::string::npos) << r.out;
    const size_t quote = r.out.rfind('"', securid);
    const std::string securid_name = r.out.substr(quote + 1, r.out.find('"', securid) - quote - 1);

    r = run({"config", "set", "--order", securid_name + ", " + first});
    ASSERT_EQ(r.code, EXIT_OK) << r.err;
    // SecurID (10) with its prefix (11) and suffix (12), then the other one.
    const std::string stored_order = stored("Policy", "Auth-Info", "Auth-Order");
    ASSERT_EQ(stored_order.size(), 10u);
    EXPECT_EQ(stored_order.substr(0, 8), std::string("\x04\0\x0a\0\x0b\0\x0c\0", 8));
    r = run({"config", "show", "--json"});
    EXPECT_TRUE(contains(r.out, "\"order\": [\"" + securid_name + "\", \"" + first + "\"]")) << r.out;
}

TEST_F(ConfigCommands, ASaveThatStopsPartWayNamesWhatWasWritten) {
    // The order is written; the days are not, nor anything after them.
    ASSERT_EQ(sim_add_fault(server, "1:3:2:fail=3"), 0);
    Outcome r = run({"config", "set", "--log-days", "30", "--message", "other-failure=Later."});
    EXPECT_EQ(r.code, EXIT_FAILED);
    EXPECT_TRUE(contains(r.err, "saved: authentication order; not saved, as before on the server: days to keep log "
                                "files, unknown user message"))
        << r.err;
    EXPECT_EQ(stored("Policy", "Log-Info", "Log-Max-Days"), std::string("\x5a\0\0\0", 4));
    EXPECT_EQ(stored("Messages", "Default-Reject-Msg", "Message-Text"), "Access denied.");
}

}  // namespace
