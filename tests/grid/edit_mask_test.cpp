#include <gtest/gtest.h>

#include <string>

#include "grid/edit_mask.h"

namespace {

EditText with_mask(const char* mask) {
    EditText edit;
    edit_init(&edit);
    EXPECT_TRUE(edit_set_mask(&edit, mask));
    return edit;
}

std::string typed(const char* mask, const std::string& keys) {
    EditText edit = with_mask(mask);
    for (char c : keys) edit_type(&edit, c);
    return edit.text;
}

TEST(EditMask, TypingGoesThroughTheMask) {
    struct {
        const char* mask;
        const char* keys;
        const char* expected;
    } const cases[] = {
        {"NN/NN/NNNN", "12251997", "12/25/1997"},    // slashes put in by the edit
        {"NN/NN/NNNN", "12/25/1997", "12/25/1997"},  // typing the literal passes over it
        {"LL", "a1b", "AB"},                         // digit rejected, letters upper-cased
        {"ll", "aBc", "aB"},                         // past the mask's length nothing goes in
        {"BBb", "a-1z", "A1z"},
        {"nnN", "1.2.", "12."},
        {"Aa", "xy", "Xy"},
        {"aaaaaaaaaa", "hello world", "hello worl"},
        {"(nnn) nnn", "5551234", "(555) 123"},
        {"", "free text!", "free text!"},  // no mask: any printable text
    };
    for (const auto& c : cases) EXPECT_EQ(typed(c.mask, c.keys), c.expected) << c.mask << " / " << c.keys;
}

TEST(EditMask, DefaultMaskIsTenOfAnything) {
    EditText edit;
    edit_init(&edit);
    EXPECT_STREQ(edit.mask, "aaaaaaaaaa");
    EXPECT_EQ(edit_capacity(edit), 10);
}

TEST(EditMask, InsertingShiftsOnlyWithinTheRun) {
    EditText edit = with_mask("NN/NN/NNNN");
    edit_set_text(&edit, "12/25/1997");
    edit_move(&edit, 0, false);
    EXPECT_TRUE(edit_type(&edit, '3'));
    EXPECT_STREQ(edit.text, "31/25/1997");  // the run's last digit dropped, the rest untouched
    EXPECT_EQ(edit.caret, 1);
}

TEST(EditMask, DeletingShiftsTheRunAndBlanksTheGap) {
    EditText edit = with_mask("NN/NN/NNNN");
    edit_set_text(&edit, "12/25/1997");
    edit_move(&edit, 3, false);
    EXPECT_TRUE(edit_delete(&edit));
    EXPECT_STREQ(edit.text, "12/5 /1997");
    edit_move(&edit, 2, false);
    EXPECT_FALSE(edit_delete(&edit));  // a literal is not deleted
    edit_move(&edit, 10, false);
    EXPECT_TRUE(edit_backspace(&edit));
    EXPECT_STREQ(edit.text, "12/5 /199");
    edit_set_text(&edit, "12/");
    EXPECT_TRUE(edit_backspace(&edit));  // over the slash to the 2; the tail is trimmed
    EXPECT_STREQ(edit.text, "1");
    EXPECT_EQ(edit.caret, 1);
}

TEST(EditMask, SelectionIsReplacedByTyping) {
    EditText edit = with_mask("");
    edit_set_text(&edit, "abcdef");
    edit_select(&edit, 1, 4);
    char selected[16];
    edit_selected_text(edit, selected, sizeof selected);
    EXPECT_STREQ(selected, "bcd");
    EXPECT_TRUE(edit_type(&edit, 'X'));
    EXPECT_STREQ(edit.text, "aXef");
    EXPECT_EQ(edit.caret, 2);
}

TEST(EditMask, SetTextAndSetMaskRetypeThroughTheMask) {
    EditText edit = with_mask("LLLL");
    edit_set_text(&edit, "ab1cdef");
    EXPECT_STREQ(edit.text, "ABC");  // cut to four, then typed: the digit is refused
    EXPECT_TRUE(edit_set_mask(&edit, "nn"));
    EXPECT_STREQ(edit.text, "");
    EXPECT_FALSE(edit_set_mask(&edit, std::string(257, 'a').c_str()));
    EXPECT_STREQ(edit.mask, "nn");
}

TEST(EditMask, PasteTypesAtMostNinetyNineCharacters) {
    EditText edit = with_mask("");
    EXPECT_TRUE(edit_paste(&edit, std::string(150, '7').c_str()));
    EXPECT_EQ(edit.length, 99);
    EditText digits = with_mask("nnnn");
    edit_paste(&digits, "1a2b3");
    EXPECT_STREQ(digits.text, "123");
}

// What the edit shows over a template, and which positions are grey.
std::pair<std::string, std::string> shown(const EditText& edit, const char* tmpl) {
    std::string text, greys;
    for (int32_t i = 0; i < edit_display_length(edit, tmpl); ++i) {
        bool grey;
        text += edit_display_char(edit, tmpl, i, &grey);
        greys += grey ? 'g' : '.';
    }
    return {text, greys};
}

TEST(EditMask, TemplateShowsInGreyWhereNothingIsTyped) {
    EditText edit = with_mask("NN/NN/NNNN");
    const char* tmpl = "__/__/____";
    EXPECT_EQ(shown(edit, tmpl), std::make_pair(std::string("__/__/____"), std::string("gggggggggg")));
    edit_set_text(&edit, "12/5 /19");
    EXPECT_EQ(shown(edit, tmpl), std::make_pair(std::string("12/5_/19__"), std::string("....g...gg")));
    EXPECT_EQ(shown(edit, ""), std::make_pair(std::string("12/5 /19"), std::string("........")));
}

}  // namespace
