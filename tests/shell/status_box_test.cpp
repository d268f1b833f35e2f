// The Servers panel's status box: composition and the scroll-bar rule.
#include <gtest/gtest.h>

#include <string>

#include "shell/status_box.h"

namespace {

std::string lines(int count, const char* end = "\r\n") {
    std::string text;
    for (int i = 0; i < count; ++i) text += "line " + std::to_string(i + 1) + end;
    return text;
}

TEST(StatusBox, ScrollBarOnlyWhenTheTextHasMoreLinesThanShown) {
    EXPECT_TRUE(status_box_needs_scroll_bar(lines(12).c_str(), 10));
    EXPECT_FALSE(status_box_needs_scroll_bar(lines(10).c_str(), 10));
    EXPECT_TRUE(status_box_needs_scroll_bar(lines(11).c_str(), 10));
    EXPECT_FALSE(status_box_needs_scroll_bar("", 0));
}

TEST(StatusBox, LastLineWithoutLineEndCounts) {
    EXPECT_EQ(count_text_lines("a\nb"), 2u);
    EXPECT_EQ(count_text_lines("a\nb\n"), 2u);
    EXPECT_EQ(count_text_lines(""), 0u);
    // Eleven lines, the last unterminated: ten line feeds, yet it does not fit.
    std::string text = lines(10) + "eleventh";
    EXPECT_TRUE(status_box_needs_scroll_bar(text.c_str(), 10));
}

TEST(StatusBox, NoteStaysAboveTheServerText) {
    char box[STATUS_BOX_SIZE];
    compose_status_box("Connected to Radius service v01.30.00 (insufficient rights)", "Up\nDatabase: C:\\DB\n", box,
                       sizeof box);
    EXPECT_STREQ(box, "Connected to Radius service v01.30.00 (insufficient rights)\r\n\r\nUp\r\nDatabase: C:\\DB\r\n");
    compose_status_box("", "Up\r\nDown\rEnd", box, sizeof box);
    EXPECT_STREQ(box, "Up\r\nDown\r\nEnd");
    compose_status_box(nullptr, nullptr, box, sizeof box);
    EXPECT_STREQ(box, "");
}

TEST(StatusBox, CutNeverLeavesHalfALineEnd) {
    char box[6];
    compose_status_box(nullptr, "abcd\nef", box, sizeof box);
    EXPECT_STREQ(box, "abcd");  // no room for both CR and LF
    char roomy[8];
    compose_status_box(nullptr, "abcd\nef", roomy, sizeof roomy);
    EXPECT_STREQ(roomy, "abcd\r\ne");
}

TEST(StatusBox, LargestServerTextFitsWithEveryLineWidened) {
    std::string text(SERVER_STATUS_SIZE - 1, '\n');
    std::string note(STATUS_NOTE_SIZE - 1, 'n');
    static char box[STATUS_BOX_SIZE];
    compose_status_box(note.c_str(), text.c_str(), box, sizeof box);
    EXPECT_EQ(std::string(box).size(), note.size() + 4 + 2 * text.size());
}

}  // namespace
