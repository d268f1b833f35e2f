// The Import command through the console's own windows, with keelsim in
// this process: the selection dialog, the "Import Status" window asking
// about each client the server holds (answered each way), and every panel
// reset afterwards.
#include <windows.h>

#include <gtest/gtest.h>
#include <stdio.h>

#include <string>
#include <vector>

#include "resources/shell_ids.h"
#include "tests/shell/gui/console_fixture_win32.h"
#include "tests/sim/sim_test_support.h"
#include "tests/support/dialog_driver_win32.h"
#include "transfer/import_command_win32.h"
#include "transfer/transfer_ids.h"

namespace {

typedef std::vector<std::string> Texts;

std::string g_source;
bool test_chooser(void*, char* path, uint32_t size) {
    snprintf(path, size, "%s", g_source.c_str());
    return true;
}

// The buttons the replace questions are answered with, in turn, and what
// each question said.
std::vector<int> g_buttons;
Texts g_questions;
std::string g_status_title;
UINT_PTR g_timer = 0;

BOOL CALLBACK find_status(HWND window, LPARAM found) {
    HWND replace = GetDlgItem(window, IDC_IMPORT_REPLACE);
    if (IsWindowVisible(window) && replace && IsWindowVisible(replace)) {
        *(HWND*)found = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK answer_question(HWND, UINT, UINT_PTR, DWORD) {
    HWND status = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), find_status, (LPARAM)&status);
    if (!status || g_buttons.empty()) return;
    g_status_title = window_text(status);
    g_questions.push_back(window_text(GetDlgItem(status, IDC_IMPORT_STATUS_TEXT)));
    int button = g_buttons.front();
    g_buttons.erase(g_buttons.begin());
    click(GetDlgItem(status, button));
}

const char SERVER[] =
    "object Client NAS1\nproperty Product text \"OLD\"\n"
    "object Client NAS2\nproperty Product text \"OLD\"\n"
    "object Client NAS3\nproperty Product text \"OLD\"\n";

const char FILE_TEXT[] =
    "Radius Import Export Version 1.0\r\nClient\r\n  NAS1\r\n    Product=NEW\r\n  NAS2\r\n    Product=NEW\r\n"
    "  NAS3\r\n    Product=NEW\r\n  NAS4\r\n    Product=NEW\r\n";

class ImportCommand : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        g_source = write_test_file("gui.rif", FILE_TEXT);
        import_set_file_chooser(test_chooser);
        g_questions.clear();
        g_timer = SetTimer(nullptr, 0, 30, answer_question);
    }
    void TearDown() override {
        KillTimer(nullptr, g_timer);
        import_set_file_chooser(nullptr);
        forget_dialog_action();
        ConsoleTest::TearDown();
    }
    void start(std::vector<int> buttons) {
        std::string fixture = std::string("dictionary \"\" \"" KEEL_DEMO_DIR "/default.dict\"\n") + SERVER;
        start_server(fixture.c_str());
        connect();
        g_buttons = buttons;
    }
    void run_import() { SendMessageA(main, WM_COMMAND, MAKEWPARAM(IDM_IMPORT, 0), 0); }
    std::string products() {
        std::string all;
        for (const char* name : {"NAS1", "NAS2", "NAS3", "NAS4"}) {
            std::string value;
            bool found = sim_get_property(server, "Client", name, "Product", &value);
            all += (all.empty() ? "" : " ") + (found ? value.substr(0, 3) : std::string("-"));
        }
        return all;
    }
};

TEST_F(ImportCommand, EachReplaceAnswerAndThePanelsAfterwards) {
    start({IDC_IMPORT_SKIP, IDC_IMPORT_REPLACE, IDCANCEL});
    spy_on_panels();
    std::string title, prompt_text;
    LRESULT listed = 0;
    when_dialog_opens([&](HWND dialog) {
        title = window_text(dialog);
        prompt_text = window_text(GetDlgItem(dialog, IDC_SELECT_PROMPT));
        listed = SendMessageA(GetDlgItem(dialog, IDC_SELECT_LIST), LB_GETCOUNT, 0, 0);
        click(GetDlgItem(dialog, IDC_SELECT_ALL));
        click(GetDlgItem(dialog, IDOK));
    });
    run_import();
    EXPECT_EQ(title, "Import");
    EXPECT_EQ(prompt_text, "Select items, then press OK to import into data base.");
    EXPECT_EQ(listed, 4);
    EXPECT_EQ(g_status_title, "Import Status");
    EXPECT_EQ(g_questions, (Texts{"Replace Client : NAS1 ", "Replace Client : NAS2 ", "Replace Client : NAS3 "}));
    EXPECT_EQ(products(), "OLD NEW OLD -");  // Cancel stopped before NAS3
    for (int page = 1; page <= 9; ++page) EXPECT_GE(g_panel_spies[page].resets, 1) << page;
    EXPECT_TRUE(IsWindowEnabled(main));
    HWND status = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), find_status, (LPARAM)&status);
    EXPECT_EQ(status, nullptr);
}

TEST_F(ImportCommand, ReplaceAllAsksOnce) {
    start({IDC_IMPORT_REPLACE_ALL});
    when_dialog_opens([&](HWND dialog) {
        click(GetDlgItem(dialog, IDC_SELECT_ALL));
        click(GetDlgItem(dialog, IDOK));
    });
    run_import();
    EXPECT_EQ(g_questions, (Texts{"Replace Client : NAS1 "}));
    EXPECT_EQ(products(), "NEW NEW NEW NEW");
    EXPECT_TRUE(prompt.asked.empty());  // no errors, no warnings
}

TEST_F(ImportCommand, NothingSelectedSaysSo) {
    start({});
    when_dialog_opens([&](HWND dialog) { click(GetDlgItem(dialog, IDOK)); });
    run_import();
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "No records to import");
    EXPECT_EQ(products(), "OLD OLD OLD -");
}

}  // namespace
