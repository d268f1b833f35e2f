// keelcli's user commands in this process against keelsim on the demo
// database: what they print, their exit statuses, and what they store.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli.h"
#include "tests/cli/cli_fixture.h"

namespace {

const char NATIVE[] = "++b-Native-User";

using UserCommands = CliTest;

TEST_F(UserCommands, AddShowAndRefuse) {
    Outcome r = run({"user", "add", "smith", "--password", "s3cret", "--profile", "staff-vpn", "--check",
                     "NAS-Port-Type = ISDN-Sync", "--reply", "Session-Timeout = 3600", "--reply",
                     "Framed-IP-Address = <DIALUP-POOL>"});
    ASSERT_EQ(r.code, EXIT_OK) << r.err;
    EXPECT_TRUE(sim_object_exists(server, NATIVE, "SMITH"));
    EXPECT_EQ(stored(NATIVE, "SMITH", "--User-Profile").substr(10), std::string("STAFF-VPN\0", 10));
    EXPECT_EQ(stored(NATIVE, "SMITH", "--Password").size(), 46u);

    r = run({"user", "show", "Smith"});
    ASSERT_EQ(r.code, EXIT_OK) << r.err;
    EXPECT_NE(r.out.find("Name:      SMITH\nKind:      Native User\nProfile:   STAFF-VPN\nPassword:  PAP or CHAP\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("  NAS-Port-Type = ISDN-Sync\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("  Session-Timeout = 3600  [overrides profile]\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("[profile]"), std::string::npos) << r.out;

    const struct {
        std::vector<std::string> arguments;
        int code;
        const char* err;
    } refused[] = {
        {{"user", "add", "smith"}, EXIT_FAILED, "keelcli: the user SMITH already exists\n"},
        {{"user", "add", "abc<username>", "--kind", "securid-prefix"},
         EXIT_FAILED,
         "keelcli: '<USERNAME>' cannot be used as part of a SecurID prefix or suffix\n"},
        {{"user", "add", "jones", "--reply", "No-Such-Attribute = 1"},
         EXIT_FAILED,
         "keelcli: the dictionary offers no attribute \"No-Such-Attribute\" for this list\n"},
        {{"user", "add", "jones", "--kind", "wizard"}, EXIT_USAGE, nullptr},
        {{"user", "add", "jones", "--kind", "securid", "--password", "x"},
         EXIT_FAILED,
         "keelcli: only native users have a password\n"},
        {{"user", "add", "jones", "--profile", "nothing-like-it"},
         EXIT_FAILED,
         "keelcli: no profile NOTHING-LIKE-IT\n"},
    };
    for (const auto& c : refused) {
        r = run(c.arguments);
        EXPECT_EQ(r.code, c.code) << c.arguments[2];
        if (c.err) { EXPECT_EQ(r.err, c.err); }
    }
    EXPECT_FALSE(sim_object_exists(server, NATIVE, "JONES"));
    EXPECT_FALSE(sim_object_exists(server, "++n-SecurID-Prefix", "ABC<USERNAME>"));

    r = run({"user", "add", "ab", "--kind", "securid-prefix"});
    EXPECT_EQ(r.code, EXIT_OK) << r.err;
    EXPECT_TRUE(sim_object_exists(server, "++n-SecurID-Prefix", "AB"));
    r = run({"user", "list", "--kind", "securid-prefix"});
    EXPECT_EQ(r.out,
              "Kind            Name\nsecurid-prefix  AB<USERNAME>\nsecurid-prefix  OTP.<USERNAME>\n"
              "securid-prefix  SID-<USERNAME>\n");
}

TEST_F(UserCommands, SetReplacesOnlyWhatIsGiven) {
    const std::string password = stored(NATIVE, "LCHEN", "--Password");
    const std::string route = stored(NATIVE, "LCHEN", "Framed-Route");
    Outcome r = run({"user", "set", "lchen", "--check", "NAS-Port-Type = Async"});
    ASSERT_EQ(r.code, EXIT_OK) << r.err;
    EXPECT_EQ(stored(NATIVE, "LCHEN", "--Password"), password);
    EXPECT_EQ(stored(NATIVE, "LCHEN", "Framed-Route"), route);
    EXPECT_NE(stored(NATIVE, "LCHEN", "NAS-Port-Type"), "<missing>");

    r = run({"user", "set", "lchen", "--profile", ""});
    ASSERT_EQ(r.code, EXIT_OK) << r.err;
    EXPECT_EQ(stored(NATIVE, "LCHEN", "--User-Profile"), "<missing>");
    EXPECT_EQ(stored(NATIVE, "LCHEN", "--Password"), password);
}

TEST_F(UserCommands, PasswordsFromStandardInput) {
    Outcome r = run({"user", "passwd", "pbrown", "--pap-only"}, "n3w-pass\n");
    ASSERT_EQ(r.code, EXIT_OK) << r.err;
    EXPECT_EQ(stored(NATIVE, "PBROWN", "--Password").substr(4, 2), std::string("\x05\0", 2));
    r = run({"user", "check-password", "pbrown"}, "n3w-pass\r\n");
    EXPECT_EQ(r.code, EXIT_OK) << r.err;
    EXPECT_EQ(r.out, "Correct password specified\n");
    r = run({"user", "check-password", "pbrown"}, "N3W-PASS\n");
    EXPECT_EQ(r.code, EXIT_NO);
    EXPECT_EQ(r.out, "Incorrect password specified\n");
    r = run({"user", "passwd", "pbrown"}, std::string(40, 'x').c_str());
    EXPECT_EQ(r.code, EXIT_FAILED);
    EXPECT_EQ(r.err, "keelcli: a password or secret has at most 31 characters\n");
    r = run({"user", "passwd", "<any>"}, "x\n");
    EXPECT_EQ(r.code, EXIT_FAILED);
}

TEST_F(UserCommands, RemoveFindsEveryForm) {
    for (const char* name : {"jsmith", "<username>@token", "\\\\rivernet\\jdoe"}) {
        Outcome r = run({"user", "remove", name});
        EXPECT_EQ(r.code, EXIT_OK) << name << r.err;
    }
    EXPECT_FALSE(sim_object_exists(server, NATIVE, "JSMITH"));
    EXPECT_FALSE(sim_object_exists(server, "++o-SecurID-Suffix", "@TOKEN"));
    EXPECT_FALSE(sim_object_exists(server, "++h-NT-Domain-User", "\\\\RIVERNET\\JDOE"));
    Outcome r = run({"user", "remove", "jsmith"});
    EXPECT_EQ(r.code, EXIT_FAILED);
    EXPECT_EQ(r.err, "keelcli: no user JSMITH\n");
}

}  // namespace
