#include "tests/grid/gui/grid_fixture_win32.h"

namespace {

std::string text_of(HWND window) {
    char text[300] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

void type(HWND window, const char* keys) {
    for (const char* k = keys; *k; ++k) SendMessageA(window, WM_CHAR, (WPARAM)(unsigned char)*k, 0);
}

class EditTest : public GridTest {
protected:
    HWND edit() { return (HWND)send(TBM_GETEDITWINDOW); }
};

TEST_F(EditTest, TypingGoesThroughTheMaskAndTheTextComesBackWhenTheEditCloses) {
    ASSERT_EQ(TB_StartEditEx(table, "", "NN/NN/NNNN", "__/__/____", 0, 1, 2), 1);
    pump();
    ASSERT_TRUE(edit());
    EXPECT_TRUE(IsWindowVisible(edit()));
    EXPECT_EQ(GetFocus(), edit());
    EXPECT_EQ(send(TBM_GETCURROW), 2);
    EXPECT_EQ(send(TBM_GETCURCOL), 1);
    ASSERT_TRUE(last(TBN_EDITFOCUS));
    type(edit(), "12251997");
    EXPECT_EQ(text_of(edit()), "12/25/1997");
    EXPECT_EQ(events(TBN_EDITCHANGE).size(), 8u);
    // Escape reports its exit code; the text comes only with the focus loss.
    SendMessageA(edit(), WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(last(TBN_EDITKEY));
    EXPECT_EQ(last(TBN_EDITKEY)->value, EDIT_EXIT_ESCAPE);
    EXPECT_EQ(last(TBN_EDITKEY)->row, 2);
    EXPECT_TRUE(events(TBN_EDITEND).empty());
    SetFocus(table);
    pump();
    ASSERT_EQ(events(TBN_EDITEND).size(), 1u);
    EXPECT_EQ(events(TBN_EDITEND)[0].text, "12/25/1997");
    EXPECT_EQ(events(TBN_EDITEND)[0].column, 1);
    EXPECT_EQ(events(TBN_EDITEND)[0].row, 2);
    EXPECT_FALSE(IsWindowVisible(edit()));
    EXPECT_TRUE(events(TBN_KILLFOCUS).empty());  // the edit is the table's own
}

TEST_F(EditTest, TheFirstCharacterIsTypedAndRejectedOnesAreDropped) {
    ASSERT_EQ(TB_StartEditEx(table, "", "LL", nullptr, 'a', 0, 0), 1);
    pump();
    type(edit(), "1b");
    EXPECT_EQ(text_of(edit()), "AB");
    char buffer[16];
    EXPECT_EQ(send(TBM_GETEDITTEXT, sizeof buffer, (LPARAM)buffer), 2);
    EXPECT_STREQ(buffer, "AB");
}

TEST_F(EditTest, WithoutATextTheOwnersAnswerIsEdited) {
    ASSERT_EQ(TB_StartEditEx(table, nullptr, "", nullptr, 0, 2, 3), 1);
    EXPECT_EQ(text_of(edit()), "r3 c2");
    SendMessageA(edit(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(last(TBN_EDITKEY)->value, EDIT_EXIT_ENTER);
}

TEST_F(EditTest, ACellOutOfViewOpensNothing) {
    send(TBM_SETTOPROW, 0, 1000);
    EXPECT_EQ(TB_StartEditEx(table, "x", nullptr, nullptr, 0, 0, 5), 0);
    EXPECT_FALSE(IsWindowVisible(edit()));
    send(TBM_SETROWCOUNT, 0, 0);
    EXPECT_EQ(TB_StartEdit(table, "x", nullptr, nullptr, 0), 0);  // no current cell
}

TEST_F(EditTest, EndEditPutsTheEditAwayWithoutReporting) {
    ASSERT_EQ(TB_StartEdit(table, "abc", nullptr, nullptr, 0), 1);
    ASSERT_EQ(TB_EndEdit(table), 1);
    pump();
    EXPECT_FALSE(IsWindowVisible(edit()));
    EXPECT_EQ(GetFocus(), table);
    EXPECT_TRUE(events(TBN_EDITEND).empty());
    EXPECT_EQ(TB_EndEdit(table), 0);  // nothing open
}

TEST_F(EditTest, OpeningAnotherEditReportsTheFirst) {
    ASSERT_EQ(TB_StartEditEx(table, "first", nullptr, nullptr, 0, 0, 1), 1);
    ASSERT_EQ(TB_StartEditEx(table, "second", nullptr, nullptr, 0, 1, 1), 1);
    ASSERT_EQ(events(TBN_EDITEND).size(), 1u);
    EXPECT_EQ(events(TBN_EDITEND)[0].text, "first");
    EXPECT_EQ(events(TBN_EDITEND)[0].column, 0);
    EXPECT_EQ(text_of(edit()), "second");
}

TEST_F(EditTest, EditMessagesKeepTheirLimits) {
    HWND e = edit();
    std::string long_mask(257, 'a');
    EXPECT_EQ(SendMessageA(e, TEM_SETMASK, 0, (LPARAM)long_mask.c_str()), 0);
    EXPECT_EQ(SendMessageA(e, TEM_SETTEMPLATE, 0, (LPARAM)long_mask.c_str()), 0);
    char mask[16];
    SendMessageA(e, TEM_GETMASK, sizeof mask, (LPARAM)mask);
    EXPECT_STREQ(mask, "aaaaaaaaaa");  // the default mask
    SetWindowTextA(e, "abcdefghijklmnop");
    EXPECT_EQ(text_of(e), "abcdefghij");  // cut to the mask's length
    EXPECT_EQ(SendMessageA(e, TEM_SETMASK, 0, (LPARAM) "LLL"), 1);
    EXPECT_EQ(text_of(e), "ABC");
}

TEST_F(EditTest, AnOpenEditFollowsItsCellAndClosesWhenItScrollsAway) {
    ASSERT_EQ(TB_StartEditEx(table, "kept", nullptr, nullptr, 0, 1, 2), 1);
    RECT before, after;
    GetWindowRect(edit(), &before);
    send(WM_VSCROLL, SB_LINEDOWN);
    GetWindowRect(edit(), &after);
    EXPECT_EQ(after.top, before.top - send(TBM_GETROWHEIGHT));
    EXPECT_TRUE(events(TBN_EDITEND).empty());
    send(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_FALSE(IsWindowVisible(edit()));
    ASSERT_EQ(events(TBN_EDITEND).size(), 1u);
    EXPECT_EQ(events(TBN_EDITEND)[0].text, "kept");
}

TEST_F(EditTest, AStandardEditCanStandIn) {
    ASSERT_EQ(TB_SetEditClass(table, "EDIT"), 1);
    char name[16];
    GetClassNameA(edit(), name, sizeof name);
    EXPECT_STREQ(name, "Edit");
    EXPECT_EQ(GetDlgCtrlID(edit()), TABLE_EDIT_ID);
    ASSERT_EQ(TB_StartEditEx(table, "", nullptr, nullptr, 0, 1, 1), 1);
    type(edit(), "plain");
    SetFocus(table);
    pump();
    ASSERT_EQ(events(TBN_EDITEND).size(), 1u);
    EXPECT_EQ(events(TBN_EDITEND)[0].text, "plain");
    EXPECT_FALSE(events(TBN_EDITCHANGE).empty());
}

}  // namespace
