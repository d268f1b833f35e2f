// keelcli import-users in this process on the demo database: the options
// the Import Options dialog offers, the scan's offer, the replace modes and
// the exit status.
#include <stdio.h>

#include "cli/cli.h"
#include "tests/cli/cli_fixture.h"


namespace {

const char NATIVE[] = "++b-Native-User";

class ImportUsersCli : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        // import.log goes to the current directory: this test's own.
        ASSERT_TRUE(enter_test_directory());
        remove("import.log");
    }
    std::string users_file() {
        return write_test_file("site.users",
                               "# two new users and one the server has\n"
                               "alice\tPassword = \"a-1\"\n"
                               "\tSession-Timeout = 600\n"
                               "\n"
                               "jsmith\tPassword = \"other\"\n"
                               "\n"
                               "bob\tPassword = \"b-2\", Bogus-Item = 1\n");
    }
};

TEST_F(ImportUsersCli, TheScanOffersTheUsersAndTheImportKeepsExistingOnes) {
    Outcome r = run({"import-users", users_file(), "--dictionary", "livingston", "--scan-only"});
    EXPECT_EQ(r.code, EXIT_FAILED);  // BOB's unknown item
    EXPECT_EQ(r.out, "Users\n  ALICE\n  JSMITH\n  ** BOB\n");
    EXPECT_FALSE(sim_object_exists(server, NATIVE, "ALICE"));

    const std::string jsmith = stored(NATIVE, "JSMITH", "--Password");
    r = run({"import-users", users_file(), "--dictionary", "LIVINGSTON", "--replace", "none", "--pap-only",
             "--profile", "staff-vpn"});
    EXPECT_EQ(r.code, EXIT_FAILED);
    EXPECT_EQ(r.out, "2 imported, 1 skipped, 0 kept as they were, 0 created incomplete\n");
    EXPECT_EQ(r.err, "keelcli: 1 import errors logged in import.log\n");
    EXPECT_EQ(stored(NATIVE, "JSMITH", "--Password"), jsmith);
    EXPECT_EQ(stored(NATIVE, "ALICE", "--Password").substr(4, 1), std::string(1, '\x05'));  // a digest
    EXPECT_EQ(stored(NATIVE, "ALICE", "--User-Profile").substr(10), std::string("STAFF-VPN\0", 10));
    EXPECT_NE(stored(NATIVE, "BOB", "--Password"), "<missing>");

    // Replace all, keeping only the passwords.
    r = run({"import-users", users_file(), "--dictionary", "livingston", "--replace", "all", "--ignore-attributes"});
    EXPECT_EQ(r.code, EXIT_FAILED) << r.err;
    EXPECT_EQ(r.out, "3 imported, 0 skipped, 0 kept as they were, 0 created incomplete\n");
    EXPECT_NE(stored(NATIVE, "JSMITH", "--Password"), jsmith);
    EXPECT_EQ(stored(NATIVE, "ALICE", "Session-Timeout"), "<missing>");
}

TEST_F(ImportUsersCli, WhatTheOptionsDialogWouldRefuse) {
    const struct {
        std::vector<std::string> arguments;
        int code;
        const char* err;
    } refused[] = {
        {{"import-users", "x.users"}, EXIT_USAGE, nullptr},
        {{"import-users", "x.users", "--dictionary", "merit"},
         EXIT_FAILED,
         "keelcli: no import dictionary pair \"merit\" (the server has: LIVINGSTON)\n"},
        {{"import-users", "x.users", "--dictionary", "livingston", "--profile", "nobody"},
         EXIT_FAILED,
         "keelcli: no profile NOBODY\n"},
        {{"import-users", "x.users", "--dictionary", "livingston", "--replace", "maybe"}, EXIT_USAGE, nullptr},
    };
    for (const auto& c : refused) {
        Outcome r = run(c.arguments);
        EXPECT_EQ(r.code, c.code) << r.err;
        if (c.err) {
            EXPECT_EQ(r.err, c.err);
        }
    }
}

}  // namespace
