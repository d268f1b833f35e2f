// The configuration page driven through the console's own windows with
// keelsim in this process: the method buttons, the days field, the Edit
// Rejection Message dialog and the leave prompt.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "panels/config_ids.h"
#include "resources/shell_ids.h"
#include "shell/main_window_win32.h"
#include "shell/subdlg_win32.h"
#include "tests/shell/gui/console_fixture_win32.h"
#include "tests/support/dialog_driver_win32.h"

namespace {

class ConfigPage : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        // Native users, then NT domain users; 30 days; one message.
        start_server(
            "option-mask 0x0F\n"
            "object Policy Auth-Info\nproperty Auth-Order hex \"020000000600\"\n"
            "object Policy Log-Info\nproperty Log-Max-Days hex \"1e000000\"\n"
            "object Messages Unknown-User-Msg\nproperty Message-Text hex \"57686f3f0d0a43616c6c2075732e\"\n");
        connect();
        click(GetDlgItem(main, IDC_PANEL_CONFIGURATION));
    }
    void TearDown() override {
        ConsoleTest::TearDown();
        forget_dialog_action();
    }
    HWND config() { return page(8); }
    HWND control(int id) { return GetDlgItem(config(), id); }
    bool enabled(int id) { return IsWindowEnabled(control(id)) != FALSE; }
    std::string stored(const char* cls, const char* object, const char* property) {
        std::string value;
        return sim_get_property(server, cls, object, property, &value) ? value : "<missing>";
    }
    std::string method(LRESULT index) {
        char text[64] = "";
        SendMessageA(control(IDC_CONFIG_METHODS), LB_GETTEXT, (WPARAM)index, (LPARAM)text);
        return text;
    }
    void choose_method(LRESULT index) {
        HWND list = control(IDC_CONFIG_METHODS);
        SetFocus(list);
        SendMessageA(list, LB_SETCURSEL, (WPARAM)index, 0);
        SendMessageA(config(), WM_COMMAND, MAKEWPARAM(IDC_CONFIG_METHODS, LBN_SELCHANGE), (LPARAM)list);
        pump();
    }
};

TEST_F(ConfigPage, MethodButtonsAndTheDaysField) {
    EXPECT_EQ(subdlg_current_index(panel_host()), 8u);
    ASSERT_EQ(SendMessageA(control(IDC_CONFIG_METHODS), LB_GETCOUNT, 0, 0), 6);
    EXPECT_EQ(method(0), "Native User");
    EXPECT_EQ(method(1), "NT Domain User");
    EXPECT_EQ(window_text(control(IDC_CONFIG_DAYS)), "30");
    EXPECT_EQ(window_text(control(IDC_CONFIG_UNKNOWN_USER)), "Who?\\r\\nCall us.");
    EXPECT_FALSE(enabled(IDC_CONFIG_SAVE));
    // The first method is chosen: it can go down and be deactivated.
    EXPECT_FALSE(enabled(IDC_CONFIG_UP));
    EXPECT_TRUE(enabled(IDC_CONFIG_DOWN));
    EXPECT_FALSE(enabled(IDC_CONFIG_ACTIVATE));

    // SecurID, last and inactive, activated: first, and still chosen.
    choose_method(5);
    EXPECT_EQ(method(5), "SecurID User");
    EXPECT_TRUE(enabled(IDC_CONFIG_ACTIVATE));
    EXPECT_FALSE(enabled(IDC_CONFIG_UP));
    click(control(IDC_CONFIG_ACTIVATE));
    EXPECT_EQ(method(0), "SecurID User");
    EXPECT_EQ(SendMessageA(control(IDC_CONFIG_METHODS), LB_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(enabled(IDC_CONFIG_SAVE));
    click(control(IDC_CONFIG_DOWN));
    EXPECT_EQ(method(1), "SecurID User");

    // The keyboard reaches the field by its mnemonic.
    press_alt('y');
    EXPECT_EQ(GetFocus(), control(IDC_CONFIG_DAYS));
    SetWindowTextA(control(IDC_CONFIG_DAYS), "1000");
    click(control(IDC_CONFIG_SAVE));
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "Number of days for which to keep log files must be between 0 and 999");
    EXPECT_EQ(stored("Policy", "Log-Info", "Log-Max-Days"), std::string("\x1e\0\0\0", 4));

    SetWindowTextA(control(IDC_CONFIG_DAYS), "");
    click(control(IDC_CONFIG_SAVE));
    EXPECT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(stored("Policy", "Log-Info", "Log-Max-Days"), std::string("\0\0\0\0", 4));
    EXPECT_EQ(stored("Policy", "Auth-Info", "Auth-Order"), std::string("\x05\0\0\0\x0a\0\x0b\0\x0c\0\x06\0", 12));
    EXPECT_EQ(window_text(control(IDC_CONFIG_DAYS)), "0");
    EXPECT_FALSE(enabled(IDC_CONFIG_SAVE));
}

TEST_F(ConfigPage, TheRejectionMessageDialog) {
    std::string title, shown;
    when_dialog_opens([&](HWND dialog) {
        title = window_text(dialog);
        shown = window_text(GetDlgItem(dialog, IDC_MESSAGE_TEXT));
        SetDlgItemTextA(dialog, IDC_MESSAGE_TEXT, "Who are you?\r\nCall 555-0100.");
        SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    });
    click(control(IDC_CONFIG_EDIT_UNKNOWN_USER));
    EXPECT_EQ(title, "Edit Unknown User Rejection Message");
    EXPECT_EQ(shown, "Who?\r\nCall us.");
    EXPECT_EQ(window_text(control(IDC_CONFIG_UNKNOWN_USER)), "Who are you?\\r\\nCall 555-0100.");
    EXPECT_TRUE(enabled(IDC_CONFIG_SAVE));

    // Cancel changes nothing.
    when_dialog_opens([&](HWND dialog) {
        title = window_text(dialog);
        SetDlgItemTextA(dialog, IDC_MESSAGE_TEXT, "ignored");
        SendMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    });
    click(control(IDC_CONFIG_EDIT_DEFAULT));
    EXPECT_EQ(title, "Edit Other Failure Rejection Message");
    EXPECT_EQ(window_text(control(IDC_CONFIG_DEFAULT)), "");

    click(control(IDC_CONFIG_SAVE));
    EXPECT_TRUE(prompt.asked.empty());
    EXPECT_EQ(stored("Messages", "Unknown-User-Msg", "Message-Text"), "Who are you?\r\nCall 555-0100.");
    EXPECT_FALSE(sim_object_exists(server, "Messages", "Default-Reject-Msg"));
}

TEST_F(ConfigPage, TheLeavePrompt) {
    SetWindowTextA(control(IDC_CONFIG_DAYS), "45");
    prompt.answer(ANSWER_CANCEL);
    click(GetDlgItem(main, IDC_PANEL_PROXY));
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "Save configuration settings?");
    EXPECT_EQ(subdlg_current_index(panel_host()), 8u);

    prompt.answer(ANSWER_YES);
    click(GetDlgItem(main, IDC_PANEL_PROXY));
    EXPECT_EQ(subdlg_current_index(panel_host()), 5u);
    EXPECT_EQ(stored("Policy", "Log-Info", "Log-Max-Days"), std::string("\x2d\0\0\0", 4));

    // Shown again, it reads again; emptied, leaving offers to discard.
    click(GetDlgItem(main, IDC_PANEL_CONFIGURATION));
    EXPECT_EQ(window_text(control(IDC_CONFIG_DAYS)), "45");
    click(control(IDC_CONFIG_DEACTIVATE));
    EXPECT_FALSE(enabled(IDC_CONFIG_DEACTIVATE));  // it follows its method to the end
    choose_method(0);
    click(control(IDC_CONFIG_DEACTIVATE));
    prompt.answer(ANSWER_YES);
    click(GetDlgItem(main, IDC_PANEL_PROXY));
    ASSERT_EQ(prompt.asked.size(), 3u);
    EXPECT_EQ(prompt.asked[2].text, "Authentication list is empty.\nDiscard all configuration changes?");
    EXPECT_EQ(subdlg_current_index(panel_host()), 5u);
    EXPECT_EQ(stored("Policy", "Auth-Info", "Auth-Order"), std::string("\x02\0\0\0\x06\0", 6));
}

}  // namespace
