// keelcli import in this process: the same engine as the console's Import,
// its parts, its replace modes asked on standard input, --scan-only, and
// what a script learns from the exit status.
#include <stdio.h>

#include "api/requests.h"
#include "cli/cli.h"
#include "panels/scrambled_secret.h"
#include "panels/user_password.h"
#include "platform/hex.h"
#include "tests/cli/cli_fixture.h"


namespace {

const char DICTIONARY[] = "dictionary \"\" \"" KEEL_DEMO_DIR "/default.dict\"\n";

const char FILE_TEXT[] =
    "Radius Import Export Version 1.0\r\n"
    "Client\r\n  NAS1\r\n    Product=NEW\r\n  NAS2\r\n    Product=NEW\r\n  NAS3\r\n    Product=NEW\r\n"
    "Native-User\r\n  JSMITH\r\n    Filter-Id [[[0000 0021 0000]]]=web\r\n"
    "Access\r\n    User=BOB\r\n";

class ImportCli : public CliTest {
protected:
    void SetUp() override {
        // import.log goes to the current directory: this test's own.
        ASSERT_TRUE(enter_test_directory());
        remove("import.log");
    }
    void start_with(const std::string& objects) { start((std::string(DICTIONARY) + objects).c_str()); }
    std::string rif(const char* text = FILE_TEXT) { return write_test_file("in.rif", text); }
    std::string products() {
        std::string all;
        for (const char* name : {"NAS1", "NAS2", "NAS3"}) {
            std::string value = stored("Client", name, "Product");
            all += (all.empty() ? "" : " ") + (value == "<missing>" ? std::string("-") : value.substr(0, 3));
        }
        return all;
    }
};

const char STORED[] =
    "object Client NAS1\nproperty Product text \"OLD\"\nobject Client NAS2\nproperty Product text \"OLD\"\n";

TEST_F(ImportCli, EverythingIntoAnEmptyServer) {
    start_with("");
    Outcome outcome = run({"import", rif()});
    EXPECT_EQ(outcome.code, EXIT_OK) << outcome.err;
    EXPECT_EQ(outcome.out, "5 imported, 0 skipped, 0 kept as they were, 0 created incomplete\n");
    EXPECT_EQ(products(), "NEW NEW NEW");
    EXPECT_NE(stored("++b-Native-User", "JSMITH", "Filter-Id"), "<missing>");
    std::string log = read_test_file(test_directory() + "/import.log");
    EXPECT_NE(log.find(">>> Importing selected objects into database <<<\r\n0 Import Errors logged\r\n"),
              std::string::npos)
        << log;
}

TEST_F(ImportCli, ReplaceModes) {
    struct Case {
        std::vector<std::string> options;
        const char* input;
        const char* products;
        const char* summary;
    } cases[] = {
        // standard input is no terminal here: existing objects are left alone
        {{}, "", "OLD OLD NEW", "3 imported, 2 skipped"},
        {{"--replace", "none"}, "", "OLD OLD NEW", "3 imported, 2 skipped"},
        {{"--replace=all"}, "", "NEW NEW NEW", "5 imported, 0 skipped"},
        {{"--replace", "ask"}, "x\ns\nr\n", "OLD NEW NEW", "4 imported, 1 skipped"},
        {{"--replace", "ask"}, "a\n", "NEW NEW NEW", "5 imported, 0 skipped"},
        {{"--replace", "ask"}, "c\n", "OLD OLD -", "0 imported, 0 skipped"},
    };
    for (const Case& c : cases) {
        start_with(STORED);
        std::vector<std::string> arguments = {"import", rif(), "--clients", "--users", "--access"};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        Outcome outcome = run(arguments, c.input);
        EXPECT_EQ(outcome.code, EXIT_OK) << outcome.err;
        EXPECT_EQ(products(), c.products) << c.input;
        EXPECT_EQ(outcome.out.substr(0, strlen(c.summary)), c.summary) << outcome.out;
        stop();
    }
}

TEST_F(ImportCli, OnlyThePartsGiven) {
    start_with("");
    Outcome outcome = run({"import", rif(), "--users"});
    EXPECT_EQ(outcome.code, EXIT_OK) << outcome.err;
    EXPECT_EQ(products(), "- - -");
    EXPECT_NE(stored("++b-Native-User", "JSMITH", "Filter-Id"), "<missing>");
}

TEST_F(ImportCli, ScanOnlyListsWhatIsOfferedAndWritesNothing) {
    start_with("");
    uint32_t writes = sim_request_count(server, SERVICE_DATABASE, 0);
    Outcome outcome = run({"import",
                           rif("Radius Import Export Version 1.0\r\nClient\r\n  NAS1\r\n    Bad [[[1]]]=x\r\n"
                               "  NAS2\r\nSecurID-Suffix\r\n  ACME\r\nAccess\r\n    User=BOB\r\n"),
                           "--scan-only"});
    EXPECT_EQ(outcome.out, "RAS Clients\n  ** NAS1\n  NAS2\nUsers\n  <USERNAME>ACME\nOther Data\n  Access\n");
    EXPECT_EQ(outcome.code, EXIT_FAILED);
    EXPECT_EQ(outcome.err, "keelcli: 1 scan errors logged in import.log\n");
    EXPECT_EQ(sim_request_count(server, SERVICE_DATABASE, 0), writes);
    EXPECT_TRUE(sim_object_names(server, "Client").empty());
}

TEST_F(ImportCli, FailuresReachTheExitStatus) {
    start_with("");
    const std::string path = rif("Radius Import Export Version 1.0 \r\nClient\r\n  NAS1\r\n");
    Outcome outcome = run({"import", path});
    EXPECT_EQ(outcome.code, EXIT_FAILED);
    EXPECT_EQ(outcome.err, "keelcli: Invalid Import File: " + path + "\n");
    outcome = run({"import", rif("Radius Import Export Version 1.0\r\nGadget\r\n  G1\r\nClient\r\n  NAS1\r\n")});
    EXPECT_EQ(outcome.code, EXIT_FAILED);
    EXPECT_EQ(outcome.err, "keelcli: 1 import errors logged in import.log\n");
    EXPECT_TRUE(sim_object_exists(server, "Client", "NAS1"));
    outcome = run({"import", rif(), "--replace", "maybe"});
    EXPECT_EQ(outcome.code, EXIT_USAGE);
    EXPECT_NE(outcome.err.find("--replace takes ask, all or none, not \"maybe\""), std::string::npos) << outcome.err;
}

uint32_t fixed_seed() { return 0x5EED1234; }

struct PasswordUser {
    std::string name;
    std::string text;
    bool pap_only;
    std::string stored;  // the "--Password" property as the fixture holds it
};

std::vector<PasswordUser> password_users() {
    const std::string letters = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::vector<PasswordUser> users;
    secret_set_tick_source(fixed_seed);
    for (bool pap_only : {true, false}) {
        for (size_t length : {0, 1, 28, 29, 31}) {
            PasswordUser user = {std::string(pap_only ? "PAP" : "CHAP") + std::to_string(length),
                                 letters.substr(0, length), pap_only, ""};
            PasswordProperty password = password_none();
            password_set(&password, user.text.c_str(), pap_only);
            uint8_t bytes[PASSWORD_PROPERTY_MAX];
            user.stored.assign((const char*)bytes, password_encode(password, bytes));
            users.push_back(user);
        }
    }
    secret_set_tick_source(nullptr);
    return users;
}

std::string hex_of(const std::string& bytes) {
    std::vector<char> text(format_hex_size((uint32_t)bytes.size(), 0));
    format_hex((const uint8_t*)bytes.data(), (uint32_t)bytes.size(), 0, text.data(), (uint32_t)text.size());
    return text.data();
}

// Both kinds of password, of 0 to 31 characters, through keelcli export and
// keelcli import: whole again, but for scrambled ones past 28 characters,
// which the export names in its log.
TEST_F(ImportCli, PasswordsSurviveTheFile) {
    std::vector<PasswordUser> users = password_users();
    std::string fixture;
    for (const PasswordUser& user : users)
        fixture +=
            "object ++b-Native-User " + user.name + "\nproperty --Password hex \"" + hex_of(user.stored) + "\"\n";
    start_with(fixture);
    std::string file = test_directory() + "/passwords.rif";
    remove("export.log");
    Outcome exported = run({"export", file, "--users"});
    EXPECT_EQ(exported.code, EXIT_FAILED);
    EXPECT_EQ(exported.err, "keelcli: 2 export errors logged in export.log\n");
    std::string log = read_test_file(test_directory() + "/export.log");
    for (const char* name : {"CHAP29", "CHAP31"})
        EXPECT_NE(log.find(std::string("Error: The password of user '") + name), std::string::npos) << log;
    stop();

    start_with("");
    Outcome imported = run({"import", file});
    EXPECT_EQ(imported.code, EXIT_OK) << imported.err;
    EXPECT_EQ(imported.out, "10 imported, 0 skipped, 0 kept as they were, 0 created incomplete\n");
    for (const PasswordUser& user : users) {
        bool carried = user.pap_only || user.text.size() <= 28;
        std::string stored_now = stored("++b-Native-User", user.name.c_str(), "--Password");
        PasswordProperty password = password_decode((const uint8_t*)stored_now.data(), (uint32_t)stored_now.size());
        EXPECT_EQ(stored_now == user.stored, carried) << user.name;
        // what the password dialog's Validate asks
        EXPECT_EQ(password_matches(password, user.text.c_str()), carried) << user.name;
    }
}

}  // namespace
