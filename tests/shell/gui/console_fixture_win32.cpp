#include "tests/shell/gui/console_fixture_win32.h"

#include <stdio.h>

#include "api/session.h"
#include "console/panel_table_win32.h"
#include "resources/shell_ids.h"
#include "shell/app_win32.h"
#include "shell/main_window_win32.h"
#include "shell/panel_win32.h"
#include "shell/servers.h"
#include "shell/subdlg_win32.h"
#include "tests/support/own_desktop_win32.h"
#include "ui/help_win32.h"

std::vector<HelpCall> g_help_calls;
PanelSpy g_panel_spies[10];

namespace {

void record_help(const char* file, UINT command, ULONG_PTR data) { g_help_calls.push_back({file, command, data}); }

INT_PTR CALLBACK spy_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam) {
    uint32_t index = 0;
    for (uint32_t i = 1; i <= CONSOLE_PANELS.count; ++i)
        if (subdlg_page(panel_host(), i) == page) index = i;
    PanelSpy& spy = g_panel_spies[index];
    if (message == WM_COMMAND) {
        switch (LOWORD(wparam)) {
            case PANEL_ACTIVATE: spy.activations++; break;
            case PANEL_RESET: spy.resets++; break;
            case PANEL_TICK: spy.ticks++; break;
            case PANEL_QUERY_LEAVE:
                spy.queries++;
                if (spy.veto) return panel_answer(page, spy.veto);
                break;
        }
    }
    return spy.original ? spy.original(page, message, wparam, lparam) : FALSE;
}

// Every window of the tests on a desktop of their own: under Wine a named
// desktop is a virtual one, whose windows close without waiting on a
// window manager that Xvfb does not have.
class OwnDesktop : public ::testing::Environment {
public:
    void SetUp() override {
        enter_own_desktop("keel-shell-gui-tests");
    }
};

::testing::Environment* const OWN_DESKTOP = ::testing::AddGlobalTestEnvironment(new OwnDesktop);

// What is left of a test: the quit message of a destroyed main window.
void drain() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        app_dispatch(&message);
    }
}

}  // namespace

void pump(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;
            app_dispatch(&message);
        }
        if (ms) Sleep(10);
    } while (GetTickCount() - start < ms);
}

void press_key(WPARAM key, bool shift) {
    BYTE keys[256];
    GetKeyboardState(keys);
    BYTE saved = keys[VK_SHIFT];
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    MSG down = {GetFocus(), WM_KEYDOWN, key, 1, 0, {0, 0}};
    app_dispatch(&down);
    MSG up = {GetFocus(), WM_KEYUP, key, (LPARAM)0xC0000001, 0, {0, 0}};
    app_dispatch(&up);
    keys[VK_SHIFT] = saved;
    SetKeyboardState(keys);
    pump();
}

void press_alt(char character) {
    MSG message = {GetFocus(), WM_SYSCHAR, (WPARAM)(unsigned char)character, 0x20000001, 0, {0, 0}};
    app_dispatch(&message);
    pump();
}

void click(HWND button) {
    SendMessageA(button, BM_CLICK, 0, 0);
    pump();
}

std::string window_text(HWND window) {
    static char text[20000];
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool has_scroll_bar(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_VSCROLL) != 0; }

void ConsoleTest::SetUp() {
    session_reset();
    connection_reset();
    g_help_calls.clear();
    for (PanelSpy& spy : g_panel_spies) spy = PanelSpy();
    help_set_viewer(record_help);
    ASSERT_EQ(app_start(GetModuleHandleA(nullptr), SW_SHOW, CONSOLE_PANELS, &main), APP_STARTED);
    SetForegroundWindow(main);
    pump();
}

void ConsoleTest::TearDown() {
    if (main && IsWindow(main)) DestroyWindow(main);
    drain();
    session_reset();
    if (server) sim_stop(server);
    server = nullptr;
    help_set_viewer(nullptr);
}

void ConsoleTest::start_server(const char* fixture) {
    char directory[MAX_PATH];
    GetTempPathA(sizeof directory, directory);
    std::string path = std::string(directory) + "keel-shell-gui.fixture";
    FILE* file = fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    fputs(fixture, file);
    fclose(file);
    start_server_file(path.c_str());
}

void ConsoleTest::start_server_file(const char* path) {
    SimOptions options;
    options.fixture_path = path;
    std::string error;
    options.error = &error;
    ASSERT_EQ(sim_start(options, &server), 0) << error;
}

HWND ConsoleTest::page(uint32_t index) { return subdlg_page(panel_host(), index); }

HWND ConsoleTest::servers_control(int id) { return GetDlgItem(page(1), id); }

void ConsoleTest::spy_on_panels() {
    for (uint32_t i = 1; i <= CONSOLE_PANELS.count; ++i) {
        HWND panel = page(i);
        g_panel_spies[i].original = (DLGPROC)GetWindowLongPtrA(panel, DWLP_DLGPROC);
        SetWindowLongPtrA(panel, DWLP_DLGPROC, (LONG_PTR)spy_proc);
    }
}

void ConsoleTest::connect() { click(servers_control(IDC_CONNECT)); }

void ConsoleTest::disconnect() { click(servers_control(IDC_DISCONNECT)); }
