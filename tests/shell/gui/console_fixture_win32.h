// The console's real windows inside the test program: started as the
// program starts them, driven with messages and keys through the program's
// own loop, message boxes answered by the scripted prompt.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/sim.h"
#include "tests/support/scripted_prompt.h"

// Help calls made instead of opening the viewer.
struct HelpCall {
    std::string file;
    UINT command;
    ULONG_PTR data;
};
extern std::vector<HelpCall> g_help_calls;

// Page commands each panel received, recorded by a dialog procedure put in
// front of the panel's own.
struct PanelSpy {
    DLGPROC original = nullptr;
    int activations = 0;
    int resets = 0;
    int ticks = 0;
    int queries = 0;
    LRESULT veto = 0;  // the answer to PANEL_QUERY_LEAVE; 0 lets the panel go
};
extern PanelSpy g_panel_spies[10];  // by page index, 1 to 9

// Runs every message waiting, and those that arrive within `ms`.
void pump(DWORD ms = 0);
// A key through the program's loop, to the window with the focus.
void press_key(WPARAM key, bool shift = false);
void press_alt(char character);
// Clicks a button the way the mouse does and runs what follows.
void click(HWND button);
std::string window_text(HWND window);
bool has_scroll_bar(HWND window);

class ConsoleTest : public ::testing::Test {
protected:
    ScriptedPrompt prompt;
    HWND main = nullptr;
    SimServer* server = nullptr;

    void SetUp() override;
    void TearDown() override;

    // Starts keelsim in this process on a fixture text.
    void start_server(const char* fixture);
    // On a fixture file (the demo database, with its dictionaries).
    void start_server_file(const char* path);
    HWND page(uint32_t index);
    HWND servers_control(int id);
    // Puts a PanelSpy in front of every panel's dialog procedure.
    void spy_on_panels();
    void connect();
    void disconnect();
};
