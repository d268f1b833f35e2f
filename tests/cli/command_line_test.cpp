// keelcli's command line: where options may stand, which command takes
// which, and the server name it is pointed at.
#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/connection.h"

namespace {

struct Parsed {
    ParseResult result;
    CommandLine line;
    std::string error;
};

Parsed parse(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "keelcli");
    Parsed parsed;
    parsed.result =
        parse_command_line((int)arguments.size(), const_cast<char**>(arguments.data()), &parsed.line, &parsed.error);
    return parsed;
}

std::string command_of(const Parsed& parsed) {
    if (!parsed.line.command) return "";
    const CommandEntry& entry = *parsed.line.command;
    return entry.subcommand ? std::string(entry.name) + " " + entry.subcommand : entry.name;
}

TEST(CommandLine, GlobalOptionsStandBeforeOrAfterTheCommand) {
    Parsed parsed = parse({"--server", "HOST1", "--json", "list", "Client"});
    ASSERT_EQ(parsed.result, PARSE_OK) << parsed.error;
    EXPECT_STREQ(parsed.line.server, "HOST1");
    EXPECT_TRUE(parsed.line.options & OPT_JSON);
    ASSERT_EQ(parsed.line.operands.size(), 1u);
    EXPECT_STREQ(parsed.line.operands[0], "Client");

    parsed = parse({"list", "Client", "NAS1", "--server=HOST2"});
    ASSERT_EQ(parsed.result, PARSE_OK) << parsed.error;
    EXPECT_STREQ(parsed.line.server, "HOST2");
    EXPECT_EQ(parsed.line.operands.size(), 2u);

    parsed = parse({"--server", "list", "stats"});  // the value of --server is not the command
    ASSERT_EQ(parsed.result, PARSE_OK) << parsed.error;
    EXPECT_EQ(command_of(parsed), "stats");
    EXPECT_STREQ(parsed.line.server, "list");
}

TEST(CommandLine, TextIsASwitchForGetAndTakesTheValueForSet) {
    Parsed parsed = parse({"get", "C", "O", "P", "--text"});
    ASSERT_EQ(parsed.result, PARSE_OK) << parsed.error;
    EXPECT_TRUE(parsed.line.options & OPT_TEXT);
    EXPECT_EQ(parsed.line.operands.size(), 3u);

    parsed = parse({"set", "C", "O", "P", "--text", "--not-an-option"});
    ASSERT_EQ(parsed.result, PARSE_OK) << parsed.error;
    EXPECT_STREQ(parsed.line.text_value, "--not-an-option");

    parsed = parse({"set", "C", "O", "P", "--text", "a", "--hex", "00"});
    EXPECT_EQ(parsed.result, PARSE_ERROR);
    EXPECT_EQ(parsed.error, "set takes the value as either --hex HEX or --text TEXT");
    parsed = parse({"set", "C", "O", "P", "--text", "a", "--text=b"});
    EXPECT_EQ(parsed.result, PARSE_ERROR);
    EXPECT_EQ(parsed.error, "option \"--text\" given twice");
    parsed = parse({"set", "C", "O", "P", "--hex"});
    EXPECT_EQ(parsed.error, "option \"--hex\" needs a value");
}

TEST(CommandLine, SubcommandsAndTheirOwnOptions) {
    Parsed parsed = parse({"sessions", "delete", "--user", "TN", "--dn=A"});
    ASSERT_EQ(parsed.result, PARSE_OK) << parsed.error;
    EXPECT_EQ(command_of(parsed), "sessions delete");
    EXPECT_STREQ(parsed.line.session_key[KEY_USER], "TN");
    EXPECT_STREQ(parsed.line.session_key[KEY_DN], "A");
    EXPECT_EQ(parsed.line.session_key[KEY_CLIENT], nullptr);

    EXPECT_EQ(parse({"sessions", "--user", "TN"}).error, "sessions does not take \"--user\"");
    EXPECT_EQ(parse({"sessions", "delete"}).result, PARSE_ERROR);
    EXPECT_EQ(parse({"admins", "add", "--group"}).error,
              "too few arguments for admins add; usage: keelcli admins add NAME [--group]");

    parsed = parse({"admins", "remove", "--group", "--", "-odd-name"});
    ASSERT_EQ(parsed.result, PARSE_OK) << parsed.error;
    ASSERT_EQ(parsed.line.operands.size(), 1u);
    EXPECT_STREQ(parsed.line.operands[0], "-odd-name");
}

TEST(CommandLine, MistakesAreNamed) {
    EXPECT_EQ(parse({}).error, "no command given");
    EXPECT_EQ(parse({"lst", "Client"}).error, "unknown command \"lst\"");
    EXPECT_EQ(parse({"list", "Client", "--jsn"}).error, "unknown option \"--jsn\"");
    EXPECT_EQ(parse({"stats", "--json=yes"}).error, "option \"--json\" takes no value");
    EXPECT_EQ(parse({"get", "C", "O", "P", "Q"}).error,
              "too many arguments for get; usage: keelcli get CLASS OBJECT PROPERTY [--text]");
}

TEST(ServerTarget, NamesAndTheLocalForm) {
    ServerTarget target;
    std::string error;
    ASSERT_TRUE(resolve_server("\\\\RADIUS1", &target, &error));
    EXPECT_FALSE(target.local_form);
    EXPECT_STREQ(target.name, "RADIUS1");
    ASSERT_TRUE(resolve_server(".", &target, &error));
    EXPECT_TRUE(target.local_form);
    ASSERT_TRUE(resolve_server(nullptr, &target, &error));  // this computer, by name
    EXPECT_FALSE(target.local_form);
    EXPECT_GT(strlen(target.name), 0u);

    EXPECT_TRUE(resolve_server(std::string(127, 'A').c_str(), &target, &error));
    EXPECT_FALSE(resolve_server(std::string(128, 'A').c_str(), &target, &error));
    EXPECT_FALSE(resolve_server("\\\\", &target, &error));
    EXPECT_FALSE(resolve_server("HOST\\pipe", &target, &error));
    EXPECT_FALSE(resolve_server("../HOST", &target, &error));
}

}  // namespace
