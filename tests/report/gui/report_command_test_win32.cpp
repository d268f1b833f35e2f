// File|Settings and File|Report in the console's own windows with keelsim in
// this process: the choices of Report Selections reach the settings file
// and the written report, the settings dialog keeps what is typed, and a
// viewer that cannot start is told.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdio.h>

#include <string>

#include "platform/profile_file.h"
#include "report/report_ids.h"
#include "report/report_settings.h"
#include "resources/shell_ids.h"
#include "tests/shell/gui/console_fixture_win32.h"
#include "tests/sim/sim_test_support.h"
#include "tests/support/dialog_driver_win32.h"

namespace {

const char NO_VIEWER[] = "C:\\no such folder\\viewer.exe";

const int BOXES[SECTION_COUNT] = {IDC_REPORT_RAS_CLIENTS,   IDC_REPORT_PROXIES,    IDC_REPORT_USERS,
                                  IDC_REPORT_PROFILES,      IDC_REPORT_POOLS,      IDC_REPORT_ACCESS,
                                  IDC_REPORT_CONFIGURATION, IDC_REPORT_STATISTICS, IDC_REPORT_CURRENT_USERS};

std::string setting(const char* section, const char* key) {
    char value[SETTING_SIZE];
    return profile_read(SETTINGS_FILE, section, key, value, sizeof value) ? value : "<absent>";
}

bool checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

class ReportCommand : public ConsoleTest {
protected:
    std::string target;
    void SetUp() override {
        ConsoleTest::SetUp();
        start_server_file(KEEL_DEMO_DIR "/server.fixture");
        connect();
        target = test_directory() + "\\gui-report.rtf";
        remove(target.c_str());
        // Every section, as a settings file without "ReportAll" reads.
        ASSERT_TRUE(profile_write(SETTINGS_FILE, "Report Settings", "ReportAll", nullptr));
        for (int i = 0; i < SECTION_COUNT; ++i)
            profile_write(SETTINGS_FILE, "Report Settings", section_key((ReportSection)i), nullptr);
        ASSERT_TRUE(save_report_files(SETTINGS_FILE, NO_VIEWER, target.c_str()));
    }
    void TearDown() override {
        forget_dialog_action();
        ConsoleTest::TearDown();
    }
    void command(int id) { SendMessageA(main, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
};

TEST_F(ReportCommand, TheSelectionsChosenAreWrittenAndRemembered) {
    bool all_at_first = false, boxes_checked = true, boxes_disabled = true, enabled_by_selected = true;
    when_dialog_opens([&](HWND dialog) {
        all_at_first = checked(dialog, IDC_REPORT_ALL) && !checked(dialog, IDC_REPORT_SELECTED);
        for (int box : BOXES) {
            boxes_checked = boxes_checked && checked(dialog, box);
            boxes_disabled = boxes_disabled && !IsWindowEnabled(GetDlgItem(dialog, box));
        }
        click(GetDlgItem(dialog, IDC_REPORT_SELECTED));
        for (int box : BOXES) enabled_by_selected = enabled_by_selected && IsWindowEnabled(GetDlgItem(dialog, box));
        // Proxies and Statistics stay.
        for (int box : BOXES)
            if (box != IDC_REPORT_PROXIES && box != IDC_REPORT_STATISTICS) click(GetDlgItem(dialog, box));
        click(GetDlgItem(dialog, IDOK));
    });
    command(IDM_REPORT);
    EXPECT_TRUE(all_at_first);
    EXPECT_TRUE(boxes_checked);
    EXPECT_TRUE(boxes_disabled);
    EXPECT_TRUE(enabled_by_selected);

    const std::string written = read_test_file(target);
    EXPECT_NE(written.find("\\fs24 Proxies\\par "), std::string::npos);
    EXPECT_NE(written.find("\\fs24 Statistics\\par "), std::string::npos);
    EXPECT_EQ(written.find("\\fs24 RASClients"), std::string::npos);
    EXPECT_EQ(written.find("\\fs24 Users"), std::string::npos);
    EXPECT_EQ(written.compare(written.size() - 12, 12, "\\par \\par }\n"), 0);
    EXPECT_EQ(setting("Report Settings", "ReportAll"), "No");
    EXPECT_EQ(setting("Report Settings", "Proxies"), "Yes");
    EXPECT_EQ(setting("Report Settings", "Users"), "No");
    // The document was whole: the viewer was tried, and could not start.
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].title, "ERROR");
    EXPECT_EQ(prompt.asked[0].text,
              "Error loading Report Viewer.  Check your settings in the File|Settings menu option.");
    EXPECT_EQ(prompt.asked[0].icon, PROMPT_ICON_STOP);

    // Opened again it shows the saved choice; Cancel writes nothing.
    remove(target.c_str());
    bool selected = false, proxies = false, users = true;
    when_dialog_opens([&](HWND dialog) {
        selected = checked(dialog, IDC_REPORT_SELECTED);
        proxies = checked(dialog, IDC_REPORT_PROXIES) && IsWindowEnabled(GetDlgItem(dialog, IDC_REPORT_PROXIES));
        users = checked(dialog, IDC_REPORT_USERS);
        click(GetDlgItem(dialog, IDCANCEL));
    });
    command(IDM_REPORT);
    EXPECT_TRUE(selected);
    EXPECT_TRUE(proxies);
    EXPECT_FALSE(users);
    EXPECT_EQ(read_test_file(target), "<missing>");
    EXPECT_EQ(prompt.asked.size(), 1u);
}

TEST_F(ReportCommand, AllAgainForgetsTheSectionKeys) {
    ReportSelection some = {};
    some.sections[SECTION_ACCESS] = true;
    ASSERT_TRUE(save_report_selection(SETTINGS_FILE, some));
    when_dialog_opens([&](HWND dialog) {
        click(GetDlgItem(dialog, IDC_REPORT_ALL));
        click(GetDlgItem(dialog, IDOK));
    });
    command(IDM_REPORT);
    EXPECT_EQ(setting("Report Settings", "ReportAll"), "Yes");
    EXPECT_EQ(setting("Report Settings", "Access"), "<absent>");
    const std::string written = read_test_file(target);
    for (int i = 0; i < SECTION_COUNT; ++i)
        EXPECT_NE(written.find(std::string("\\fs24 ") + section_key((ReportSection)i) + "\\par "), std::string::npos)
            << section_key((ReportSection)i);
}

TEST_F(ReportCommand, AFileThatCannotBeCreatedIsToldAndNoViewerRuns) {
    ASSERT_TRUE(save_report_files(SETTINGS_FILE, NO_VIEWER, "C:\\no such folder\\report.rtf"));
    when_dialog_opens([&](HWND dialog) { click(GetDlgItem(dialog, IDOK)); });
    command(IDM_REPORT);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].title, "KEELADMIN Error");
    EXPECT_EQ(prompt.asked[0].text, "Error encountered during attempt to create report file");
    EXPECT_EQ(prompt.asked[0].icon, PROMPT_ICON_EXCLAMATION);
}

TEST_F(ReportCommand, SettingsKeepWhatIsTyped) {
    std::string title, viewer, name;
    when_dialog_opens([&](HWND dialog) {
        title = window_text(dialog);
        viewer = window_text(GetDlgItem(dialog, IDC_REPORT_VIEWER));
        name = window_text(GetDlgItem(dialog, IDC_REPORT_FILENAME));
        SetDlgItemTextA(dialog, IDC_REPORT_VIEWER, "C:\\Tools\\viewer.exe");
        SetDlgItemTextA(dialog, IDC_REPORT_FILENAME, "");
        click(GetDlgItem(dialog, IDOK));
    });
    command(IDM_SETTINGS);
    EXPECT_EQ(title, "Radius Administrator Settings");
    EXPECT_EQ(viewer, NO_VIEWER);
    EXPECT_EQ(name, target);
    EXPECT_EQ(setting("Admin Settings", "ReportViewer"), "C:\\Tools\\viewer.exe");
    EXPECT_EQ(setting("Admin Settings", "ReportFilename"), "");

    // An empty name opens as the default; Cancel keeps what is stored.
    when_dialog_opens([&](HWND dialog) {
        name = window_text(GetDlgItem(dialog, IDC_REPORT_FILENAME));
        SetDlgItemTextA(dialog, IDC_REPORT_VIEWER, "other.exe");
        click(GetDlgItem(dialog, IDCANCEL));
    });
    command(IDM_SETTINGS);
    EXPECT_EQ(name, "Report.rtf");
    EXPECT_EQ(setting("Admin Settings", "ReportViewer"), "C:\\Tools\\viewer.exe");
    EXPECT_TRUE(prompt.asked.empty());
}

}  // namespace
