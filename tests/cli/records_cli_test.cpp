// keelcli's client, proxy and pool commands in this process against keelsim
// on the demo database.
#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "cli/cli.h"
#include "panels/scrambled_secret.h"
#include "tests/cli/cli_fixture.h"

namespace {

std::string secret_text(const std::string& stored) {
    ScrambledSecret secret = {};
    memcpy(secret.bytes, stored.data(), stored.size() < sizeof secret.bytes ? stored.size() : sizeof secret.bytes);
    char text[SECRET_TEXT_SIZE];
    secret_unscramble(secret, text);
    return text;
}

using RecordCommands = CliTest;

TEST_F(RecordCommands, ClientsWithAddressProductAndSecrets) {
    Outcome r = run({"client", "add", "pop-west1", "--address", "10.9.8.7", "--product", "Cisco-AS5300",
                     "--secret-stdin", "--acct-secret-stdin"},
                    "s-one\nacct-two\n");
    ASSERT_EQ(r.code, EXIT_OK) << r.err;
    EXPECT_EQ(stored("Client", "POP-WEST1", "IPAddress"), "\x0a\x09\x08\x07");
    EXPECT_EQ(stored("Client", "POP-WEST1", "Product"), std::string("Cisco-AS5300\0", 13));
    EXPECT_EQ(secret_text(stored("Client", "POP-WEST1", "SharedSecret")), "s-one");
    EXPECT_EQ(secret_text(stored("Client", "POP-WEST1", "AcctSharedSecret")), "acct-two");
    r = run({"client", "show", "pop-west1"});
    EXPECT_EQ(r.out,
              "Name:               POP-WEST1\nAddress:            10.9.8.7\nProduct:            Cisco-AS5300\n"
              "Secret:             set\nAccounting secret:  set\n");

    const struct {
        std::vector<std::string> arguments;
        const char* input;
        int code;
    } refused[] = {
        {{"client", "set", "pop-west1", "--address", "10.1.2.300"}, "", EXIT_FAILED},
        {{"client", "set", "pop-west1", "--product", "Toaster"}, "", EXIT_FAILED},
        {{"client", "set", "pop-west1", "--secret-stdin"}, "", EXIT_USAGE},
        {{"client", "set", "<any>", "--address", "10.0.0.1"}, "", EXIT_FAILED},
        {{"client", "show", "nobody"}, "", EXIT_FAILED},
    };
    for (const auto& c : refused) EXPECT_EQ(run(c.arguments, c.input).code, c.code) << c.arguments[3];
    EXPECT_EQ(stored("Client", "POP-WEST1", "IPAddress"), "\x0a\x09\x08\x07");

    EXPECT_EQ(run({"client", "remove", "pop-west1"}).code, EXIT_OK);
    EXPECT_EQ(stored("Client", "POP-WEST1", "IPAddress"), "<missing>");
}

// Shown only with --show-secret and only while the server's option mask
// lets the console show stored secrets (0x04) or passwords (0x08).
TEST_F(RecordCommands, SecretsAreShownOnlyWhereTheServerAllowsIt) {
    ASSERT_EQ(run({"client", "set", "hq-nas1", "--secret-stdin"}, "rotated-1\n").code, EXIT_OK);
    ASSERT_EQ(run({"user", "passwd", "jsmith"}, "Pw-of-jsmith\n").code, EXIT_OK);
    EXPECT_TRUE(run({"client", "show", "hq-nas1"}).out.find("Secret:             set\n") != std::string::npos);
    EXPECT_TRUE(run({"client", "show", "hq-nas1", "--show-secret"}).out.find("Secret:             rotated-1\n") !=
                std::string::npos);
    EXPECT_TRUE(run({"user", "show", "jsmith", "--show-secret"}).out.find("PAP or CHAP: Pw-of-jsmith\n") !=
                std::string::npos);

    ASSERT_EQ(sim_apply(server, "option-mask 0x00000003\n"), 0);
    const std::vector<std::string> refused[] = {{"client", "show", "hq-nas1", "--show-secret"},
                                                {"proxy", "show", "<roaming>", "--show-secret"},
                                                {"user", "show", "jsmith", "--show-secret"}};
    for (const auto& arguments : refused) {
        Outcome r = run(arguments);
        EXPECT_EQ(r.code, EXIT_FAILED) << arguments[0];
        EXPECT_EQ(r.out, "") << arguments[0];
    }
}

TEST_F(RecordCommands, ProxiesFollowThePanelsRules) {
    Outcome r = run({"proxy", "add", "auth.example", "--address", "192.0.2.9", "--retries", "12a", "--retry-ms", "750",
                     "--accounting", "record"});
    ASSERT_EQ(r.code, EXIT_OK) << r.err;
    r = run({"proxy", "show", "auth.example"});
    EXPECT_EQ(r.out,
              "Name:               AUTH.EXAMPLE\nAddress:            192.0.2.9\nRetries:            3\n"
              "Retry ms:           750\nAccounting:         record\nSecret:             none\n"
              "Accounting secret:  none\n");
    EXPECT_EQ(run({"proxy", "set", "<roaming>", "--address", "10.0.0.1"}).code, EXIT_FAILED);
    EXPECT_EQ(run({"proxy", "set", "auth.example", "--accounting", "sideways"}).code, EXIT_USAGE);
    EXPECT_EQ(run({"proxy", "remove", "auth.example"}).code, EXIT_OK);
}

TEST_F(RecordCommands, PoolsAndTheirRanges) {
    Outcome added = run({"pool", "add", "guest-pool", "--description", "Lab addresses"});
    ASSERT_EQ(added.code, EXIT_OK) << added.err;
    EXPECT_EQ(run({"pool", "add-range", "guest-pool", "10.50.0.1", "100"}).code, EXIT_OK);
    EXPECT_EQ(run({"pool", "add-range", "guest-pool", "10.60.0.1", "10"}).code, EXIT_OK);
    const struct {
        const char* start;
        const char* count;
        int code;
        const char* err_start;
    } refused[] = {
        {"10.50.0.50", "5", EXIT_FAILED, "keelcli: the pool cannot take the range (00D0"},
        {"10.70.0.1", "0", EXIT_FAILED, "keelcli: "},
        {"10.70.0", "5", EXIT_FAILED, "keelcli: "},
    };
    for (const auto& c : refused) {
        Outcome r = run({"pool", "add-range", "guest-pool", c.start, c.count});
        EXPECT_EQ(r.code, c.code) << c.start;
        EXPECT_EQ(r.err.rfind(c.err_start, 0), 0u) << r.err;
    }
    EXPECT_EQ(run({"pool", "remove-range", "guest-pool", "10.60.0.1"}).code, EXIT_OK);
    EXPECT_EQ(run({"pool", "remove-range", "guest-pool", "10.60.0.1"}).code, EXIT_FAILED);
    Outcome r = run({"pool", "show", "guest-pool"});
    EXPECT_EQ(r.out, "Name:         GUEST-POOL\nDescription:  Lab addresses\nRanges:\n  10.50.0.1 (100)\n");
    EXPECT_EQ(run({"pool", "remove", "guest-pool"}).code, EXIT_OK);
}

}  // namespace
