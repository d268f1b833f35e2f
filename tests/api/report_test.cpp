#include <gtest/gtest.h>

#include "api/report.h"
#include "resources/strings.h"
#include "tests/support/scripted_prompt.h"

namespace {

TEST(Report, FailedReadShowsTheStatusAndItsText) {
    ScriptedPrompt prompt;
    report_status(IDS_TITLE_ERROR_DB, IDS_LOAD_FAILED, 7);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].title, "KEELADMIN Error");
    EXPECT_EQ(prompt.asked[0].text, "Error while loading settings.\n(0007: record not found)");
    EXPECT_EQ(prompt.asked[0].icon, PROMPT_ICON_EXCLAMATION);
    EXPECT_TRUE(prompt.asked[0].task_modal);
    EXPECT_EQ(prompt.asked[0].owner, nullptr);

    report_status(IDS_TITLE_ERROR_DB, IDS_SAVE_FAILED, 0x8003);
    EXPECT_EQ(prompt.asked[1].text, "Error while saving settings.\n(8003: unanticipated error)");
    report_message(IDS_TITLE_ERROR, IDS_DICTIONARY_FAILED);
    EXPECT_EQ(prompt.asked[2].text, "Failed to obtain dictionary definition from server");
}

TEST(Report, FormattingIsBoundedAndLeavesOtherPercentsAlone) {
    char out[16];
    format_status_message(out, sizeof out, "%d (%04X: %s)", 0x6B);
    EXPECT_STREQ(out, "%d (006B: timeo");  // 15 characters and the NUL
    format_status_message(out, 1, "abc", 1);
    EXPECT_STREQ(out, "");
}

}  // namespace
