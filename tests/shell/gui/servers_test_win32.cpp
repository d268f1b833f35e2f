// The Servers panel against keelsim in this process: connect and
// disconnect in local mode, the version and rights notes, the status box's
// scroll bar, the idle keep-alive, remote mode, the Attach to Host dialog
// and address fields.
#include <windows.h>

#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "api/session.h"
#include "platform/computer_name.h"
#include "platform/resolver.h"
#include "resources/shell_ids.h"
#include "shell/dialogs_win32.h"
#include "shell/main_window_win32.h"
#include "shell/servers.h"
#include "shell/subdlg_win32.h"
#include "tests/shell/gui/console_fixture_win32.h"
#include "tests/shell/gui/gui_ids.h"

namespace {

std::string lines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += "status line " + std::to_string(i) + "\\r\\n";
    return text;
}

std::string this_computer() {
    char name[256];
    return computer_name(name, sizeof name) ? name : "";
}

class Servers : public ConsoleTest {
protected:
    HWND box() { return servers_control(IDC_STATUS_BOX); }
    bool enabled(int id) { return IsWindowEnabled(servers_control(id)) != FALSE; }
};

TEST_F(Servers, ConnectAndDisconnectInLocalMode) {
    start_server("status-text \"Keelgate Access Control RADIUS service\\r\\nUsers: 50\\r\\n\"\noption-mask 0x0F\n");
    spy_on_panels();
    connect();
    EXPECT_TRUE(prompt.asked.empty());
    EXPECT_EQ(window_text(main), "Keelgate Access Control Administrator (" + this_computer() + ")");
    EXPECT_EQ(window_text(box()), "Keelgate Access Control RADIUS service\r\nUsers: 50\r\n");
    EXPECT_TRUE(enabled(IDC_DISCONNECT));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(main, IDC_PANEL_STATISTICS)));
    EXPECT_EQ(server_connection().option_mask, 0x0Fu);

    disconnect();
    EXPECT_EQ(window_text(main), "Keelgate Access Control Administrator");
    EXPECT_EQ(window_text(box()), "Not connected");
    EXPECT_FALSE(has_scroll_bar(box()));
    EXPECT_FALSE(enabled(IDC_DISCONNECT));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(main, IDC_PANEL_USERS)));
    for (uint32_t i = 1; i <= 9; ++i) EXPECT_EQ(g_panel_spies[i].resets, 1) << i;
    EXPECT_EQ(current_session(), nullptr);
    // The keyboard did not stay on the disabled Disconnect button.
    HWND focus = GetFocus();
    EXPECT_TRUE(focus == nullptr || IsWindowEnabled(focus));
}

TEST_F(Servers, ServiceOlderThanTheConsoleIsNamedInTheStatusBox) {
    start_server("service-version 0x00011DFF\nstatus-text \"Up\"\n");
    connect();
    EXPECT_EQ(window_text(box()),
              "Radius service v01.29.255 out of date (service required to be v01.30.00 or later)\r\n\r\nUp");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(main, IDC_PANEL_RAS_CLIENTS)));
    EXPECT_TRUE(enabled(IDC_DISCONNECT));  // connected all the same
}

TEST_F(Servers, ServiceRefusingThisConsoleNamesTheVersionItRequires) {
    start_server("required-console-version 0x00011F00\n");
    connect();
    EXPECT_EQ(window_text(box()), "Radius service v01.30.00 requires v01.31.00 admin (this is v01.30.00)\r\n\r\n");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(main, IDC_PANEL_USERS)));
}

TEST_F(Servers, LevelZeroSaysInsufficientRightsAndLeavesOnlyServers) {
    start_server("access-level 0\nstatus-text \"Up\"\n");
    connect();
    EXPECT_EQ(window_text(box()), "Connected to Radius service v01.30.00 (insufficient rights)\r\n\r\nUp");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(main, IDC_PANEL_SERVERS)));
    for (int button = IDC_PANEL_RAS_CLIENTS; button <= IDC_PANEL_LAST; ++button)
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(main, button))) << button;
    EXPECT_FALSE(GetMenuState(GetMenu(main), IDM_SETTINGS, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(GetMenu(main), IDM_IMPORT, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(Servers, TwelveLinesInABoxOfTenShowTheScrollBarTenDoNot) {
    start_server(("status-text \"" + lines(12) + "\"\n").c_str());
    ASSERT_GE(server_connection().visible_lines, 10);  // the box was measured at creation
    server_connection().visible_lines = 10;
    connect();
    EXPECT_TRUE(has_scroll_bar(box()));
    ASSERT_EQ(sim_apply(server, ("status-text \"" + lines(10) + "\"").c_str()), 0);
    connect();  // connecting again refreshes the box
    EXPECT_FALSE(has_scroll_bar(box()));
}

uint32_t g_now = 0;
uint32_t fake_ticks() { return g_now; }

TEST_F(Servers, ThirtySecondsIdleSendExactlyOneKeepAlive) {
    start_server("");
    g_now = 1000000;
    session_set_tick_source(fake_ticks);
    connect();
    pump(600);  // ticks while the session is fresh send nothing
    EXPECT_EQ(sim_request_count(server, 9, 1), 0u);
    g_now += 30000;  // exactly 30 s is not yet idle
    pump(600);
    EXPECT_EQ(sim_request_count(server, 9, 1), 0u);
    g_now += 1;
    pump(800);  // several ticks: the keep-alive itself makes the session fresh
    EXPECT_EQ(sim_request_count(server, 9, 1), 1u);
    session_set_tick_source(nullptr);
}

TEST_F(Servers, RemoteModeNeedsANameAndSwitchingDisconnects) {
    start_server("");
    connect();
    ASSERT_NE(current_session(), nullptr);
    click(servers_control(IDC_REMOTE));
    EXPECT_EQ(current_session(), nullptr);
    EXPECT_EQ(window_text(box()), "Not connected");
    EXPECT_TRUE(enabled(IDC_SERVER_NAME));
    EXPECT_FALSE(enabled(IDC_CONNECT));
    SetWindowTextA(servers_control(IDC_SERVER_NAME), "K");
    EXPECT_TRUE(enabled(IDC_CONNECT));
    SetWindowTextA(servers_control(IDC_SERVER_NAME), "");
    EXPECT_FALSE(enabled(IDC_CONNECT));

    // Remote mode reaches this computer by its name too.
    SetWindowTextA(servers_control(IDC_SERVER_NAME), this_computer().c_str());
    connect();
    EXPECT_NE(current_session(), nullptr);
    click(servers_control(IDC_LOCAL));
    EXPECT_EQ(current_session(), nullptr);
    EXPECT_EQ(window_text(servers_control(IDC_SERVER_NAME)), "");
    EXPECT_FALSE(enabled(IDC_SERVER_NAME));
    EXPECT_TRUE(enabled(IDC_CONNECT));
}

// Drives the Attach to Host dialog from inside its own loop.
struct AttachDriver {
    bool ok_enabled_at_start = true;
    bool ok_enabled_after_typing = false;
    std::string prompt;
    bool cancel = false;
    bool done = false;
};
AttachDriver g_attach;

void CALLBACK drive_attach(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = GetActiveWindow();
    if (!dialog || !GetDlgItem(dialog, IDC_ATTACH_USER) || g_attach.done) return;
    KillTimer(nullptr, timer);
    g_attach.done = true;
    HWND ok = GetDlgItem(dialog, IDOK);
    g_attach.ok_enabled_at_start = IsWindowEnabled(ok) != FALSE;
    g_attach.prompt = window_text(GetDlgItem(dialog, IDC_ATTACH_HOST_NAME));
    SetDlgItemTextA(dialog, IDC_ATTACH_USER, "RIVERNET\\admin");
    SetDlgItemTextA(dialog, IDC_ATTACH_PASSWORD, "s3cret");
    g_attach.ok_enabled_after_typing = IsWindowEnabled(ok) != FALSE;
    PostMessageA(dialog, WM_COMMAND, g_attach.cancel ? IDCANCEL : IDOK, 0);
}

TEST_F(Servers, AttachDialogNeedsAUserNameAndStoresBothTexts) {
    g_attach = AttachDriver();
    SetTimer(nullptr, 0, 50, drive_attach);
    char user[LOGON_TEXT_SIZE] = "", password[LOGON_TEXT_SIZE] = "";
    EXPECT_TRUE(attach_dialog_run(main, "KEELSRV01", user, password));
    EXPECT_TRUE(g_attach.done);
    EXPECT_FALSE(g_attach.ok_enabled_at_start);
    EXPECT_TRUE(g_attach.ok_enabled_after_typing);
    EXPECT_EQ(g_attach.prompt, "\\\\KEELSRV01 refused this console. Log on to the host as:");
    EXPECT_STREQ(user, "RIVERNET\\admin");
    EXPECT_STREQ(password, "s3cret");

    g_attach = AttachDriver();
    g_attach.cancel = true;
    SetTimer(nullptr, 0, 50, drive_attach);
    char untouched[LOGON_TEXT_SIZE] = "before";
    EXPECT_FALSE(attach_dialog_run(main, "KEELSRV01", untouched, password));
    EXPECT_STREQ(untouched, "before");
}

}  // namespace
