// The Export command through the console's own windows, with keelsim in
// this process: the selection dialog (tabs, All, None, Select All, OK and
// Cancel), the file, the replace prompt, the "Exporting" window with its
// moving bar, and the closing message.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <stdio.h>

#include <string>
#include <vector>

#include "resources/shell_ids.h"
#include "tests/shell/gui/console_fixture_win32.h"
#include "tests/sim/sim_test_support.h"
#include "tests/support/dialog_driver_win32.h"
#include "transfer/export_command_win32.h"
#include "transfer/transfer_ids.h"

namespace {

typedef std::vector<std::string> Texts;

std::string g_target;
int g_chooser_calls = 0;
bool test_chooser(void*, char* path, uint32_t size) {
    ++g_chooser_calls;
    snprintf(path, size, "%s", g_target.c_str());
    return true;
}

// What the progress window was told while the export ran.
std::vector<WPARAM> g_positions;
Texts g_status_texts;
LRESULT CALLBACK watch_progress(int code, WPARAM wparam, LPARAM lparam) {
    const CWPSTRUCT* sent = (const CWPSTRUCT*)lparam;
    if (code == HC_ACTION) {
        int id = GetDlgCtrlID(sent->hwnd);
        if (sent->message == PBM_SETPOS && id == IDC_EXPORT_BAR) g_positions.push_back(sent->wParam);
        if (sent->message == WM_SETTEXT && id == IDC_EXPORT_STATUS) g_status_texts.push_back((const char*)sent->lParam);
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

std::string clients_fixture(int count) {
    std::string text;
    char name[32];
    for (int i = 0; i < count; ++i) {
        snprintf(name, sizeof name, "NAS%03d", i);
        text += std::string("object Client ") + name + "\nproperty IPAddress hex \"0a010203\"\n";
    }
    return text + "object ++l-Proxy P1\nproperty Retry-Count hex \"03000000\"\n";
}

class ExportCommand : public ConsoleTest {
protected:
    HHOOK hook = nullptr;
    void SetUp() override {
        ConsoleTest::SetUp();
        start_server(clients_fixture(40).c_str());
        connect();
        g_target = test_directory() + "\\gui.rif";
        remove(g_target.c_str());
        g_chooser_calls = 0;
        g_positions.clear();
        g_status_texts.clear();
        export_set_file_chooser(test_chooser);
        hook = SetWindowsHookExA(WH_CALLWNDPROC, watch_progress, nullptr, GetCurrentThreadId());
    }
    void TearDown() override {
        UnhookWindowsHookEx(hook);
        export_set_file_chooser(nullptr);
        forget_dialog_action();
        ConsoleTest::TearDown();
    }
    void run_export() { SendMessageA(main, WM_COMMAND, MAKEWPARAM(IDM_EXPORT, 0), 0); }
};

HWND list_of(HWND dialog, int page) { return GetDlgItem(dialog, IDC_SELECT_LIST + page); }
LRESULT selected(HWND dialog, int page) { return SendMessageA(list_of(dialog, page), LB_GETSELCOUNT, 0, 0); }
LRESULT entries(HWND dialog, int page) { return SendMessageA(list_of(dialog, page), LB_GETCOUNT, 0, 0); }

void show_tab(HWND dialog, int page) {
    HWND tabs = GetDlgItem(dialog, IDC_SELECT_TABS);
    SendMessageA(tabs, TCM_SETCURSEL, page, 0);
    NMHDR header = {tabs, (UINT_PTR)IDC_SELECT_TABS, (UINT)TCN_SELCHANGE};
    SendMessageA(dialog, WM_NOTIFY, IDC_SELECT_TABS, (LPARAM)&header);
}

std::string tab_text(HWND dialog, int page) {
    char text[64] = "";
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(GetDlgItem(dialog, IDC_SELECT_TABS), TCM_GETITEMA, page, (LPARAM)&item);
    return text;
}

TEST_F(ExportCommand, TheSelectionDialogChoosesWhatTheFileHolds) {
    Texts tabs;
    LRESULT clients = 0, after_all = 0, after_none = 0, proxies_visible = 0, after_select_all[6] = {};
    std::string title, prompt_text;
    when_dialog_opens([&](HWND dialog) {
        title = window_text(dialog);
        prompt_text = window_text(GetDlgItem(dialog, IDC_SELECT_PROMPT));
        for (int page = 0; page < 6; ++page) tabs.push_back(tab_text(dialog, page));
        clients = entries(dialog, 0);
        click(GetDlgItem(dialog, IDC_SELECT_PAGE_ALL));
        after_all = selected(dialog, 0);
        click(GetDlgItem(dialog, IDC_SELECT_PAGE_NONE));
        after_none = selected(dialog, 0);
        click(GetDlgItem(dialog, IDC_SELECT_ALL));
        for (int page = 0; page < 6; ++page) after_select_all[page] = selected(dialog, page);
        // Only the proxy: None on the clients' page, then OK.
        click(GetDlgItem(dialog, IDC_SELECT_PAGE_NONE));
        show_tab(dialog, 5);
        click(GetDlgItem(dialog, IDC_SELECT_PAGE_NONE));
        show_tab(dialog, 3);
        proxies_visible = IsWindowVisible(list_of(dialog, 3)) && !IsWindowVisible(list_of(dialog, 0));
        click(GetDlgItem(dialog, IDOK));
    });
    run_export();
    EXPECT_EQ(title, "Export");
    EXPECT_EQ(prompt_text, "Select items, then press OK to select export file.");
    EXPECT_EQ(tabs, (Texts{"RAS Clients", "Users", "Profiles", "Proxies", "Address Pools", "Other Data"}));
    EXPECT_EQ(clients, 40);
    EXPECT_EQ(after_all, 40);
    EXPECT_EQ(after_none, 0);
    EXPECT_EQ(after_select_all[0], 40);
    EXPECT_EQ(after_select_all[3], 1);
    EXPECT_EQ(after_select_all[5], 1);  // Access: the administrators are always offered
    EXPECT_TRUE(proxies_visible);
    EXPECT_EQ(g_chooser_calls, 1);
    EXPECT_EQ(read_test_file(g_target),
              "Radius Import Export Version 1.0\r\nProxy\r\n  P1\r\n    Retry-Count^=03000000\r\n");
    ASSERT_FALSE(prompt.asked.empty());
    EXPECT_EQ(prompt.asked.back().text, "1 objects were exported to " + g_target + ".");
}

TEST_F(ExportCommand, TheProgressWindowMovesAndTheFileIsReplacedOnYes) {
    FILE* old = fopen(g_target.c_str(), "wb");
    ASSERT_TRUE(old);
    fputs("old", old);
    fclose(old);
    prompt.answer(ANSWER_YES);  // replace
    when_dialog_opens([&](HWND dialog) {
        click(GetDlgItem(dialog, IDC_SELECT_PAGE_ALL));
        click(GetDlgItem(dialog, IDOK));
    });
    run_export();
    ASSERT_GE(prompt.asked.size(), 2u);
    EXPECT_EQ(prompt.asked[0].text, "Do you want to replace " + g_target + "?");
    EXPECT_EQ(prompt.asked[0].title, "File Already Exists");
    EXPECT_EQ(prompt.asked.back().text, "40 objects were exported to " + g_target + ".");
    std::string file = read_test_file(g_target);
    EXPECT_EQ(file.compare(0, 42, "Radius Import Export Version 1.0\r\nClient\r\n"), 0) << file;
    // The bar went from the first object to the last, and the status named them.
    ASSERT_EQ(g_positions.size(), 40u);
    EXPECT_EQ(g_positions.front(), 0u);
    EXPECT_EQ(g_positions.back(), 39u);
    ASSERT_FALSE(g_status_texts.empty());
    EXPECT_EQ(g_status_texts.front(), "Export Status: Exporting Clients - NAS000");
    EXPECT_EQ(FindWindowA(nullptr, "Exporting"), nullptr);  // gone again
    EXPECT_TRUE(IsWindowEnabled(main));
}

TEST_F(ExportCommand, CancelWritesNothingAndOkWithNothingSelectedSaysSo) {
    when_dialog_opens([&](HWND dialog) {
        click(GetDlgItem(dialog, IDOK));  // nothing selected: told, the dialog stays
        EXPECT_TRUE(IsWindowVisible(dialog));
        click(GetDlgItem(dialog, IDCANCEL));
    });
    run_export();
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "No records to export");
    EXPECT_EQ(g_chooser_calls, 0);
    EXPECT_EQ(read_test_file(g_target), "<missing>");
}

TEST_F(ExportCommand, ErrorsAreCountedInTheClosingMessage) {
    ASSERT_EQ(sim_add_fault(server, "1:4:3:fail=3"), 0);  // one client's read fails
    when_dialog_opens([&](HWND dialog) {
        click(GetDlgItem(dialog, IDC_SELECT_PAGE_ALL));
        click(GetDlgItem(dialog, IDOK));
    });
    run_export();
    ASSERT_FALSE(prompt.asked.empty());
    EXPECT_EQ(prompt.asked.back().title, "Import Error");
    EXPECT_EQ(prompt.asked.back().text,
              "1 File Export Errors occurred.\nNot all entries were exported correctly.\n Errors logged in export.log");
}

}  // namespace
