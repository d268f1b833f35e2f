// keelcli report in this process against keelsim on the demo database: the
// console's document, its sections chosen on the command line.
#include <gtest/gtest.h>

#include <stdio.h>

#include <string>

#include "cli/cli.h"
#include "platform/computer_name.h"
#include "tests/cli/cli_fixture.h"
#include "tests/report/report_test_text.h"

namespace {

class ReportCommand : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        ASSERT_EQ(sim_apply(server, counters_held(KEEL_DEMO_DIR "/server.fixture").c_str()), 0);
    }
};

// "Report for server NAME\par Created at DATE TIME " with the parts of this
// run taken out.
std::string heading_of(std::string* report) {
    const std::string start = "Report for server ";
    const size_t at = report->find(start);
    const size_t end = report->find(" \\par \\par \\par \\par ", at);
    if (at == std::string::npos || end == std::string::npos) return "<no heading>";
    std::string heading = report->substr(at + start.size(), end - at - start.size());
    report->replace(at + start.size(), end - at - start.size(), "<heading>");
    return heading;
}

TEST_F(ReportCommand, TheConsolesDocumentWithoutAViewer) {
    const std::string path = test_directory() + "/report.rtf";
    Outcome r = run({"report", path});
    ASSERT_EQ(r.code, EXIT_OK) << r.err;
    EXPECT_EQ(r.err, "");
    std::string written = read_test_file(path), golden = read_test_file(KEEL_REPORT_GOLDEN);
    const std::string heading = heading_of(&written);
    heading_of(&golden);
    EXPECT_EQ(without_up_time_clock(written), without_up_time_clock(golden));
    char name[256] = "";
    ASSERT_TRUE(computer_name(name, sizeof name));
    const std::string prefix = std::string(name) + "\\par Created at ";
    ASSERT_EQ(heading.rfind(prefix, 0), 0u) << heading;
    EXPECT_EQ(heading.size(), prefix.size() + 17) << heading;  // "MM/DD/YY hh:mm:ss"
}

TEST_F(ReportCommand, SectionsChosenByName) {
    const std::string path = test_directory() + "/chosen.rtf";
    Outcome r = run({"report", path, "--sections", "sessions,statistics"});
    ASSERT_EQ(r.code, EXIT_OK) << r.err;
    const std::string written = read_test_file(path);
    EXPECT_EQ(written.find("\\page"), std::string::npos);
    EXPECT_NE(section_body(written, "Statistics").find("Total transactions"), std::string::npos);
    EXPECT_NE(section_body(written, "CurrentUsers").find("0000A3F1"), std::string::npos);
    EXPECT_EQ(section_body(written, "RASClients"), "<no section>");

    r = run({"report", path, "--sections=configuration"});
    ASSERT_EQ(r.code, EXIT_OK) << r.err;
    EXPECT_NE(section_body(read_test_file(path), "Configuration").find("Access denied."), std::string::npos);

    const std::string untouched = test_directory() + "/untouched.rtf";
    const struct {
        const char* sections;
        const char* named;
    } refused[] = {{"clients,bogus", "\"bogus\""}, {"", "\"\""}, {"users,", "\"\""}, {"Users", "\"Users\""}};
    for (const auto& c : refused) {
        r = run({"report", untouched, "--sections", c.sections});
        EXPECT_EQ(r.code, EXIT_USAGE) << c.sections;
        EXPECT_NE(r.err.find(c.named), std::string::npos) << r.err;
    }
    EXPECT_EQ(fopen(untouched.c_str(), "rb"), nullptr);
}

TEST_F(ReportCommand, FailuresOnStderrWithStatusFour) {
    // The configuration's first read fails: its section is left short, the
    // rest is written.
    ASSERT_EQ(sim_add_fault(server, "1:4:1:fail=13"), 0);
    const std::string path = test_directory() + "/short.rtf";
    Outcome r = run({"report", path, "--sections", "configuration,statistics"});
    EXPECT_EQ(r.code, EXIT_FAILED);
    EXPECT_NE(r.err.find("keelcli: Error while loading settings.\n(000D: "), std::string::npos) << r.err;
    const std::string written = read_test_file(path);
    EXPECT_EQ(section_body(written, "Configuration"), "");
    EXPECT_NE(section_body(written, "Statistics").find("Total transactions"), std::string::npos);

    const std::string nowhere = test_directory() + "/no such folder/report.rtf";
    r = run({"report", nowhere});
    EXPECT_EQ(r.code, EXIT_FAILED);
    EXPECT_EQ(r.err, "keelcli: Error encountered during attempt to create report file: " + nowhere + "\n");
}

}  // namespace
