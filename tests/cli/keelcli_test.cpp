// The built keelcli against keelsim running in this test program: what it
// prints, its exit status, and what reached the server. The same tests run
// natively over the socket and, in the Windows build, keelcli.exe over the
// named pipe under Wine.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "api/requests.h"
#include "cli/cli.h"
#include "tests/cli/run_program.h"
#include "tests/sim/sim_test_support.h"

namespace {

const char CLIENTS[] =
    "object Client NAS-B\n"
    "property IPAddress hex \"0a000002\"\n"
    "object Client NAS-A\n"
    "property IPAddress hex \"0a000001\"\n"
    "property Product text \"Generic\"\n"
    "object Client abcdefghijklmnopqrstuvwxyz\n";

class Keelcli : public SimServerTest {
protected:
    ProgramResult run(std::vector<std::string> arguments) {
        test_directory();  // the socket directory, before the program inherits the environment
        ProgramResult result = run_program(KEELCLI_PATH, arguments);
        EXPECT_TRUE(result.started) << KEELCLI_PATH;
        return result;
    }
    uint32_t database_requests() { return sim_request_count(server, SERVICE_DATABASE, 0); }
    uint32_t locks_taken() { return sim_request_count(server, SERVICE_LOCK, 1); }
    uint32_t locks_released() { return sim_request_count(server, SERVICE_LOCK, 2); }
    std::string stored(const char* cls, const char* object, const char* property) {
        std::string value;
        return sim_get_property(server, cls, object, property, &value) ? value : std::string("<missing>");
    }
};

TEST_F(Keelcli, VersionShowsWhatTheConsoleChecks) {
    start("option-mask 0x11\n");
    ProgramResult result = run({"version"});
    EXPECT_EQ(result.exit_code, EXIT_OK) << result.err;
    EXPECT_EQ(result.out,
              "Service version:           01.30.00\n"
              "Console version:           01.30.00\n"
              "Required console version:  01.30.00\n"
              "Console accepted:          yes\n"
              "Access level:              2\n"
              "Option mask:               0x00000011\n"
              "Connected to Radius service v01.30.00\n");
    EXPECT_EQ(result.err, "");

    result = run({"--json", "version"});
    EXPECT_EQ(result.exit_code, EXIT_OK);
    EXPECT_NE(result.out.find("\"option_mask\": 17,"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("\"admitted\": true,"), std::string::npos) << result.out;
}

TEST_F(Keelcli, AServiceThatDoesNotAdmitThisClientIsRefusedBeforeAnyDatabaseRequest) {
    start("service-version 0x00011DFF\n");
    ProgramResult result = run({"version"});
    EXPECT_EQ(result.exit_code, EXIT_CONNECT);
    EXPECT_EQ(result.err,
              "keelcli: Radius service v01.29.255 out of date (service required to be v01.30.00 or later)\n");
    EXPECT_EQ(result.out, "Service version:  01.29.255\nConsole version:  01.30.00\n");
    stop();

    start("required-console-version 0x00011F00\n");
    result = run({"list", "Client"});
    EXPECT_EQ(result.exit_code, EXIT_CONNECT);
    EXPECT_EQ(result.err, "keelcli: Radius service v01.30.00 requires v01.31.00 admin (this is v01.30.00)\n");
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(database_requests(), 0u);
    stop();

    start("access-level 0\nstatus-text \"Up\\r\\nIdle\\r\\n\"\n");
    result = run({"get", "Client", "NAS-A", "IPAddress"});
    EXPECT_EQ(result.exit_code, EXIT_CONNECT);
    EXPECT_EQ(result.err, "keelcli: Connected to Radius service v01.30.00 (insufficient rights)\n");
    EXPECT_EQ(database_requests(), 0u);
    // The status text is what the console shows at any level.
    result = run({"status"});
    EXPECT_EQ(result.exit_code, EXIT_OK) << result.err;
    EXPECT_EQ(result.out, "Up\nIdle\n");
}

TEST_F(Keelcli, ListGivesSortedNamesWithoutTheTemporaryObjectUnderTheLock) {
    start(CLIENTS);
    ProgramResult result = run({"list", "Client"});
    EXPECT_EQ(result.exit_code, EXIT_OK) << result.err;
    EXPECT_EQ(result.out, "NAS-A\nNAS-B\n");
    EXPECT_EQ(locks_taken(), 1u);
    EXPECT_EQ(locks_released(), 1u);

    result = run({"list", "Client", "NAS-A", "--json"});
    EXPECT_EQ(result.exit_code, EXIT_OK) << result.err;
    EXPECT_EQ(result.out, "[\n  \"IPAddress\",\n  \"Product\"\n]\n");

    result = run({"list", "Nothing"});
    EXPECT_EQ(result.exit_code, EXIT_OK);
    EXPECT_EQ(result.out, "");
}

TEST_F(Keelcli, NamesWithAnyBytesStayReadableAndValidJson) {
    start("object Client \"Caf\\xE9 \\\"1\\\"\\x01\"\n");
    ProgramResult result = run({"list", "Client", "--json"});
    EXPECT_EQ(result.exit_code, EXIT_OK) << result.err;
    EXPECT_EQ(result.out, "[\n  \"Caf\\u00E9 \\\"1\\\"\\u0001\"\n]\n");
    result = run({"list", "Client"});
    EXPECT_EQ(result.out, "Caf\xE9 \"1\"\\x01\n");
}

TEST_F(Keelcli, GetShowsHexOrTextAndAMissingObjectIsRecordNotFound) {
    start(CLIENTS);
    ProgramResult result = run({"get", "Client", "NAS-A", "IPAddress"});
    EXPECT_EQ(result.exit_code, EXIT_OK) << result.err;
    EXPECT_EQ(result.out, "0a000001\n");
    result = run({"get", "Client", "NAS-A", "Product", "--text"});
    EXPECT_EQ(result.out, "Generic\n");

    result = run({"get", "Client", "NAS-9", "IPAddress"});
    EXPECT_EQ(result.exit_code, EXIT_FAILED);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "keelcli: cannot read Client NAS-9 IPAddress (0007: record not found)\n");
    EXPECT_EQ(locks_released(), locks_taken());
}

TEST_F(Keelcli, WritesCreateSetRenameAndDelete) {
    start(CLIENTS);
    EXPECT_EQ(run({"create", "Client", "NAS-C"}).exit_code, EXIT_OK);
    EXPECT_EQ(run({"set", "Client", "NAS-C", "IPAddress", "--hex", "0A 00 00 03"}).exit_code, EXIT_OK);
    EXPECT_EQ(run({"set", "Client", "NAS-C", "Product", "--text", "Generic Router"}).exit_code, EXIT_OK);
    EXPECT_EQ(stored("Client", "NAS-C", "IPAddress"), std::string("\x0a\x00\x00\x03", 4));
    EXPECT_EQ(stored("Client", "NAS-C", "Product"), std::string("Generic Router\0", 15));

    ProgramResult result = run({"exists", "Client", "NAS-C", "Product"});
    EXPECT_EQ(result.exit_code, EXIT_OK);
    EXPECT_EQ(result.out, "yes\n");
    result = run({"exists", "Client", "NAS-D"});
    EXPECT_EQ(result.exit_code, EXIT_NO);
    EXPECT_EQ(result.out, "no\n");
    EXPECT_EQ(result.err, "");

    // Renaming onto an existing object would replace it: refused unless asked.
    result = run({"rename", "Client", "NAS-C", "NAS-A"});
    EXPECT_EQ(result.exit_code, EXIT_FAILED);
    EXPECT_EQ(result.err, "keelcli: Client NAS-A already exists; nothing was renamed (--replace replaces it)\n");
    EXPECT_EQ(stored("Client", "NAS-A", "IPAddress"), std::string("\x0a\x00\x00\x01", 4));
    EXPECT_EQ(run({"rename", "Client", "NAS-C", "NAS-A", "--replace"}).exit_code, EXIT_OK);
    EXPECT_EQ(stored("Client", "NAS-A", "IPAddress"), std::string("\x0a\x00\x00\x03", 4));
    EXPECT_FALSE(sim_object_exists(server, "Client", "NAS-C"));

    EXPECT_EQ(run({"delete", "Client", "NAS-A", "Product"}).exit_code, EXIT_OK);
    EXPECT_EQ(stored("Client", "NAS-A", "Product"), "<missing>");
    EXPECT_EQ(run({"delete", "Client", "NAS-A"}).exit_code, EXIT_OK);
    EXPECT_FALSE(sim_object_exists(server, "Client", "NAS-A"));

    result = run({"create", "Client", "NAS-B"});
    EXPECT_EQ(result.exit_code, EXIT_FAILED);
    EXPECT_EQ(result.err, "keelcli: cannot create Client NAS-B (0005: unanticipated error)\n");
    EXPECT_EQ(locks_released(), locks_taken());
}

TEST_F(Keelcli, AValueTooLongForTheRequestIsRefusedAndNothingIsSent) {
#ifdef _WIN32
    GTEST_SKIP() << "a Windows command line holds at most 32767 characters, less than such a value";
#else
    start(CLIENTS);
    std::string hex(2 * 36864, 'a');
    ProgramResult result = run({"set", "Client", "NAS-A", "IPAddress", "--hex", hex});
    EXPECT_EQ(result.exit_code, EXIT_FAILED);
    EXPECT_EQ(result.err,
              "keelcli: the value of 36864 bytes does not fit in one request; nothing was written "
              "(006A: unable to execute)\n");
    EXPECT_EQ(database_requests(), 0u);
    EXPECT_EQ(locks_released(), 1u);
    EXPECT_EQ(stored("Client", "NAS-A", "IPAddress"), std::string("\x0a\x00\x00\x01", 4));
#endif
}

TEST_F(Keelcli, TheLockIsAlwaysReleasedAndItsFailureStopsEverything) {
    SimOptions options;
    options.lock_wait_cap_ms = 50;
    start(CLIENTS, options);
    ASSERT_EQ(sim_add_fault(server, "1:3:1:fail=2"), 0);
    ProgramResult result = run({"set", "Client", "NAS-A", "Product", "--text", "Other"});
    EXPECT_EQ(result.exit_code, EXIT_FAILED);
    EXPECT_EQ(result.err, "keelcli: cannot write Client NAS-A Product (0002: access denied)\n");
    EXPECT_EQ(locks_released(), 1u);

    Client other;
    ASSERT_TRUE(other.open());
    RequestBuilder lock(SERVICE_LOCK, 1);
    lock.u16(2, 0).u32(4, 0);
    ASSERT_EQ(other.call(lock).u16(3), 1);
    uint32_t before = database_requests();
    result = run({"delete", "Client", "NAS-A"});
    EXPECT_EQ(result.exit_code, EXIT_FAILED);
    EXPECT_EQ(result.err, "keelcli: cannot take the server lock (006B: timeout)\n");
    EXPECT_EQ(database_requests(), before);
    EXPECT_TRUE(sim_object_exists(server, "Client", "NAS-A"));
}

TEST_F(Keelcli, ARefusedConnectionIsReportedWithItsStatus) {
    ProgramResult result = run({"version"});  // no server at all
    EXPECT_EQ(result.exit_code, EXIT_CONNECT);
    EXPECT_NE(result.err.find("; the service may be down (0068: unable to execute)\n"), std::string::npos)
        << result.err;
    EXPECT_EQ(result.out, "");

    start(CLIENTS);
    result = run({"--server", "NO-SUCH-HOST-KEEL", "list", "Client"});
    EXPECT_EQ(result.exit_code, EXIT_CONNECT);
    EXPECT_EQ(result.err,
              "keelcli: cannot connect to the server on NO-SUCH-HOST-KEEL; the service may be down "
              "(0068: unable to execute)\n");
    // The local pipe form reaches the same server as this computer's name.
    result = run({"--server", ".", "list", "Client"});
    EXPECT_EQ(result.exit_code, EXIT_OK) << result.err;
    EXPECT_EQ(result.out, "NAS-A\nNAS-B\n");
}

TEST_F(Keelcli, BadCommandLinesAreRefusedWithoutConnecting) {
    // No server: a command line error must be found before connecting.
    ProgramResult result = run({"get", "Client", "NAS-A"});
    EXPECT_EQ(result.exit_code, EXIT_USAGE);
    EXPECT_EQ(result.err, "keelcli: too few arguments for get; usage: keelcli get CLASS OBJECT PROPERTY [--text]\n");
    result = run({"set", "Client", "NAS-A", "IPAddress", "--hex", "0a0"});
    EXPECT_EQ(result.exit_code, EXIT_USAGE);
    EXPECT_EQ(result.err, "keelcli: --hex: hex digits come in pairs (keelcli --help shows the commands)\n");
    EXPECT_EQ(run({"stats", "--text"}).exit_code, EXIT_USAGE);
    EXPECT_EQ(run({}).exit_code, EXIT_USAGE);

    result = run({"--help"});
    EXPECT_EQ(result.exit_code, EXIT_OK);
    EXPECT_EQ(result.out.rfind("usage: keelcli [--server NAME] COMMAND", 0), 0u) << result.out;
    result = run({"admins", "add", "--help"});
    EXPECT_EQ(result.exit_code, EXIT_OK);
    EXPECT_EQ(result.out.rfind("usage: keelcli [--server NAME] admins add NAME [--group]\n", 0), 0u) << result.out;
}

TEST_F(Keelcli, StatsNamesEveryCounterAndFormatsTheUpTime) {
    start("counter 0 90061\ncounter 11 5\ncounter 12 7\n");
    ProgramResult result = run({"stats"});
    EXPECT_EQ(result.exit_code, EXIT_OK) << result.err;
    // The up time advances while the test runs.
    EXPECT_EQ(result.out.find("\n 0                  Server up time                             1 Days 01:01:0"),
              result.out.find('\n'))
        << result.out;
    EXPECT_NE(result.out.find("\n11  Accounting      Transactions: Starts                                     5\n"),
              std::string::npos);
    EXPECT_NE(result.out.find("\n29  Authentication  Reject Details: Proxy Failure                          N/A\n"),
              std::string::npos);

    result = run({"stats", "--json"});
    EXPECT_EQ(result.exit_code, EXIT_OK);
    EXPECT_NE(result.out.find("{\"id\": 12, \"page\": \"Accounting\", \"name\": \"Transactions: Stops\", \"value\": 7, "
                              "\"text\": \"7\"}"),
              std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("\"id\": 29, \"page\": \"Authentication\", \"name\": \"Reject Details: Proxy Failure\", "
                              "\"value\": null"),
              std::string::npos);
}

TEST_F(Keelcli, SessionsListAndDeleteByTheirKeyFields) {
    start(
        "session client=VPN1 user=TN dn=A session-id=5E port=1 port-type=Virtual ip=10.0.0.9 "
        "\"time=03/14/2024 09:03:18\"\n"
        "session client=VPN1 user=TN dn=B session-id=5E port=1 port-type=Virtual ip=10.0.0.9 "
        "\"time=03/14/2024 09:03:18\"\n"
        "session client=NAS2 user=JS dn=JS session-id=77 port=12 port-type=Async ip=10.0.0.10\n");
    ProgramResult result = run({"sessions"});
    EXPECT_EQ(result.exit_code, EXIT_OK) << result.err;
    EXPECT_EQ(result.out,
              "User Name  RAS Client  Port  Port Type  Time                 Session-ID  IP Address\n"
              "TN         VPN1           1  Virtual    03/14/2024 09:03:18  5E          10.0.0.9\n"
              "TN         VPN1           1  Virtual    03/14/2024 09:03:18  5E          10.0.0.9\n"
              "JS         NAS2          12  Async      01/01/2000 00:00:00  77          10.0.0.10\n");

    // Two records share every column shown: one needs its distinguished name.
    result = run({"sessions", "delete", "--user", "TN"});
    EXPECT_EQ(result.exit_code, EXIT_FAILED);
    EXPECT_EQ(result.err, "keelcli: 2 current sessions match; nothing was deleted (give more key fields, or --all)\n");
    EXPECT_EQ(run({"sessions", "delete", "--user", "TN", "--dn", "B"}).exit_code, EXIT_OK);
    result = run({"sessions", "--json"});
    EXPECT_NE(result.out.find("\"distinguished_name\": \"A\""), std::string::npos) << result.out;
    EXPECT_EQ(result.out.find("\"distinguished_name\": \"B\""), std::string::npos) << result.out;

    result = run({"sessions", "delete", "--port", "99"});
    EXPECT_EQ(result.exit_code, EXIT_FAILED);
    EXPECT_EQ(result.err, "keelcli: no current session matches (0007: record not found)\n");
    EXPECT_EQ(run({"sessions", "delete", "--all"}).exit_code, EXIT_OK);
    EXPECT_EQ(run({"sessions"}).out, "User Name  RAS Client  Port  Port Type  Time  Session-ID  IP Address\n");
}

TEST_F(Keelcli, AdminsProductsAndDictionaries) {
    write_test_file("named.dict", "attribute User-Name 1 1 0\n");
    start(
        "admin user zed\nadmin group Admins\nadmin user \"DOM\\\\ann\"\n"
        "product Generic 0\nproduct Router-9 2101\n"
        "dictionary Branch named.dict\n");
    ProgramResult result = run({"admins"});
    EXPECT_EQ(result.exit_code, EXIT_OK) << result.err;
    EXPECT_EQ(result.out, "Kind   Name\ngroup  Admins\nuser   DOM\\ann\nuser   zed\n");

    EXPECT_EQ(run({"admins", "add", "Operators", "--group"}).exit_code, EXIT_OK);
    EXPECT_EQ(run({"admins", "remove", "zed"}).exit_code, EXIT_OK);
    result = run({"admins", "--json"});
    EXPECT_EQ(result.out,
              "[\n  {\"name\": \"Admins\", \"kind\": \"group\"},\n  {\"name\": \"DOM\\\\ann\", \"kind\": \"user\"},\n"
              "  {\"name\": \"Operators\", \"kind\": \"group\"}\n]\n");
    result = run({"admins", "remove", "Operators"});  // a group, not a user
    EXPECT_EQ(result.exit_code, EXIT_FAILED);
    EXPECT_EQ(result.err, "keelcli: cannot remove the administrator user Operators (0007: record not found)\n");

    result = run({"products"});
    EXPECT_EQ(result.exit_code, EXIT_OK) << result.err;
    EXPECT_EQ(result.out, "Product   Value\nGeneric       0\nRouter-9   2101\n");
    result = run({"dictionaries", "--json"});
    EXPECT_EQ(result.exit_code, EXIT_OK) << result.err;
    EXPECT_EQ(result.out, "[\n  \"Branch\"\n]\n");
}

}  // namespace
