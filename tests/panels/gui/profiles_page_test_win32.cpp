// The profiles page driven through the console's own windows with keelsim
// on the demo database in this process: adding a profile, editing both of
// its lists through the list pages and their keys, saving, removing it
// (refused while a user links it), the save prompt, and the notices the
// users page receives.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "attrs/list_store.h"
#include "panels/dialog_ids.h"
#include "panels/profiles_ids.h"
#include "resources/shell_ids.h"
#include "shell/main_window_win32.h"
#include "shell/subdlg_win32.h"
#include "tests/shell/gui/console_fixture_win32.h"
#include "tests/support/dialog_driver_win32.h"
#include "ui/attribute_editor_ids.h"
#include "ui/panel_commands.h"

namespace {

// The PANEL_RESET arguments the users page received.
std::vector<LPARAM> g_users_resets;
DLGPROC g_users_proc = nullptr;

INT_PTR CALLBACK users_spy(HWND page, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_COMMAND && LOWORD(wparam) == PANEL_RESET) g_users_resets.push_back(lparam);
    return g_users_proc ? g_users_proc(page, message, wparam, lparam) : FALSE;
}

// The entry of a list box (or, with `combo`, a combo box) that starts with
// `text`, chosen and announced to the dialog as a click announces it.
void choose(HWND dialog, int id, const char* text, bool combo = false) {
    LRESULT at = SendDlgItemMessageA(dialog, id, combo ? CB_SELECTSTRING : LB_SELECTSTRING, (WPARAM)-1, (LPARAM)text);
    ASSERT_NE(at, combo ? CB_ERR : LB_ERR) << text;
    WORD code = combo ? CBN_SELCHANGE : LBN_SELCHANGE;
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), (LPARAM)GetDlgItem(dialog, id));
}

class ProfilesPage : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        SimOptions options;
        options.fixture_path = KEEL_DEMO_DIR "/server.fixture";
        std::string error;
        options.error = &error;
        ASSERT_EQ(sim_start(options, &server), 0) << error;
        connect();
        HWND users = page(IDC_PANEL_USERS - 200);
        g_users_resets.clear();
        g_users_proc = (DLGPROC)SetWindowLongPtrA(users, DWLP_DLGPROC, (LONG_PTR)users_spy);
        click(GetDlgItem(main, IDC_PANEL_PROFILES));
    }
    void TearDown() override {
        ConsoleTest::TearDown();
        forget_dialog_action();
        g_users_proc = nullptr;
    }
    HWND profiles() { return page(4); }
    HWND control(int id) { return GetDlgItem(profiles(), id); }
    bool enabled(int id) { return IsWindowEnabled(control(id)) != FALSE; }
    HWND list_page(ListKind kind) {
        return control(kind.list_bit == ATTR_CHECK ? IDC_PROFILE_LIST_PAGES : IDC_PROFILE_LIST_PAGES + 1);
    }
    std::vector<std::string> rows(ListKind kind) {
        HWND list = GetDlgItem(list_page(kind), IDC_ATTR_LIST);
        std::vector<std::string> out;
        LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            char line[300] = "";
            SendMessageA(list, LB_GETTEXT, (WPARAM)i, (LPARAM)line);
            out.push_back(line);
        }
        return out;
    }
    std::string selected_name() {
        HWND list = control(IDC_PROFILE_LIST);
        char name[300] = "";
        SendMessageA(list, LB_GETTEXT, (WPARAM)SendMessageA(list, LB_GETCURSEL, 0, 0), (LPARAM)name);
        return name;
    }
    void choose_profile(const char* name) { choose(profiles(), IDC_PROFILE_LIST, name); }
    // A key on the rows of one list page, through the program's own loop.
    void key_on_rows(ListKind kind, WPARAM key) {
        SetFocus(GetDlgItem(list_page(kind), IDC_ATTR_LIST));
        press_key(key);
        pump();
    }
    bool stored(const char* profile, const char* property) {
        std::string value;
        return sim_get_property(server, PROFILE_CLASS, profile, property, &value);
    }
};

TEST_F(ProfilesPage, AddEditBothListsSaveAndRemove) {
    EXPECT_EQ(SendMessageA(control(IDC_PROFILE_LIST), LB_GETCOUNT, 0, 0), 5);
    EXPECT_EQ(selected_name(), "CALLBACK-USERS");
    // The return list is the page shown first.
    EXPECT_TRUE(IsWindowVisible(list_page(RETURN_LIST)));
    EXPECT_FALSE(IsWindowVisible(list_page(CHECK_LIST)));
    EXPECT_EQ(SendMessageA(control(IDC_PROFILE_TABS), TCM_GETCURSEL, 0, 0), 1);
    EXPECT_FALSE(enabled(IDC_PROFILE_SAVE));

    when_dialog_opens([&](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_ADD_NAME, "sales");
        SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    });
    click(control(IDC_PROFILE_ADD));
    EXPECT_TRUE(sim_object_exists(server, PROFILE_CLASS, "SALES"));
    EXPECT_EQ(selected_name(), "SALES");
    EXPECT_TRUE(rows(RETURN_LIST).empty());
    EXPECT_TRUE(rows(CHECK_LIST).empty());
    EXPECT_EQ(g_users_resets, std::vector<LPARAM>{PROFILE_LIST_CHANGED});

    // Insert on the return list's rows opens Add New Attribute.
    when_dialog_opens([&](HWND dialog) {
        choose(dialog, IDC_ADD_ATTRIBUTES, "Session-Timeout");
        SetDlgItemTextA(dialog, IDC_VALUE_TEXT, "600");
        SendMessageA(GetDlgItem(dialog, IDC_ADD_ATTRIBUTE_ADD), BM_CLICK, 0, 0);
        SendMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    });
    key_on_rows(RETURN_LIST, VK_INSERT);
    EXPECT_EQ(rows(RETURN_LIST), std::vector<std::string>{"Session-Timeout    \t600"});
    EXPECT_TRUE(enabled(IDC_PROFILE_SAVE));
    EXPECT_TRUE(enabled(IDC_PROFILE_RESET));

    // Left on the tab strip shows the check list.
    SetFocus(control(IDC_PROFILE_TABS));
    press_key(VK_LEFT);
    EXPECT_TRUE(IsWindowVisible(list_page(CHECK_LIST)));
    EXPECT_FALSE(IsWindowVisible(list_page(RETURN_LIST)));
    when_dialog_opens([&](HWND dialog) {
        choose(dialog, IDC_ADD_ATTRIBUTES, "Service-Type");
        choose(dialog, IDC_VALUE_NAMES, "Framed-User", true);
        SendMessageA(GetDlgItem(dialog, IDC_ADD_ATTRIBUTE_ADD), BM_CLICK, 0, 0);
        SendMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    });
    click(GetDlgItem(list_page(CHECK_LIST), IDC_ATTR_INSERT));
    EXPECT_EQ(rows(CHECK_LIST), std::vector<std::string>{"Service-Type    \tFramed-User"});

    click(control(IDC_PROFILE_SAVE));
    EXPECT_TRUE(prompt.asked.empty());
    EXPECT_TRUE(stored("SALES", "Session-Timeout"));
    EXPECT_TRUE(stored("SALES", "Service-Type"));
    EXPECT_FALSE(enabled(IDC_PROFILE_SAVE));
    EXPECT_EQ(g_users_resets, (std::vector<LPARAM>{PROFILE_LIST_CHANGED, PROFILE_CONTENTS_CHANGED}));

    // Nobody links it: one question, and it is gone.
    prompt.answer(ANSWER_YES);
    click(control(IDC_PROFILE_REMOVE));
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "Are you sure that you want delete profile\nSALES ?");
    EXPECT_FALSE(sim_object_exists(server, PROFILE_CLASS, "SALES"));
    EXPECT_EQ(SendMessageA(control(IDC_PROFILE_LIST), LB_GETCOUNT, 0, 0), 5);
    EXPECT_EQ(g_users_resets.size(), 3u);
    EXPECT_EQ(g_users_resets.back(), (LPARAM)PROFILE_LIST_CHANGED);
}

TEST_F(ProfilesPage, RemovalRefusedWhileLinkedThenAllowed) {
    choose_profile("DIALUP-STANDARD");
    prompt.answer(ANSWER_YES);
    prompt.answer(ANSWER_NO);
    click(control(IDC_PROFILE_REMOVE));
    ASSERT_EQ(prompt.asked.size(), 2u);
    const std::string in_use = "Profile DIALUP-STANDARD is in use by user ";
    EXPECT_EQ(prompt.asked[1].text.compare(0, in_use.size(), in_use), 0) << prompt.asked[1].text;
    EXPECT_EQ(prompt.asked[1].title, "WARNING");
    EXPECT_TRUE(sim_object_exists(server, PROFILE_CLASS, "DIALUP-STANDARD"));
    EXPECT_TRUE(g_users_resets.empty());

    prompt.answer(ANSWER_YES);
    prompt.answer(ANSWER_YES);
    click(control(IDC_PROFILE_REMOVE));
    EXPECT_EQ(prompt.asked.size(), 4u);
    EXPECT_FALSE(sim_object_exists(server, PROFILE_CLASS, "DIALUP-STANDARD"));
    EXPECT_EQ(SendMessageA(control(IDC_PROFILE_LIST), LB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(g_users_resets, std::vector<LPARAM>{PROFILE_LIST_CHANGED});
}

TEST_F(ProfilesPage, KeysReachTheListPages) {
    // Tab from the strip enters the page it shows.
    SetFocus(control(IDC_PROFILE_TABS));
    press_key(VK_TAB);
    EXPECT_EQ(GetFocus(), GetDlgItem(list_page(RETURN_LIST), IDC_ATTR_LIST));
    // Enter on a row is Edit: the Change dialog for the selected row.
    std::string title;
    when_dialog_opens([&](HWND dialog) {
        char text[200] = "";
        GetWindowTextA(dialog, text, sizeof text);
        title = text;
        SendMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    });
    press_key(VK_RETURN);
    pump();
    EXPECT_EQ(title, "Change Framed-IP-Address");
    EXPECT_FALSE(IsWindowEnabled(control(IDC_PROFILE_SAVE)));
}

TEST_F(ProfilesPage, TheSavePromptAndReset) {
    std::vector<std::string> before = rows(RETURN_LIST);
    ASSERT_FALSE(before.empty());
    // Delete on a row of the profile's own list removes it.
    key_on_rows(RETURN_LIST, VK_DELETE);
    EXPECT_EQ(rows(RETURN_LIST).size(), before.size() - 1);
    EXPECT_TRUE(enabled(IDC_PROFILE_RESET));
    click(control(IDC_PROFILE_RESET));
    EXPECT_EQ(rows(RETURN_LIST), before);
    EXPECT_FALSE(enabled(IDC_PROFILE_SAVE));

    key_on_rows(RETURN_LIST, VK_DELETE);
    // Leaving for another panel asks; Cancel stays on the profiles page.
    prompt.answer(ANSWER_CANCEL);
    click(GetDlgItem(main, IDC_PANEL_PROXY));
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "Save settings for profile CALLBACK-USERS?");
    EXPECT_EQ(subdlg_current_index(panel_host()), 4u);
    // Choosing another profile asks again; No drops the change.
    prompt.answer(ANSWER_NO);
    choose_profile("STAFF-VPN");
    EXPECT_EQ(prompt.asked.size(), 2u);
    EXPECT_EQ(selected_name(), "STAFF-VPN");
    EXPECT_TRUE(stored("CALLBACK-USERS", "Framed-IP-Address"));
    EXPECT_TRUE(stored("CALLBACK-USERS", "Termination-Action"));
    EXPECT_TRUE(g_users_resets.empty());
}

}  // namespace
