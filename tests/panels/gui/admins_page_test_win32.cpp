// The Access page and its two Add Administrator dialogs in the console's own
// windows, with keelsim in this process and the browser library's test copy
// (keelntbrs_test.dll, next to this program as keelntbrs.dll) browsing a
// scripted network.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "netbrowse/netview.h"
#include "netbrowse/netview_lists_win32.h"
#include "panels/admins.h"
#include "panels/admins_ids.h"
#include "resources/shell_ids.h"
#include "shell/main_window_win32.h"
#include "tests/netbrowse/fake_directory.h"
#include "tests/shell/gui/console_fixture_win32.h"
#include "tests/support/dialog_driver_win32.h"

namespace {

void CALLBACK close_active_dialog(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND dialog = GetActiveWindow();
    if (dialog && dialog != main_window()) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

// The test copy's scripting functions, by name.
template <typename Function>
Function fake(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("keelntbrs.dll"), name)));
}

// "name/icon" for every item of a list view.
std::vector<std::string> items(HWND list) {
    std::vector<std::string> out;
    int count = (int)SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        char text[260] = {};
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = i;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(list, LVM_GETITEMA, 0, (LPARAM)&item);
        out.push_back(std::string(text) + "/" + std::to_string(item.iImage));
    }
    return out;
}

int selected_item(HWND list) { return (int)SendMessageA(list, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED); }

LPARAM item_centre(HWND list, int index) {
    RECT rect = {};
    rect.left = LVIR_LABEL;
    SendMessageA(list, LVM_GETITEMRECT, (WPARAM)index, (LPARAM)&rect);
    return MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

void click_item(HWND list, int index) {
    PostMessageA(list, WM_LBUTTONUP, 0, item_centre(list, index));
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, item_centre(list, index));
    pump();
}

void double_click_item(HWND list, int index) {
    SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, item_centre(list, index));
    SendMessageA(list, WM_LBUTTONUP, 0, item_centre(list, index));
    pump();
}

std::string computer() {
    char name[MAX_COMPUTERNAME_LENGTH + 1] = "";
    DWORD size = sizeof name;
    GetComputerNameA(name, &size);
    return name;
}

const char FIXTURE[] = "option-mask 0x01\nadmin user zed\nadmin user Alice\nadmin group Operators\n";

class AccessPage : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        fake<void (*)()>("fake_net_reset")();
        std::string host = "\\\\" + computer();
        auto add_account = fake<void (*)(const char*, int, const char*)>("fake_net_add_account");
        add_account(host.c_str(), 0, "bob");
        add_account(host.c_str(), 1, "Staff");
        add_account("\\\\SALESDC", 0, "jdoe");
        add_account("\\\\SALESDC", 1, "Sales Staff");
        auto add_domain = fake<void (*)(const char*, const char*, const char*)>("fake_net_add_domain");
        add_domain("SALES", "\\\\SALESDC", "");
        add_domain("NOCTRL", "", "");
        // The domains as the library's lookup finds them now.
        NetViewFlushCache(NETVIEW_CACHE_DOMAINS);
        NetViewResetGetDomainEvent();
        ASSERT_EQ(NetViewInitDomainLookup(), 1);
        ASSERT_EQ(NetViewWaitOnGetDomainEvent(NETVIEW_LOOKUP_WAIT_MS), 0u);
    }
    void TearDown() override {
        ConsoleTest::TearDown();
        forget_dialog_action();
    }
    void open(const char* fixture) {
        start_server(fixture);
        connect();
        click(GetDlgItem(main, IDC_PANEL_ACCESS));
    }

    HWND access() { return page(7); }
    HWND control(int id) { return GetDlgItem(access(), id); }
    HWND list() { return control(IDC_ADMIN_LIST); }
    bool enabled(int id) { return IsWindowEnabled(control(id)) != FALSE; }
};

TEST_F(AccessPage, ListsWithIconsAndRemovesWithTheReselectionRule) {
    open(FIXTURE);
    EXPECT_EQ(items(list()), (std::vector<std::string>{"Alice/0", "Operators/1", "zed/0"}));
    EXPECT_FALSE(enabled(IDC_ADMIN_REMOVE));
    EXPECT_TRUE(enabled(IDC_ADMIN_ADD_LOCAL));
    EXPECT_TRUE(enabled(IDC_ADMIN_ADD_REMOTE));
    EXPECT_NE(SendMessageA(list(), LVM_GETIMAGELIST, LVSIL_SMALL, 0), 0);

    SetFocus(list());
    press_key(VK_F1);
    ASSERT_FALSE(g_help_calls.empty());
    EXPECT_EQ(g_help_calls.back().data, (ULONG_PTR)HELP_CONTEXT_ACCESS);

    click_item(list(), 0);
    EXPECT_EQ(selected_item(list()), 0);
    EXPECT_TRUE(enabled(IDC_ADMIN_REMOVE));
    click(control(IDC_ADMIN_REMOVE));
    EXPECT_EQ(items(list()), (std::vector<std::string>{"Operators/1", "zed/0"}));
    EXPECT_EQ(selected_item(list()), 0);  // Operators took its place
    click_item(list(), 1);
    click(control(IDC_ADMIN_REMOVE));
    EXPECT_EQ(items(list()), (std::vector<std::string>{"Operators/1"}));
    EXPECT_EQ(selected_item(list()), -1);
    EXPECT_FALSE(enabled(IDC_ADMIN_REMOVE));
    EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(AccessPage, ARefusedRemovalIsReportedAndTheEntryStays) {
    open(FIXTURE);
    sim_add_fault(server, "3:2:1:fail=7");
    click_item(list(), 1);
    click(control(IDC_ADMIN_REMOVE));
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_NE(prompt.asked[0].text.find("(0007: "), std::string::npos) << prompt.asked[0].text;
    EXPECT_EQ(items(list()).size(), 3u);
    EXPECT_EQ(selected_item(list()), 1);
}

TEST_F(AccessPage, OptionBitsDisableTheAddButtons) {
    open("option-mask 0x10\n");
    EXPECT_FALSE(enabled(IDC_ADMIN_ADD_LOCAL));
    EXPECT_FALSE(enabled(IDC_ADMIN_ADD_REMOTE));
    EXPECT_FALSE(enabled(IDC_ADMIN_REMOVE));
    EXPECT_TRUE(items(list()).empty());
}

TEST_F(AccessPage, AddLocalOffersTheHostsAccounts) {
    open(FIXTURE);
    bool ran = false;
    std::vector<std::string> offered, after_add, after_refresh;
    bool add_at_start = true, add_after_choice = false, add_after_add = true;
    RECT placed = {}, list_rect = {}, main_rect = {};
    when_dialog_opens([&](HWND dialog) {
        ran = true;
        HWND accounts = GetDlgItem(dialog, IDC_PICK_ACCOUNTS);
        GetWindowRect(dialog, &placed);
        offered = items(accounts);
        add_at_start = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
        click_item(accounts, 0);  // bob
        add_after_choice = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
        click(GetDlgItem(dialog, IDOK));
        after_add = items(list());
        add_after_add = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
        EXPECT_EQ(selected_item(accounts), -1);
        double_click_item(accounts, 1);  // Staff, a group
        // A refused addition: reported once, the list read again.
        sim_add_fault(server, "3:2:1:fail=3");
        double_click_item(accounts, 0);
        fake<void (*)(const char*, int, const char*)>("fake_net_add_account")(("\\\\" + computer()).c_str(), 0,
                                                                              "carol");
        click(GetDlgItem(dialog, IDC_PICK_REFRESH));
        after_refresh = items(accounts);
        // F1 through the dialog's own loop, and Close once that has run.
        SetFocus(accounts);
        PostMessageA(accounts, WM_KEYDOWN, VK_F1, 1);
        SetTimer(nullptr, 0, 300, close_active_dialog);
    });
    click(control(IDC_ADMIN_ADD_LOCAL));
    ASSERT_TRUE(ran);
    GetWindowRect(list(), &list_rect);
    GetWindowRect(main, &main_rect);
    EXPECT_EQ(placed.left, list_rect.left + 9);
    EXPECT_EQ(placed.top, main_rect.top + 9);
    EXPECT_EQ(offered, (std::vector<std::string>{"bob/2", "Staff/3"}));
    EXPECT_FALSE(add_at_start);
    EXPECT_TRUE(add_after_choice);
    EXPECT_FALSE(add_after_add);
    EXPECT_EQ(after_add, (std::vector<std::string>{"Alice/0", "bob/0", "Operators/1", "zed/0"}));
    EXPECT_EQ(items(list()), (std::vector<std::string>{"Alice/0", "bob/0", "Operators/1", "Staff/1", "zed/0"}));
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_NE(prompt.asked[0].text.find("(0003: "), std::string::npos) << prompt.asked[0].text;
    EXPECT_EQ(after_refresh, (std::vector<std::string>{"bob/2", "carol/2", "Staff/3"}));
    // F1 in the dialog used its help context; closed, the page's is back.
    ASSERT_GE(g_help_calls.size(), 1u);
    EXPECT_EQ(g_help_calls.back().data, (ULONG_PTR)HELP_CONTEXT_ADD_LOCAL_ADMIN);
    SetFocus(list());
    press_key(VK_F1);
    EXPECT_EQ(g_help_calls.back().data, (ULONG_PTR)HELP_CONTEXT_ACCESS);
}

TEST_F(AccessPage, AddRemoteSendsDomainAndAccount) {
    open(FIXTURE);
    bool ran = false;
    std::vector<std::string> domains_offered, accounts_offered;
    bool add_after_domain = true;
    when_dialog_opens([&](HWND dialog) {
        ran = true;
        HWND domains = GetDlgItem(dialog, IDC_PICK_DOMAINS);
        HWND accounts = GetDlgItem(dialog, IDC_PICK_ACCOUNTS);
        domains_offered = items(domains);  // NOCTRL has no controller
        click_item(domains, 0);
        accounts_offered = items(accounts);
        add_after_domain = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
        click_item(accounts, 0);
        click(GetDlgItem(dialog, IDOK));
        double_click_item(accounts, 1);
        click(GetDlgItem(dialog, IDC_PICK_REFRESH));
        EXPECT_EQ(items(domains), (std::vector<std::string>{"SALES/0"}));
        EXPECT_TRUE(items(accounts).empty());
        click(GetDlgItem(dialog, IDCANCEL));
    });
    click(control(IDC_ADMIN_ADD_REMOTE));
    ASSERT_TRUE(ran);
    EXPECT_EQ(domains_offered, (std::vector<std::string>{"SALES/0"}));
    EXPECT_EQ(accounts_offered, (std::vector<std::string>{"jdoe/2", "Sales Staff/3"}));
    EXPECT_FALSE(add_after_domain);
    EXPECT_EQ(items(list()),
              (std::vector<std::string>{"Alice/0", "Operators/1", "SALES\\jdoe/0", "SALES\\Sales Staff/1", "zed/0"}));
    EXPECT_TRUE(prompt.asked.empty());
}

// The network slower than the 20-second wait: the domains found so far
// (none yet), and a warning rather than a failure.
TEST_F(AccessPage, ADomainLookupOutlastingTheWaitIsAWarning) {
    open(FIXTURE);
    auto hold = fake<void (*)(int, int)>("fake_net_hold");
    hold(CALL_DOMAINS, 1);
    NetViewFlushCache(NETVIEW_CACHE_DOMAINS);
    NetViewResetGetDomainEvent();
    ASSERT_EQ(NetViewInitDomainLookup(), 1);
    std::vector<std::string> offered = {"not opened"};
    when_dialog_opens([&](HWND dialog) {
        offered = items(GetDlgItem(dialog, IDC_PICK_DOMAINS));
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    DWORD start = GetTickCount();
    click(control(IDC_ADMIN_ADD_REMOTE));
    EXPECT_GE(GetTickCount() - start, NETVIEW_LOOKUP_WAIT_MS - 500);
    hold(CALL_DOMAINS, 0);
    EXPECT_EQ(NetViewWaitOnGetDomainEvent(NETVIEW_LOOKUP_WAIT_MS), 0u);
    EXPECT_TRUE(offered.empty());
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].title, "WARNING");
    EXPECT_EQ(prompt.asked[0].text, NETVIEW_DOMAIN_WAIT_TEXT);
    EXPECT_EQ(prompt.asked[0].icon, PROMPT_ICON_EXCLAMATION);
}

}  // namespace
