// The report of the demo database, byte for byte against a reviewed copy,
// and the document's frame for chosen sections.
#include <gtest/gtest.h>

#include <stdio.h>
#include <stdlib.h>

#include <string>

#include "api/db.h"
#include "api/session.h"
#include "report/report_document.h"
#include "tests/sim/sim_test_support.h"
#include "tests/support/scripted_prompt.h"

namespace {

bool append(void* sink, const char* bytes, uint32_t length) {
    ((std::string*)sink)->append(bytes, length);
    return true;
}

class ReportDocument : public SimServerTest {
protected:
    ScriptedPrompt prompt;
    void SetUp() override {
        SimOptions options;
        options.fixture_path = KEEL_DEMO_DIR "/server.fixture";
        start(nullptr, options);
        session_reset();
        PipeSession* session = nullptr;
        ASSERT_EQ(session_open(nullptr, &session), 0);
        set_current_session(session);
    }
    void TearDown() override {
        session_reset();
        SimServerTest::TearDown();
    }
    std::string report(const ReportSelection& selection) {
        std::string out;
        ReportWriter writer;
        report_writer_start(&writer, append, &out);
        EXPECT_TRUE(write_report(&writer, {"KEELSRV01", "03/11/24", "09:15:00"}, selection));
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
    EXPECT_EQ(written, read_test_file(KEEL_REPORT_GOLDEN));
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

}  // namespace
