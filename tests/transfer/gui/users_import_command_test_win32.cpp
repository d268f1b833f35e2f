// The Import command with a users file, through the console's own windows
// on the demo database: the Import Options dialog, the selection dialog
// offering the Users page alone, and the users written.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <stdio.h>

#include <string>

#include "resources/shell_ids.h"
#include "tests/shell/gui/console_fixture_win32.h"
#include "tests/sim/sim_test_support.h"
#include "tests/support/dialog_driver_win32.h"
#include "transfer/import_command_win32.h"
#include "transfer/export_selection.h"
#include "transfer/transfer_ids.h"
#include "transfer/users_import_ids.h"

namespace {

std::string g_source;
bool test_chooser(void*, char* path, uint32_t size) {
    snprintf(path, size, "%s", g_source.c_str());
    return true;
}

class UsersImportCommand : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        g_source = write_test_file("site.users",
                                   "alice\tPassword = \"a-1\"\n\tSession-Timeout = 600\n\nbob\tPassword = \"b-2\"\n");
        import_set_file_chooser(test_chooser);
    }
    void TearDown() override {
        import_set_file_chooser(nullptr);
        forget_dialog_action();
        ConsoleTest::TearDown();
    }
};

TEST_F(UsersImportCommand, OptionsThenTheUsersPageAloneThenTheUsersWritten) {
    start_server_file(KEEL_DEMO_DIR "/server.fixture");
    connect();
    spy_on_panels();
    std::string options_title;
    bool users_page_shown = false, clients_list_enabled = true, page_all_enabled = true;
    LRESULT listed = 0;
    when_dialog_opens([&](HWND options) {
        options_title = window_text(options);
        CheckRadioButton(options, IDC_UIMPORT_PAP_CHAP, IDC_UIMPORT_PAP_ONLY, IDC_UIMPORT_PAP_ONLY);
        when_dialog_opens([&](HWND select) {
            HWND tabs = GetDlgItem(select, IDC_SELECT_TABS);
            users_page_shown = SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == PAGE_USERS;
            HWND users = GetDlgItem(select, IDC_SELECT_LIST + PAGE_USERS);
            listed = SendMessageA(users, LB_GETCOUNT, 0, 0);
            clients_list_enabled = IsWindowEnabled(GetDlgItem(select, IDC_SELECT_LIST)) != FALSE;
            // The RAS Clients tab: its All and None take nothing.
            SendMessageA(tabs, TCM_SETCURSEL, 0, 0);
            NMHDR header = {tabs, (UINT_PTR)IDC_SELECT_TABS, (UINT)TCN_SELCHANGE};
            SendMessageA(select, WM_NOTIFY, IDC_SELECT_TABS, (LPARAM)&header);
            page_all_enabled = IsWindowEnabled(GetDlgItem(select, IDC_SELECT_PAGE_ALL)) != FALSE;
            click(GetDlgItem(select, IDC_SELECT_ALL));
            click(GetDlgItem(select, IDOK));
        });
        click(GetDlgItem(options, IDOK));
    });
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(IDM_IMPORT, 0), 0);
    EXPECT_EQ(options_title, "Import Options");
    EXPECT_TRUE(users_page_shown);
    EXPECT_EQ(listed, 2);
    EXPECT_FALSE(clients_list_enabled);
    EXPECT_FALSE(page_all_enabled);
    std::string password;
    ASSERT_TRUE(sim_get_property(server, "++b-Native-User", "ALICE", "--Password", &password));
    EXPECT_EQ(password[4], '\x05');  // PAP only: a digest
    EXPECT_TRUE(sim_object_exists(server, "++b-Native-User", "BOB"));
    for (int page = 1; page <= 9; ++page) EXPECT_GE(g_panel_spies[page].resets, 1) << page;
}

}  // namespace
