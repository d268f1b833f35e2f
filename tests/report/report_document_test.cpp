// The report of the demo database, byte for byte against a reviewed copy,
// and the document's frame for chosen sections.
#include <gtest/gtest.h>

#include <stdio.h>
#include <stdlib.h>

#include <string>

#include "api/db.h"
#include "panels/user_types.h"
#include "report/report_document.h"
#include "tests/attrs/demo_record.h"
#include "tests/report/report_test_text.h"
#include "tests/sim/sim_test_support.h"
#include "tests/support/scripted_prompt.h"

namespace {

bool append(void* sink, const char* bytes, uint32_t length) {
    ((std::string*)sink)->append(bytes, length);
    return true;
}

class ReportDocument : public DemoServerTest {
protected:
    ScriptedPrompt prompt;
    void SetUp() override {
        DemoServerTest::SetUp();
        ASSERT_EQ(sim_apply(server, counters_held(KEEL_DEMO_DIR "/server.fixture").c_str()), 0);
    }
    std::string report(const ReportSelection& selection) {
        std::string out;
        ReportWriter writer;
        report_writer_start(&writer, append, &out);
        EXPECT_TRUE(write_report(&writer, {"KEELSRV01", "03/11/24", "09:15:00", PLATFORM_NT, 0x0F}, selection));
        return out;
    }
    static ReportSelection only(std::initializer_list<ReportSection> sections) {
        ReportSelection selection = {};
        for (ReportSection section : sections) selection.sections[section] = true;
        return selection;
    }
};

const char FRAME_START[] =
    "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fmodern Courier New;}}\n{\\colortbl\\red0\\green0\\blue0;}\n"
    "\\deflang1033\\pard\\qc\\plain\\f0\\fs28\\b\\ul \\par \\plain\\f0\\pard\\qc\\b\\ul\\fs28 Report for server "
    "KEELSRV01\\par Created at 03/11/24 09:15:00 \\par \\par \\par ";

TEST_F(ReportDocument, TheDemoDatabaseAsReviewed) {
    ReportSelection all = {};
    all.all = true;
    for (bool& on : all.sections) on = true;
    const std::string written = report(all);
    // KEEL_UPDATE_GOLDEN=1 writes a new copy to review instead of comparing.
    if (getenv("KEEL_UPDATE_GOLDEN")) {
        FILE* file = fopen(KEEL_REPORT_GOLDEN, "wb");
        ASSERT_NE(file, nullptr);
        fwrite(written.data(), 1, written.size(), file);
        fclose(file);
    }
    EXPECT_EQ(without_up_time_clock(written), without_up_time_clock(read_test_file(KEEL_REPORT_GOLDEN)));
    EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(ReportDocument, TheFrameAroundChosenSections) {
    EXPECT_EQ(report(only({})), std::string(FRAME_START) + "\\par \\par }\n");

    const std::string two = report(only({SECTION_STATISTICS, SECTION_CURRENT_USERS}));
    EXPECT_EQ(two.find("\\page"), std::string::npos);
    EXPECT_NE(two.find("Statistics\\par "), std::string::npos);
    EXPECT_LT(two.find("Statistics"), two.find("CurrentUsers"));

    const std::string three = report(only({SECTION_PROXIES, SECTION_POOLS, SECTION_CURRENT_USERS}));
    EXPECT_EQ(three.find("\\page"), three.find("\\page\\par \\plain\\f0\\pard\\qc\\b\\ul\\fs24 IPAddressPools"));
    EXPECT_NE(three.find("\\page"), std::string::npos);
    EXPECT_EQ(three.find("\\page", three.find("\\page") + 1), std::string::npos);
}

TEST_F(ReportDocument, NamesThatLookLikeRtfAreEscaped) {
    ASSERT_EQ(db_create("++a-Profile", "A{B}\\C"), 0);
    const std::string written = report(only({SECTION_PROFILES}));
    EXPECT_NE(written.find("Profile: \\plain \\fs20   A\\{B\\}\\\\C"), std::string::npos);
}

// Stored in the OEM set, shown in the document's ANSI set as the panels
// show it: "MÜLLER" is 9A in one and DC in the other.
TEST_F(ReportDocument, NamesInTheAnsiSetTheDocumentDeclares) {
    ASSERT_EQ(db_create("++a-Profile", "M\x9ALLER"), 0);
    ASSERT_EQ(db_create("++b-Native-User", "M\x9ALLER"), 0);
    const std::string written = report(only({SECTION_USERS, SECTION_PROFILES}));
    EXPECT_NE(written.find("Profile: \\plain \\fs20   M\xDCLLER"), std::string::npos);
    EXPECT_NE(written.find("Native-User: \\plain \\fs20   M\xDCLLER"), std::string::npos);
    EXPECT_EQ(written.find('\x9A'), std::string::npos);
}

TEST_F(ReportDocument, WithoutAStoredOrderEveryOfferedMethodIsListedBareheaded) {
    ASSERT_EQ(db_delete("Policy", "Auth-Info", nullptr), 0);
    const std::string body = section_body(report(only({SECTION_CONFIGURATION})), "Configuration");
    const size_t methods = body.find("\\par \\plain\\f0\\pard\\fs20 \tNative User");
    ASSERT_NE(methods, std::string::npos) << body;
    EXPECT_EQ(body.substr(methods),
              "\\par \\plain\\f0\\pard\\fs20 \tNative User\\par \tNT Domain User\\par \tNT Domain Group"
              "\\par \tNT Host User\\par \tNT Host Group\\par \tSecurID User");
    EXPECT_EQ(body.find("Authentication methods"), std::string::npos);
}

TEST_F(ReportDocument, AFailedReadEndsItsSectionOnly) {
    ASSERT_EQ(sim_add_fault(server, "1:4:1:fail=13"), 0);  // the first database read: the order
    const std::string written = report(only({SECTION_CONFIGURATION, SECTION_STATISTICS}));
    EXPECT_EQ(section_body(written, "Configuration"), "");
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].title, "KEELADMIN Error");
    EXPECT_EQ(prompt.asked[0].text.rfind("Error while loading settings.\n(000D: ", 0), 0u) << prompt.asked[0].text;
    EXPECT_NE(section_body(written, "Statistics").find("Total transactions"), std::string::npos);
}

TEST_F(ReportDocument, TotalsPastThirtyTwoBits) {
    ASSERT_EQ(sim_apply(server, "counter 11 4294967295\ncounter 12 2\n"), 0);
    const std::string body = section_body(report(only({SECTION_STATISTICS})), "Statistics");
    EXPECT_NE(body.find("Stopped transactions: \\plain \\fs20 \t\t2\\par\\pard\\plain\\fs20\\b \tTotal "
                        "transactions: \\plain \\fs20 \t\t4294967297"),
              std::string::npos)
        << body;
}

}  // namespace
