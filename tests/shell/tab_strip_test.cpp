// The TabControl's rules apart from its window: counts, texts, selection,
// geometry, mouse hits and keys.
#include <gtest/gtest.h>

#include "shell/tab_strip.h"

namespace {

struct Strip {
    TabStrip strip;
    Strip(int32_t count, int32_t width = 302, int32_t height = 100) {
        tab_strip_init(&strip, 20);
        tab_strip_resize(&strip, width, height);
        tab_set_count(&strip, count);
    }
    ~Strip() { tab_strip_free(&strip); }
    void texts(std::initializer_list<int32_t> indices) {
        for (int32_t i : indices) tab_set_text(&strip, i, "tab");
    }
};

TEST(TabStrip, CountZeroFreesEveryTextAndDrawsNoTabs) {
    Strip s(3);
    s.texts({0, 1, 2});
    tab_set_selection(&s.strip, 1);
    EXPECT_EQ(tab_set_count(&s.strip, 0), 0);
    for (char* text : s.strip.texts) EXPECT_EQ(text, nullptr);
    EXPECT_EQ(s.strip.selected, TAB_NONE);
    EXPECT_EQ(tab_edge(&s.strip, 0), s.strip.left);
    EXPECT_EQ(tab_edge(&s.strip, 5), s.strip.left);
    EXPECT_EQ(tab_hit(&s.strip, 10, 5), TAB_NONE);
    EXPECT_EQ(tab_key_target(&s.strip, TAB_KEY_HOME), TAB_NONE);
    // Growing again brings no old text back.
    tab_set_count(&s.strip, 3);
    EXPECT_EQ(s.strip.texts[1], nullptr);
}

TEST(TabStrip, ShrinkingFreesTextsAboveTheCount) {
    Strip s(4);
    s.texts({0, 1, 2, 3});
    tab_set_count(&s.strip, 2);
    EXPECT_NE(s.strip.texts[1], nullptr);
    EXPECT_EQ(s.strip.texts[2], nullptr);
    EXPECT_EQ(s.strip.texts[3], nullptr);
}

TEST(TabStrip, TextAndSelectionIndicesAreChecked) {
    Strip s(2);
    EXPECT_EQ(tab_set_text(&s.strip, 2, "x"), -1);
    EXPECT_EQ(tab_set_text(&s.strip, -1, "x"), -1);
    char text[] = "Authentication";
    EXPECT_EQ(tab_set_text(&s.strip, 1, text), 2);
    text[0] = 'X';  // the control keeps its own copy
    EXPECT_STREQ(s.strip.texts[1], "Authentication");
    EXPECT_EQ(tab_set_selection(&s.strip, 2), -1);
    EXPECT_EQ(tab_set_selection(&s.strip, -2), -1);
    EXPECT_EQ(tab_set_selection(&s.strip, -1), -1);  // -1 is the valid "none"
    EXPECT_EQ(s.strip.selected, TAB_NONE);
    EXPECT_EQ(tab_set_selection(&s.strip, 0), 0);
}

TEST(TabStrip, EdgesDivideTheWidthWithIntegerDivision) {
    Strip s(3, 302);  // left 0, right 301
    EXPECT_EQ(tab_edge(&s.strip, 0), 1);
    EXPECT_EQ(tab_edge(&s.strip, 1), 1 + 299 / 3);      // 100
    EXPECT_EQ(tab_edge(&s.strip, 2), 1 + 299 * 2 / 3);  // 200
    EXPECT_EQ(tab_edge(&s.strip, 3), 300);
}

TEST(TabStrip, PressSelectsTheFirstTabWhoseNextEdgeIsRightOfIt) {
    Strip s(3, 302);
    s.texts({0, 2});
    EXPECT_EQ(tab_hit(&s.strip, 0, 0), 0);
    EXPECT_EQ(tab_hit(&s.strip, 99, 19), 0);
    EXPECT_EQ(tab_hit(&s.strip, 100, 5), TAB_NONE);  // tab 1 has no text
    EXPECT_EQ(tab_hit(&s.strip, 200, 5), 2);
    EXPECT_EQ(tab_hit(&s.strip, 301, 5), TAB_NONE);  // past the last edge
    EXPECT_EQ(tab_hit(&s.strip, 50, 20), TAB_NONE);  // below the row
    EXPECT_EQ(tab_hit(&s.strip, 302, 5), TAB_NONE);
    EXPECT_TRUE(tab_in_row(&s.strip, 301, 0));
    EXPECT_FALSE(tab_in_row(&s.strip, 10, -1));
}

}  // namespace
