// The users page driven through the console's own windows with keelsim on
// the demo database in this process: adding through the Add New User
// dialog's pages, both list pages, the password dialog, the profile choice
// and the save prompt.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "panels/dialog_ids.h"
#include "panels/users.h"
#include "panels/users_ids.h"
#include "resources/shell_ids.h"
#include "shell/main_window_win32.h"
#include "shell/subdlg_win32.h"
#include "tests/shell/gui/console_fixture_win32.h"
#include "tests/support/dialog_driver_win32.h"
#include "ui/attribute_editor_ids.h"

namespace {

const char NATIVE[] = "++b-Native-User";

class UsersPage : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        start_server_file(KEEL_DEMO_DIR "/server.fixture");
        connect();
        click(GetDlgItem(main, IDC_PANEL_USERS));
    }
    void TearDown() override {
        ConsoleTest::TearDown();
        forget_dialog_action();
    }
    HWND users() { return page(IDC_PANEL_USERS - 200); }
    HWND control(int id) { return GetDlgItem(users(), id); }
    bool enabled(int id) { return IsWindowEnabled(control(id)) != FALSE; }
    std::string selected_user() {
        char name[512] = "";
        LRESULT index = SendMessageA(control(IDC_USER_LIST), LB_GETCURSEL, 0, 0);
        SendMessageA(control(IDC_USER_LIST), LB_GETTEXT, (WPARAM)index, (LPARAM)name);
        return name;
    }
    void choose_user(const char* name) {
        HWND list = control(IDC_USER_LIST);
        LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)name);
        ASSERT_GE(index, 0) << name;
        SendMessageA(list, LB_SETCURSEL, (WPARAM)index, 0);
        SendMessageA(users(), WM_COMMAND, MAKEWPARAM(IDC_USER_LIST, LBN_SELCHANGE), (LPARAM)list);
    }
    void choose_profile(const char* name) {
        HWND combo = control(IDC_USER_PROFILE);
        LRESULT index = SendMessageA(combo, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)name);
        ASSERT_GE(index, 0) << name;
        SendMessageA(combo, CB_SETCURSEL, (WPARAM)index, 0);
        SendMessageA(users(), WM_COMMAND, MAKEWPARAM(IDC_USER_PROFILE, CBN_SELCHANGE), (LPARAM)combo);
    }
    std::string stored(const char* user, const char* property) {
        std::string value;
        return sim_get_property(server, NATIVE, user, property, &value) ? value : "<missing>";
    }
};

// The Add New User page on show: the dialog's visible child dialog.
HWND shown_page(HWND dialog) {
    for (HWND page = FindWindowExA(dialog, nullptr, "#32770", nullptr); page;
         page = FindWindowExA(dialog, page, "#32770", nullptr))
        if (IsWindowVisible(page)) return page;
    return nullptr;
}

void choose_tab(HWND dialog, int index) {
    HWND tabs = GetDlgItem(dialog, IDC_ADD_USER_TABS);
    SendMessageA(tabs, TCM_SETCURSEL, (WPARAM)index, 0);
    NMHDR header = {tabs, IDC_ADD_USER_TABS, (UINT)TCN_SELCHANGE};
    SendMessageA(dialog, WM_NOTIFY, IDC_ADD_USER_TABS, (LPARAM)&header);
}

TEST_F(UsersPage, AddANativeAndASecurIDUser) {
    int tabs = 0;
    bool ok_before_typing = true;
    when_dialog_opens([&](HWND dialog) {
        tabs = (int)SendDlgItemMessageA(dialog, IDC_ADD_USER_TABS, TCM_GETITEMCOUNT, 0, 0);
        ok_before_typing = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
        SetDlgItemTextA(shown_page(dialog), IDC_NEW_USER_NAME, "smith");
        SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    });
    click(control(IDC_USER_ADD));
    EXPECT_EQ(tabs, 4);  // the demo server offers domain and host users
    EXPECT_FALSE(ok_before_typing);
    EXPECT_EQ(selected_user(), "SMITH");
    EXPECT_TRUE(sim_object_exists(server, NATIVE, "SMITH"));
    EXPECT_EQ(window_text(control(IDC_USER_KIND)), "Native User");
    EXPECT_TRUE(enabled(IDC_USER_PASSWORD));

    bool field_locked = false;
    when_dialog_opens([&](HWND dialog) {
        choose_tab(dialog, 3);
        HWND page = shown_page(dialog);
        SendMessageA(GetDlgItem(page, IDC_SECURID_ANY), BM_CLICK, 0, 0);
        field_locked = !IsWindowEnabled(GetDlgItem(page, IDC_NEW_USER_NAME));
        SendMessageA(GetDlgItem(page, IDC_SECURID_PREFIX), BM_CLICK, 0, 0);
        SetDlgItemTextA(page, IDC_NEW_USER_NAME, "ab");
        SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    });
    click(control(IDC_USER_ADD));
    EXPECT_TRUE(field_locked);
    EXPECT_EQ(selected_user(), "AB<USERNAME>");
    EXPECT_TRUE(sim_object_exists(server, "++n-SecurID-Prefix", "AB"));
    EXPECT_EQ(window_text(control(IDC_USER_KIND)), "SecurID Prefix");
    EXPECT_FALSE(enabled(IDC_USER_PASSWORD));
    EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(UsersPage, SetAndValidateAPassword) {
    choose_user("ROUTER-BRANCH1");
    when_dialog_opens([&](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_SECRET_MASKED, "open-sesame");
        SendMessageA(GetDlgItem(dialog, IDC_PASSWORD_PAP_ONLY), BM_CLICK, 0, 0);
        SendMessageA(GetDlgItem(dialog, IDC_SECRET_SET), BM_CLICK, 0, 0);
    });
    click(control(IDC_USER_PASSWORD));
    ASSERT_TRUE(enabled(IDC_USER_SAVE));
    click(control(IDC_USER_SAVE));
    EXPECT_EQ(stored("ROUTER-BRANCH1", "--Password").substr(4, 2), std::string("\x05\0", 2));

    bool pap_only_shown = false;
    when_dialog_opens([&](HWND dialog) {
        pap_only_shown = IsDlgButtonChecked(dialog, IDC_PASSWORD_PAP_ONLY) == BST_CHECKED;
        SendMessageA(GetDlgItem(dialog, IDC_SECRET_UNMASK), BM_CLICK, 0, 0);
        SetDlgItemTextA(dialog, IDC_SECRET_PLAIN, "open-sesame");
        SendMessageA(GetDlgItem(dialog, IDC_SECRET_VALIDATE), BM_CLICK, 0, 0);
    });
    click(control(IDC_USER_PASSWORD));
    EXPECT_TRUE(pap_only_shown);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "Correct password specified");
    EXPECT_FALSE(enabled(IDC_USER_SAVE));
}

TEST_F(UsersPage, BothListsTheProfileAndTheSavePromptsAnswers) {
    choose_user("JSMITH");
    HWND check_page = control(IDC_USER_CHECK_PAGE), return_page = control(IDC_USER_RETURN_PAGE);
    EXPECT_FALSE(IsWindowVisible(check_page));
    EXPECT_TRUE(IsWindowVisible(return_page));
    // Del on an inherited row subtracts it, on either list.
    for (HWND list_page : {check_page, return_page}) {
        SendDlgItemMessageA(list_page, IDC_ATTR_LIST, LB_SETCURSEL, 0, 0);
        SendMessageA(list_page, WM_COMMAND, MAKEWPARAM(IDC_ATTR_LIST, LBN_SELCHANGE), 0);
        click(GetDlgItem(list_page, IDC_ATTR_DELETE));
    }
    EXPECT_TRUE(enabled(IDC_USER_SAVE));
    choose_profile("SHELL-ACCESS");

    // Cancel stays; No forgets; Yes saves.
    prompt.answer(ANSWER_CANCEL);
    SetFocus(control(IDC_USER_LIST));
    press_key(VK_DOWN);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "Save settings for user JSMITH?");
    EXPECT_EQ(selected_user(), "JSMITH");
    prompt.answer(ANSWER_NO);
    press_key(VK_DOWN);
    EXPECT_NE(selected_user(), "JSMITH");
    EXPECT_EQ(stored("JSMITH", "--User-Profile").substr(10, 15), std::string("DIALUP-STANDARD", 15));

    choose_user("JSMITH");
    EXPECT_EQ(window_text(control(IDC_USER_PROFILE)), "DIALUP-STANDARD");
    choose_profile("SHELL-ACCESS");
    prompt.answer(ANSWER_YES);
    press_key(VK_DOWN);
    EXPECT_EQ(stored("JSMITH", "--User-Profile").substr(10, 12), std::string("SHELL-ACCESS", 12));
    choose_user("JSMITH");
    EXPECT_EQ(window_text(control(IDC_USER_PROFILE)), "SHELL-ACCESS");
    EXPECT_FALSE(enabled(IDC_USER_SAVE));
}

}  // namespace
