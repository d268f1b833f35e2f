// The main window: one instance, panel switching with a panel that refuses
// to be left, the access-level gate, closing, help, the About box, and the
// string table compiled into the program.
#include <windows.h>

#include <gtest/gtest.h>

#include "console/panel_table_win32.h"
#include "resources/shell_ids.h"
#include "resources/strings.h"
#include "shell/app_win32.h"
#include "shell/main_window_win32.h"
#include "shell/panel_win32.h"
#include "shell/subdlg_win32.h"
#include "tests/shell/gui/console_fixture_win32.h"

namespace {

int count_main_windows() {
    int count = 0;
    for (HWND window = FindWindowExA(nullptr, nullptr, MAIN_WINDOW_CLASS, nullptr); window;
         window = FindWindowExA(nullptr, window, MAIN_WINDOW_CLASS, nullptr))
        ++count;
    return count;
}

bool menu_enabled(HWND window, UINT item) {
    return !(GetMenuState(GetMenu(window), item, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
}

bool checked(HWND window, int button) { return IsDlgButtonChecked(window, button) == BST_CHECKED; }

using Frame = ConsoleTest;

TEST_F(Frame, SecondStartBringsTheFirstForward) {
    HWND second = nullptr;
    EXPECT_EQ(app_start(GetModuleHandleA(nullptr), SW_SHOW, CONSOLE_PANELS, &second), APP_ALREADY_RUNNING);
    EXPECT_EQ(second, nullptr);
    EXPECT_EQ(count_main_windows(), 1);
    EXPECT_TRUE(IsWindowVisible(main));
}

TEST_F(Frame, StartsOnTheServersPanelWithEveryPanelHosted) {
    EXPECT_EQ(window_text(main), "Keelgate Access Control Administrator");
    EXPECT_EQ(subdlg_page_count(panel_host()), CONSOLE_PANELS.count);
    EXPECT_EQ(subdlg_current_index(panel_host()), 1u);
    EXPECT_TRUE(IsWindowVisible(page(1)));
    for (uint32_t i = 2; i <= CONSOLE_PANELS.count; ++i) EXPECT_FALSE(IsWindowVisible(page(i))) << i;
    EXPECT_TRUE(checked(main, IDC_PANEL_SERVERS));
    EXPECT_EQ(window_text(servers_control(IDC_STATUS_BOX)), "Not connected");
    EXPECT_EQ(subdlg_page(panel_host(), 0), nullptr);
    EXPECT_EQ(subdlg_page(panel_host(), CONSOLE_PANELS.count + 1), nullptr);
}

TEST_F(Frame, LevelZeroLeavesOnlyServersAndGraysImportExportReport) {
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(main, IDC_PANEL_SERVERS)));
    for (int button = IDC_PANEL_RAS_CLIENTS; button <= IDC_PANEL_LAST; ++button)
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(main, button))) << button;
    EXPECT_FALSE(menu_enabled(main, IDM_IMPORT));
    EXPECT_FALSE(menu_enabled(main, IDM_EXPORT));
    EXPECT_FALSE(menu_enabled(main, IDM_REPORT));
    for (UINT item : {IDM_SETTINGS, IDM_EXIT, IDM_HELP_CONTENTS, IDM_HELP_TOPIC, IDM_VENDOR_INFO, IDM_ABOUT})
        EXPECT_TRUE(menu_enabled(main, item)) << item;
    enable_panels(2);
    for (int button = IDC_PANEL_FIRST; button <= IDC_PANEL_LAST; ++button)
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(main, button))) << button;
    EXPECT_TRUE(menu_enabled(main, IDM_IMPORT));
    EXPECT_TRUE(menu_enabled(main, IDM_REPORT));
    enable_panels(1);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(main, IDC_PANEL_USERS)));
    EXPECT_FALSE(menu_enabled(main, IDM_EXPORT));
}

TEST_F(Frame, VetoKeepsThePanelAndTheChecks) {
    spy_on_panels();
    enable_panels(2);
    g_panel_spies[1].veto = 1;
    click(GetDlgItem(main, IDC_PANEL_USERS));
    EXPECT_EQ(g_panel_spies[1].queries, 1);
    EXPECT_EQ(subdlg_current_index(panel_host()), 1u);
    EXPECT_TRUE(IsWindowVisible(page(1)));
    EXPECT_TRUE(checked(main, IDC_PANEL_SERVERS));
    EXPECT_FALSE(checked(main, IDC_PANEL_USERS));
    EXPECT_EQ(g_panel_spies[3].activations, 0);

    g_panel_spies[1].veto = 0;
    click(GetDlgItem(main, IDC_PANEL_USERS));
    EXPECT_EQ(subdlg_current_index(panel_host()), 3u);
    EXPECT_TRUE(IsWindowVisible(page(3)));
    EXPECT_FALSE(IsWindowVisible(page(1)));
    EXPECT_TRUE(checked(main, IDC_PANEL_USERS));
    EXPECT_FALSE(checked(main, IDC_PANEL_SERVERS));
    EXPECT_EQ(g_panel_spies[3].activations, 1);

    // The visible panel's own button: nothing is asked or activated again.
    click(GetDlgItem(main, IDC_PANEL_USERS));
    EXPECT_EQ(g_panel_spies[3].activations, 1);
    EXPECT_EQ(g_panel_spies[3].queries, 0);
}

TEST_F(Frame, CloseBoxAsksThePanelExitDoesNot) {
    spy_on_panels();
    g_panel_spies[1].veto = 1;
    SendMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(main));
    EXPECT_EQ(g_panel_spies[1].queries, 1);
    EXPECT_EQ(SendMessageA(main, WM_QUERYENDSESSION, 0, 0), FALSE);
    SendMessageA(main, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_FALSE(IsWindow(main));
    EXPECT_EQ(g_panel_spies[1].queries, 2);
    EXPECT_EQ(main_window(), nullptr);
}

TEST_F(Frame, TimerTicksTheVisiblePanelOnly) {
    spy_on_panels();
    pump(800);
    EXPECT_GE(g_panel_spies[1].ticks, 2);
    for (uint32_t i = 2; i <= CONSOLE_PANELS.count; ++i) EXPECT_EQ(g_panel_spies[i].ticks, 0) << i;
}

TEST_F(Frame, F1OpensTheServersTopic) {
    SetFocus(servers_control(IDC_CONNECT));
    press_key(VK_F1);
    ASSERT_EQ(g_help_calls.size(), 1u);
    EXPECT_EQ(g_help_calls[0].command, (UINT)HELP_CONTEXT);
    EXPECT_EQ(g_help_calls[0].data, 1024u);
    const std::string& file = g_help_calls[0].file;
    ASSERT_GT(file.size(), 4u);
    EXPECT_EQ(file.substr(file.size() - 4), ".HLP");
    SendMessageA(main, WM_COMMAND, IDM_HELP_CONTENTS, 0);
    ASSERT_EQ(g_help_calls.size(), 2u);
    EXPECT_EQ(g_help_calls[1].command, (UINT)HELP_FINDER);
    SendMessageA(main, WM_COMMAND, IDM_VENDOR_INFO, 0);
    EXPECT_EQ(g_help_calls[2].file, "RasInfo.hlp");
}

// Runs inside the About box's own loop: checks it, presses F1 there, closes it.
struct AboutCheck {
    std::string title, product, notice;
    bool done = false;
};
AboutCheck g_about;

void CALLBACK drive_about(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = GetActiveWindow();
    if (!box || box == main_window() || g_about.done) return;
    KillTimer(nullptr, timer);
    g_about.done = true;
    g_about.title = window_text(box);
    g_about.product = window_text(GetDlgItem(box, IDC_ABOUT_TITLE));
    g_about.notice = window_text(GetDlgItem(box, IDC_ABOUT_NOTICE));
    PostMessageA(GetDlgItem(box, IDOK), WM_KEYDOWN, VK_F1, 1);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST_F(Frame, AboutBoxNamesTheProductAndF1WorksInsideIt) {
    g_about = AboutCheck();
    SetTimer(nullptr, 0, 50, drive_about);
    SendMessageA(main, WM_COMMAND, IDM_ABOUT, 0);
    pump(100);
    EXPECT_TRUE(g_about.done);
    EXPECT_EQ(g_about.title, "About Keelgate Access Control Administrator");
    EXPECT_EQ(g_about.product, "Keelgate Access Control Administrator");
    EXPECT_EQ(g_about.notice, "Administrator console version 01.30.00");
    ASSERT_EQ(g_help_calls.size(), 1u);  // the F1 hook posted the help command
    EXPECT_EQ(g_help_calls[0].command, (UINT)HELP_CONTEXT);
}

TEST(Resources, StringTableOfTheProgramMatchesThePortableOne) {
    uint32_t count = 0;
    const StringEntry* table = string_table(&count);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (uint32_t i = 0; i < count; ++i) {
        const StringEntry& entry = table[i];
        char loaded[4100] = "";
        LoadStringA(instance, entry.id, loaded, sizeof loaded);
        EXPECT_STREQ(loaded, entry.text) << entry.id;
    }
}

}  // namespace
