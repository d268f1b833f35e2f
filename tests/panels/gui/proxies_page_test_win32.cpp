// The proxies page driven through the console's own windows with keelsim in
// this process: the accounting buttons and box, the retry fields, adding the
// roaming target through its dialog, removing, and the save prompt.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "panels/dialog_ids.h"
#include "panels/proxies.h"
#include "panels/proxies_ids.h"
#include "resources/shell_ids.h"
#include "shell/main_window_win32.h"
#include "shell/subdlg_win32.h"
#include "tests/panels/panel_fixture.h"
#include "tests/shell/gui/console_fixture_win32.h"
#include "tests/support/dialog_driver_win32.h"

namespace {

class ProxiesPage : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        std::string fixture = "object ++l-Proxy ALPHA\nproperty IPAddress hex \"0a000001\"\n" +
                              secret_property("AcctSharedSecret", "alpha-acct", 5) +
                              "property Proxy-Acct-Flags hex \"03000000\"\n"
                              "object ++l-Proxy BETA\nproperty Retry-Count hex \"07000000\"\n";
        start_server(fixture.c_str());
        connect();
        click(GetDlgItem(main, IDC_PANEL_PROXY));
    }
    void TearDown() override {
        ConsoleTest::TearDown();
        forget_dialog_action();
    }
    HWND proxies() { return page(5); }
    HWND control(int id) { return GetDlgItem(proxies(), id); }
    bool enabled(int id) { return IsWindowEnabled(control(id)) != FALSE; }
    bool checked(int id) { return IsDlgButtonChecked(proxies(), id) == BST_CHECKED; }
    std::string stored(const char* target, const char* property) {
        std::string value;
        return sim_get_property(server, PROXY_CLASS, target, property, &value) ? value : "<missing>";
    }
};

TEST_F(ProxiesPage, AccountingModesAndRetryFields) {
    EXPECT_EQ(subdlg_current_index(panel_host()), 5u);
    EXPECT_EQ(SendMessageA(control(IDC_PROXY_LIST), LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(window_text(control(IDC_PROXY_ADDRESS)), "10.0.0.1");
    EXPECT_TRUE(checked(IDC_PROXY_BOTH));
    EXPECT_TRUE(checked(IDC_PROXY_ACCOUNTING));
    EXPECT_TRUE(enabled(IDC_PROXY_ACCT_SECRET));
    EXPECT_FALSE(enabled(IDC_PROXY_SAVE));

    // Recording locally takes the box and its button away.
    click(control(IDC_PROXY_RECORD));
    EXPECT_FALSE(checked(IDC_PROXY_ACCOUNTING));
    EXPECT_FALSE(enabled(IDC_PROXY_ACCOUNTING));
    EXPECT_FALSE(enabled(IDC_PROXY_ACCT_SECRET));
    EXPECT_TRUE(enabled(IDC_PROXY_SAVE));

    SetWindowTextA(control(IDC_PROXY_RETRIES), "");
    SetWindowTextA(control(IDC_PROXY_RETRY_MS), "750");
    click(control(IDC_PROXY_SAVE));
    EXPECT_TRUE(prompt.asked.empty());
    EXPECT_EQ(stored("ALPHA", "Proxy-Acct-Flags"), std::string("\x02\0\0\0", 4));
    EXPECT_EQ(stored("ALPHA", "Retry-Count"), std::string("\x03\0\0\0", 4));
    EXPECT_EQ(stored("ALPHA", "Retry-Milliseconds"), std::string("\xee\x02\0\0", 4));
    EXPECT_NE(stored("ALPHA", "AcctSharedSecret"), "<missing>");
    EXPECT_EQ(window_text(control(IDC_PROXY_RETRIES)), "3");
    EXPECT_FALSE(enabled(IDC_PROXY_SAVE));
}

TEST_F(ProxiesPage, AddTheRoamingTargetAndRemoveIt) {
    bool field_after_roaming = true;
    when_dialog_opens([&](HWND dialog) {
        SendMessageA(GetDlgItem(dialog, IDC_ADD_ANY), BM_CLICK, 0, 0);
        field_after_roaming = IsWindowEnabled(GetDlgItem(dialog, IDC_ADD_NAME)) != FALSE;
        SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    });
    click(control(IDC_PROXY_ADD));
    EXPECT_FALSE(field_after_roaming);
    LRESULT selected = SendMessageA(control(IDC_PROXY_LIST), LB_GETCURSEL, 0, 0);
    char name[PROXY_NAME_SIZE] = "";
    SendMessageA(control(IDC_PROXY_LIST), LB_GETTEXT, (WPARAM)selected, (LPARAM)name);
    EXPECT_STREQ(name, "<ROAMING>");
    EXPECT_FALSE(enabled(IDC_PROXY_ADDRESS));
    EXPECT_EQ(stored("<ROAMING>", "Retry-Milliseconds"), std::string("\x88\x13\0\0", 4));

    prompt.answer(ANSWER_YES);
    click(control(IDC_PROXY_REMOVE));
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "Are you sure that you want delete proxy <ROAMING> ?");
    EXPECT_FALSE(sim_object_exists(server, PROXY_CLASS, "<ROAMING>"));
    EXPECT_EQ(SendMessageA(control(IDC_PROXY_LIST), LB_GETCOUNT, 0, 0), 2);
}

TEST_F(ProxiesPage, SavePromptWhenSwitchingTargets) {
    SetWindowTextA(control(IDC_PROXY_RETRIES), "9");
    prompt.answer(ANSWER_CANCEL);
    SetFocus(control(IDC_PROXY_LIST));
    press_key(VK_DOWN);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "Save settings for proxy ALPHA?");
    EXPECT_EQ(SendMessageA(control(IDC_PROXY_LIST), LB_GETCURSEL, 0, 0), 0);
    prompt.answer(ANSWER_YES);
    press_key(VK_DOWN);
    EXPECT_EQ(SendMessageA(control(IDC_PROXY_LIST), LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(stored("ALPHA", "Retry-Count"), std::string("\x09\0\0\0", 4));
    EXPECT_EQ(window_text(control(IDC_PROXY_RETRIES)), "7");
}

}  // namespace
