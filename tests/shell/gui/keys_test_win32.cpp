// The keyboard across the real nested windows: Tab and Shift+Tab into and
// out of pages, Alt+mnemonic over visible pages only, Enter with the default
// button, Escape, and the default-button look.
#include <windows.h>

#include <gtest/gtest.h>

#include "resources/shell_ids.h"
#include "shell/main_window_win32.h"
#include "shell/subdlg_win32.h"
#include "tests/shell/gui/console_fixture_win32.h"
#include "tests/shell/gui/gui_ids.h"

namespace {

// Clicks on the tests' own pages.
std::vector<int> g_clicked;

INT_PTR CALLBACK test_page_proc(HWND, UINT message, WPARAM wparam, LPARAM) {
    if (message == WM_INITDIALOG) return FALSE;
    if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED && LOWORD(wparam) >= IDC_TEST_ZULU) {
        g_clicked.push_back(LOWORD(wparam));
        return TRUE;
    }
    return FALSE;
}

bool looks_default(HWND button) { return (GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON; }

class Keys : public ConsoleTest {
protected:
    uint32_t outer_index = 0;
    HWND outer = nullptr, inner = nullptr;

    void SetUp() override {
        ConsoleTest::SetUp();
        g_clicked.clear();
    }
    // A tenth page in the main host, hidden, with a nested host of its own.
    void add_test_pages() {
        HINSTANCE instance = GetModuleHandleA(nullptr);
        outer_index = subdlg_add_page(panel_host(), instance, IDD_TEST_OUTER_PAGE, test_page_proc);
        ASSERT_EQ(outer_index, 10u);
        outer = subdlg_page(panel_host(), outer_index);
        HWND inner_host = GetDlgItem(outer, IDC_TEST_INNER_HOST);
        ASSERT_EQ(subdlg_add_page(inner_host, instance, IDD_TEST_INNER_PAGE, test_page_proc), 1u);
        subdlg_select(inner_host, 1);
        inner = subdlg_page(inner_host, 1);
    }
};

TEST_F(Keys, TabEntersTheServersPageAndLeavesAfterItsHost) {
    HWND servers_button = GetDlgItem(main, IDC_PANEL_SERVERS);
    SetFocus(servers_button);
    ASSERT_EQ(GetFocus(), servers_button);
    press_key(VK_TAB);
    EXPECT_EQ(GetFocus(), servers_control(IDC_LOCAL));
    press_key(VK_TAB);  // the server field and Disconnect are disabled in local mode
    EXPECT_EQ(GetFocus(), servers_control(IDC_CONNECT));
    press_key(VK_TAB);
    EXPECT_EQ(GetFocus(), servers_control(IDC_STATUS_BOX));
    press_key(VK_TAB);  // past the page's anchor: out, after the host, round to the buttons
    EXPECT_EQ(GetFocus(), servers_button);
}

TEST_F(Keys, ShiftTabLeavesAndEntersTheSameWayBack) {
    SetFocus(servers_control(IDC_LOCAL));
    press_key(VK_TAB, true);
    EXPECT_EQ(GetFocus(), GetDlgItem(main, IDC_PANEL_SERVERS));
    press_key(VK_TAB, true);  // round backwards into the page's last control
    EXPECT_EQ(GetFocus(), servers_control(IDC_STATUS_BOX));
}

TEST_F(Keys, TabCrossesTwoLevelsOfPages) {
    add_test_pages();
    subdlg_select(panel_host(), outer_index);
    SetFocus(GetDlgItem(outer, IDC_TEST_ZULU));
    press_key(VK_TAB);
    EXPECT_EQ(GetFocus(), GetDlgItem(inner, IDC_TEST_XRAY));
    press_key(VK_TAB);
    EXPECT_EQ(GetFocus(), GetDlgItem(outer, IDC_TEST_YANKEE));
    press_key(VK_TAB, true);
    EXPECT_EQ(GetFocus(), GetDlgItem(inner, IDC_TEST_XRAY));
}

TEST_F(Keys, AltMnemonicNeverFindsHiddenPages) {
    add_test_pages();
    SetFocus(servers_control(IDC_LOCAL));
    press_alt('z');
    EXPECT_TRUE(g_clicked.empty());
    press_alt('x');
    EXPECT_TRUE(g_clicked.empty());

    subdlg_select(panel_host(), outer_index);
    SetFocus(GetDlgItem(main, IDC_PANEL_SERVERS));
    press_alt('z');
    EXPECT_EQ(g_clicked, std::vector<int>{IDC_TEST_ZULU});
    press_alt('X');  // inside the nested page
    EXPECT_EQ(g_clicked, (std::vector<int>{IDC_TEST_ZULU, IDC_TEST_XRAY}));
    press_alt('c');  // Connect is on the hidden Servers page now
    EXPECT_EQ(g_clicked.size(), 2u);
    EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(Keys, AltOnAGroupLabelMovesToTheControlAfterIt) {
    SetFocus(GetDlgItem(main, IDC_PANEL_SERVERS));
    press_alt('r');  // "&Radius server selection"
    EXPECT_EQ(GetFocus(), servers_control(IDC_LOCAL));
}

TEST_F(Keys, AltOnConnectPressesIt) {
    SetFocus(servers_control(IDC_LOCAL));
    press_alt('c');  // no server runs: the failure is reported
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].title, "ERROR");
}

TEST_F(Keys, EnterPressesTheFocusedButtonAndTheLookFollowsTheFocus) {
    add_test_pages();
    subdlg_select(panel_host(), outer_index);
    SetFocus(GetDlgItem(main, IDC_PANEL_SERVERS));
    press_key(VK_TAB);
    HWND zulu = GetDlgItem(outer, IDC_TEST_ZULU);
    ASSERT_EQ(GetFocus(), zulu);
    EXPECT_TRUE(looks_default(zulu));
    press_key(VK_RETURN);
    EXPECT_EQ(g_clicked, std::vector<int>{IDC_TEST_ZULU});
    press_key(VK_TAB);
    EXPECT_FALSE(looks_default(zulu));
    EXPECT_TRUE(looks_default(GetDlgItem(inner, IDC_TEST_XRAY)));
}

TEST_F(Keys, EnterInTheServerFieldPressesConnect) {
    click(servers_control(IDC_REMOTE));
    HWND field = servers_control(IDC_SERVER_NAME);
    SetWindowTextA(field, "NOSUCHHOST");
    SetFocus(field);
    press_key(VK_RETURN);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text,
              "Unable to connect to Radius NT Service.\nService may be down or user may not be authenticated to "
              "target host.");
    // Back to a control that is no button: Connect looks like the default again.
    EXPECT_TRUE(looks_default(servers_control(IDC_CONNECT)));
}

TEST_F(Keys, EscapeDoesNotCloseTheMainWindow) {
    SetFocus(servers_control(IDC_STATUS_BOX));
    press_key(VK_ESCAPE);
    EXPECT_TRUE(IsWindow(main));
    EXPECT_TRUE(IsWindowVisible(main));
}

}  // namespace
