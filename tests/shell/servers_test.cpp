// The connection model against keelsim: local and remote connects, the
// logon path when the pipe refuses us, the checks after the open, the status
// box, disconnecting and switching modes. (The window side, with the notes
// and the scroll bar, is in gui/servers_test.cpp.)
#include <gtest/gtest.h>

#include <stdio.h>

#include <deque>
#include <string>
#include <vector>

#include "api/session.h"
#include "resources/strings.h"
#include "shell/servers.h"
#include "tests/sim/sim_test_support.h"
#include "tests/support/scripted_prompt.h"
#include "ui/wait_cursor.h"

namespace {

// The platform transport, refusing the first opens with 113 as a remote
// pipe does before we log on, and recording every pipe name opened.
struct TransportSpy {
    int refusals = 0;
    std::vector<std::string> opened;
};
TransportSpy g_spy;
Transport g_transport;

uint16_t spy_open(const char* pipe_name, TransportConnection** out) {
    g_spy.opened.push_back(pipe_name);
    if (g_spy.refusals > 0) {
        --g_spy.refusals;
        return 113;
    }
    return platform_transport()->open(pipe_name, out);
}

// What the model asked of the window around it.
struct Window {
    std::vector<std::string> titles;  // "-" for "not connected"
    std::vector<uint16_t> levels;
    int resets = 0;
    std::deque<bool> attach_results;  // refusals once they run out
    std::vector<std::string> attach_calls;
    bool logon_ok = false;
    int logon_asked = 0;
};
Window* g_window = nullptr;

bool fake_attach(const char* server, const char* user, const char* password) {
    g_window->attach_calls.push_back(std::string(server) + "|" + (user ? user : "-") + "|" +
                                     (password ? password : "-"));
    if (g_window->attach_results.empty()) return false;
    bool result = g_window->attach_results.front();
    g_window->attach_results.pop_front();
    return result;
}

class Servers : public SimServerTest {
protected:
    Window window;
    ConnectionHooks hooks = {};
    ScriptedPrompt prompt;
    std::string local;

    void SetUp() override {
        g_window = &window;
        g_spy = TransportSpy();
        session_reset();
        g_transport = *platform_transport();
        g_transport.open = spy_open;
        session_set_transport(&g_transport);
        connection_init(10);
        local = server_connection().local_name;
        ASSERT_FALSE(local.empty());

        hooks.context = &window;
        hooks.owner = &window;
        hooks.set_title = [](void* c, const char* server) { ((Window*)c)->titles.push_back(server ? server : "-"); };
        hooks.enable_panels = [](void* c, uint16_t level) { ((Window*)c)->levels.push_back(level); };
        hooks.reset_panels = [](void* c) { ((Window*)c)->resets++; };
        hooks.ask_logon = [](void* c, const char*, char* user, char* password) {
            Window* w = (Window*)c;
            w->logon_asked++;
            if (!w->logon_ok) return false;
            snprintf(user, LOGON_TEXT_SIZE, "RIVERNET\\admin");
            snprintf(password, LOGON_TEXT_SIZE, "s3cret");
            return true;
        };
        hooks.attach = fake_attach;
    }
    void TearDown() override {
        // Every path gives the cursor back, whatever it showed.
        EXPECT_EQ(wait_cursor_depth(), 0u);
        session_reset();
        connection_reset();
        SimServerTest::TearDown();
        g_window = nullptr;
    }
    std::string box() {
        static char text[STATUS_BOX_SIZE];
        connection_status_box(text, sizeof text);
        return text;
    }
};

TEST_F(Servers, LocalModeConnectsToThePipeUnderThisComputersName) {
    start("status-text \"Up 3 days\\r\\nDatabase ok\\r\\n\"\noption-mask 0x0F\n");
    EXPECT_EQ(connection_connect("IGNORED", hooks), CONNECT_DONE);
    ASSERT_EQ(g_spy.opened.size(), 1u);
    EXPECT_EQ(g_spy.opened[0], "\\\\" + local + "\\pipe\\RADIUS Server API");
    const ServerConnection& c = server_connection();
    EXPECT_EQ(std::string(c.server_name), local);
    EXPECT_EQ(c.access_level, 2);
    EXPECT_EQ(c.option_mask, 0x0Fu);
    EXPECT_EQ(c.platform_mask, 4);
    EXPECT_EQ(window.titles, std::vector<std::string>{local});
    EXPECT_EQ(window.levels, std::vector<uint16_t>{2});
    EXPECT_EQ(box(), "Up 3 days\r\nDatabase ok\r\n");
    EXPECT_TRUE(prompt.asked.empty());
    EXPECT_TRUE(server_controls(true).disconnect_enabled);
}

TEST_F(Servers, ServiceOlderThanTheConsoleGivesLevelZeroAndSaysWhy) {
    start("service-version 0x00011DFF\nstatus-text \"Up\"\n");
    EXPECT_EQ(connection_connect("", hooks), CONNECT_LIMITED);
    EXPECT_TRUE(connection_is_open());
    EXPECT_EQ(server_connection().access_level, 0);
    EXPECT_EQ(window.levels, std::vector<uint16_t>{0});
    EXPECT_EQ(box(), "Radius service v01.29.255 out of date (service required to be v01.30.00 or later)\r\n\r\nUp");
    EXPECT_EQ(sim_request_count(server, 11, 3), 0u);  // no further checks
    EXPECT_EQ(sim_request_count(server, 4, 5), 0u);
}

TEST_F(Servers, NoRightsKeepsTheSessionAndShowsTheNoteAboveTheStatus) {
    start("access-level 0\noption-mask 1\nstatus-text \"line 1\\nline 2\\n\"\n");
    EXPECT_EQ(connection_connect("", hooks), CONNECT_LIMITED);
    EXPECT_TRUE(connection_is_open());
    EXPECT_EQ(server_connection().option_mask, 0u);
    EXPECT_EQ(sim_request_count(server, 11, 1), 0u);
    EXPECT_EQ(box(), "Connected to Radius service v01.30.00 (insufficient rights)\r\n\r\nline 1\r\nline 2\r\n");
    EXPECT_TRUE(server_controls(true).disconnect_enabled);
}

TEST_F(Servers, RefusedPipeLogsOnWithTheCallersOwnCredentials) {
    start("");
    g_spy.refusals = 1;
    window.attach_results = {true};
    EXPECT_EQ(connection_connect("", hooks), CONNECT_DONE);
    EXPECT_EQ(window.attach_calls, std::vector<std::string>{local + "|-|-"});
    EXPECT_EQ(window.logon_asked, 0);
    EXPECT_EQ(g_spy.opened.size(), 2u);
    EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(Servers, CancelledLogonShowsNothingAndStaysDisconnected) {
    start("");
    g_spy.refusals = 5;
    EXPECT_EQ(connection_connect("", hooks), CONNECT_CANCELLED);
    EXPECT_EQ(window.logon_asked, 1);
    EXPECT_FALSE(connection_is_open());
    EXPECT_TRUE(prompt.asked.empty());
    EXPECT_STREQ(server_connection().attach_user, "");
    EXPECT_TRUE(window.titles.empty());
    EXPECT_EQ(box(), "Not connected");
}

TEST_F(Servers, EnteredLogonThatFailsShowsTheRemoteWording) {
    start("");
    ASSERT_TRUE(connection_set_mode(MODE_REMOTE, hooks));
    g_spy.refusals = 5;
    window.logon_ok = true;
    EXPECT_EQ(connection_connect("KEELSRV01", hooks), CONNECT_FAILED);
    EXPECT_EQ(window.attach_calls, (std::vector<std::string>{"KEELSRV01|-|-", "KEELSRV01|RIVERNET\\admin|s3cret"}));
    EXPECT_EQ(g_spy.opened.size(), 1u);  // no second open after a failed logon
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].title, "ERROR");
    EXPECT_EQ(prompt.asked[0].icon, PROMPT_ICON_STOP);
    EXPECT_EQ(prompt.asked[0].owner, &window);
    EXPECT_EQ(prompt.asked[0].text, string_text(IDS_CONNECT_FAILED_REMOTE));
    // The logon typed stays for the next attempt; the session does not.
    EXPECT_STREQ(server_connection().attach_user, "RIVERNET\\admin");
    EXPECT_FALSE(connection_is_open());
}

TEST_F(Servers, EnteredLogonThatWorksConnects) {
    start("");
    ASSERT_TRUE(connection_set_mode(MODE_REMOTE, hooks));
    g_spy.refusals = 1;
    window.logon_ok = true;
    window.attach_results = {false, true};
    EXPECT_EQ(connection_connect(local.c_str(), hooks), CONNECT_DONE);
    EXPECT_EQ(g_spy.opened.size(), 2u);
    EXPECT_TRUE(prompt.asked.empty());
    EXPECT_EQ(server_connection().access_level, 2);
}

TEST_F(Servers, LeadingBackslashesAreNotPartOfTheServerName) {
    start("");
    ASSERT_TRUE(connection_set_mode(MODE_REMOTE, hooks));
    std::string typed = "\\\\" + local;
    EXPECT_EQ(connection_connect(typed.c_str(), hooks), CONNECT_DONE);
    ASSERT_EQ(g_spy.opened.size(), 1u);
    EXPECT_EQ(g_spy.opened[0], "\\\\" + local + "\\pipe\\RADIUS Server API");
    EXPECT_EQ(window.titles, std::vector<std::string>{local});
    EXPECT_STREQ(server_connection().server_name, local.c_str());
}

TEST_F(Servers, MissingServerShowsTheLocalWording) {
    // No server started: the open fails with 104.
    EXPECT_EQ(connection_connect("", hooks), CONNECT_FAILED);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "Unable to connect to Radius NT Service.\nService may be down.");
    EXPECT_TRUE(window.attach_calls.empty());
    EXPECT_FALSE(connection_is_open());
}

TEST_F(Servers, ConnectingAgainClosesAndResetsFirst) {
    start("");
    ASSERT_EQ(connection_connect("", hooks), CONNECT_DONE);
    ASSERT_EQ(connection_connect("", hooks), CONNECT_DONE);
    EXPECT_EQ(window.resets, 1);
    EXPECT_EQ(window.titles, (std::vector<std::string>{local, "-", local}));
    EXPECT_EQ(window.levels, (std::vector<uint16_t>{2, 0, 2}));
}

TEST_F(Servers, DisconnectClosesLocksAndResetsEveryPanel) {
    start("status-text \"Up\"\n");
    ASSERT_EQ(connection_connect("", hooks), CONNECT_DONE);
    connection_disconnect(hooks);
    EXPECT_FALSE(connection_is_open());
    EXPECT_EQ(server_connection().access_level, 0);
    EXPECT_EQ(window.resets, 1);
    EXPECT_EQ(window.titles.back(), "-");
    EXPECT_EQ(window.levels.back(), 0);
    EXPECT_EQ(box(), "Not connected");
    EXPECT_FALSE(connection_status_needs_scroll_bar());
    EXPECT_FALSE(server_controls(true).disconnect_enabled);
    connection_disconnect(hooks);  // nothing to close: nothing happens
    EXPECT_EQ(window.resets, 1);
}

TEST_F(Servers, SwitchingModeDisconnectsFirst) {
    start("");
    ASSERT_EQ(connection_connect("", hooks), CONNECT_DONE);
    EXPECT_FALSE(connection_set_mode(MODE_LOCAL, hooks));  // already local
    EXPECT_TRUE(connection_is_open());
    EXPECT_TRUE(connection_set_mode(MODE_REMOTE, hooks));
    EXPECT_FALSE(connection_is_open());
    EXPECT_EQ(window.resets, 1);
    EXPECT_EQ(server_connection().mode, MODE_REMOTE);
}

TEST_F(Servers, RemoteConnectNeedsAName) {
    ASSERT_TRUE(connection_set_mode(MODE_REMOTE, hooks));
    EXPECT_FALSE(server_controls(true).connect_enabled);
    EXPECT_TRUE(server_controls(false).connect_enabled);
    EXPECT_TRUE(server_controls(true).server_field_enabled);
    EXPECT_EQ(connection_connect("", hooks), CONNECT_NO_NAME);
    EXPECT_TRUE(g_spy.opened.empty());
    EXPECT_TRUE(prompt.asked.empty());
    connection_set_mode(MODE_LOCAL, hooks);
    EXPECT_TRUE(server_controls(true).connect_enabled);
    EXPECT_FALSE(server_controls(false).server_field_enabled);
}

TEST_F(Servers, FailedStatusRequestLeavesTheBoxEmpty) {
    start("status-text \"Up\"\n");
    ASSERT_EQ(sim_add_fault(server, "6:1:1:fail=5"), 0);
    EXPECT_EQ(connection_connect("", hooks), CONNECT_DONE);
    EXPECT_EQ(box(), "");
    refresh_server_status();
    EXPECT_EQ(box(), "Up");
}

}  // namespace
