// keelcli export: the built program writes the same bytes as the console's
// engine, appends to export.log in its current directory, and tells a
// script through its exit status whether anything was left out.
#include <gtest/gtest.h>

#include <stdio.h>

#include <string>
#include <vector>

#include "cli/cli.h"
#include "tests/cli/run_program.h"
#include "tests/sim/sim_test_support.h"

namespace {

class KeelcliExport : public SimServerTest {
protected:
    void SetUp() override {
        // export.log goes to the program's current directory: this test's own.
        enter_test_directory();
        remove("export.log");
        remove(rif_path().c_str());
    }
    std::string rif_path() { return test_directory() + "/out.rif"; }
    ProgramResult run(std::vector<std::string> arguments) {
        ProgramResult result = run_program(KEELCLI_PATH, arguments);
        EXPECT_TRUE(result.started) << KEELCLI_PATH;
        return result;
    }
};

const char CLIENTS[] =
    "object Client NAS1\nproperty IPAddress hex \"0a010203\"\n"
    "object Client NAS2\nproperty IPAddress hex \"0a010204\"\n"
    "object ++l-Proxy P1\nproperty Retry-Count hex \"03000000\"\n";

TEST_F(KeelcliExport, EveryPartOfTheDemoDatabaseAsTheConsoleWritesIt) {
    SimOptions options;
    options.fixture_path = KEEL_DEMO_DIR "/server.fixture";
    start(nullptr, options);
    ProgramResult result = run({"export", rif_path()});
    EXPECT_EQ(result.exit_code, EXIT_OK) << result.err;
    EXPECT_EQ(result.err, "");  // no progress: stderr is no terminal here
    EXPECT_EQ(read_test_file(rif_path()), read_test_file(KEEL_TRANSFER_TEST_DIR "/demo.rif"));
    std::string log = read_test_file(test_directory() + "/export.log");
    EXPECT_NE(log.find("Exporting data to file '" + rif_path() + "'\r\n0 Export Errors logged\r\n"), std::string::npos)
        << log;
}

TEST_F(KeelcliExport, OnlyThePartsGiven) {
    start(CLIENTS);
    ProgramResult result = run({"export", rif_path(), "--proxies"});
    EXPECT_EQ(result.exit_code, EXIT_OK) << result.err;
    EXPECT_EQ(read_test_file(rif_path()),
              "Radius Import Export Version 1.0\r\nProxy\r\n  P1\r\n    Retry-Count^=03000000\r\n");
    result = run({"export", rif_path(), "--pool"});
    EXPECT_EQ(result.exit_code, EXIT_USAGE);
    // Without a dictionary the users still go out, their values by type.
    result = run({"export", rif_path(), "--users"});
    EXPECT_EQ(result.exit_code, EXIT_OK);
    EXPECT_EQ(result.err,
              "keelcli: Failed to obtain dictionary definition from server\n"
              "keelcli: no dictionary: attribute values are written without their names\n");
}

TEST_F(KeelcliExport, ALoggedErrorExitsWithFourAndTheCount) {
    start(CLIENTS);
    // The second client's property read fails; the first and the proxy go out.
    ASSERT_EQ(sim_add_fault(server, "1:4:2:fail=3"), 0);
    ProgramResult result = run({"export", rif_path(), "--clients", "--proxies"});
    EXPECT_EQ(result.exit_code, EXIT_FAILED);
    EXPECT_EQ(result.err, "keelcli: 1 export errors logged in export.log\n");
    std::string file = read_test_file(rif_path());
    EXPECT_NE(file.find("  NAS1\r\n"), std::string::npos);
    EXPECT_EQ(file.find("  NAS2\r\n"), std::string::npos);
    EXPECT_NE(file.find("  P1\r\n"), std::string::npos);
    // Appended: the earlier runs' lines stay.
    ProgramResult again = run({"export", rif_path(), "--clients"});
    EXPECT_EQ(again.exit_code, EXIT_OK);
    std::string log = read_test_file(test_directory() + "/export.log");
    EXPECT_NE(log.find("1 Export Errors logged\r\n\r\n--------"), std::string::npos) << log;
}

TEST_F(KeelcliExport, AFileThatCannotBeWrittenExitsWithFour) {
    start(CLIENTS);
    std::string target = test_directory() + "/missing folder/out.rif";
    ProgramResult result = run({"export", target, "--clients"});
    EXPECT_EQ(result.exit_code, EXIT_FAILED);
    EXPECT_EQ(result.err, "keelcli: Error: Unable to write to file " + target +
                              "\nkeelcli: 1 export errors logged in export.log\n");
    EXPECT_NE(read_test_file(test_directory() + "/export.log").find("Error: Unable to write to file\r\n"),
              std::string::npos);
}

}  // namespace
