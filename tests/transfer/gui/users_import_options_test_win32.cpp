// The Import Options dialog of a users-file import in its window, against
// keelsim on the demo database: the rows it offers, the defaults, and what
// OK and Cancel hand to the import.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/shell/gui/console_fixture_win32.h"
#include "tests/support/dialog_driver_win32.h"
#include "transfer/users_import_ids.h"
#include "transfer/users_import_options_win32.h"

namespace {

std::string combo_row(HWND dialog, int id, int row) {
    char text[256] = "";
    SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, (WPARAM)row, (LPARAM)text);
    return text;
}

int combo_rows(HWND dialog, int id) { return (int)SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0); }

class UsersImportOptionsDialog : public ConsoleTest {
protected:
    UsersImportChoices choices = {};
    ImportDictionaryTables tables = {};
    UsersImportOptions options = {};

    void SetUp() override {
        ConsoleTest::SetUp();
        start_server_file(KEEL_DEMO_DIR "/server.fixture");
        connect();
    }
    void TearDown() override {
        forget_dialog_action();
        import_dictionaries_free(&tables);
        users_import_options_free(&choices);
        ConsoleTest::TearDown();
    }
};

TEST_F(UsersImportOptionsDialog, OffersThePairAndTheProfilesAndHandsOnWhatWasChosen) {
    std::string format, first_profile, second_profile;
    int profiles = 0;
    bool pap_or_chap = false;
    when_dialog_opens([&](HWND dialog) {
        format = combo_row(dialog, IDC_UIMPORT_FORMAT, (int)SendDlgItemMessageA(dialog, IDC_UIMPORT_FORMAT,
                                                                                  CB_GETCURSEL, 0, 0));
        profiles = combo_rows(dialog, IDC_UIMPORT_PROFILE);
        first_profile = combo_row(dialog, IDC_UIMPORT_PROFILE, 0);
        second_profile = combo_row(dialog, IDC_UIMPORT_PROFILE, 2);
        pap_or_chap = IsDlgButtonChecked(dialog, IDC_UIMPORT_PAP_CHAP) == BST_CHECKED;
        SendDlgItemMessageA(dialog, IDC_UIMPORT_PROFILE, CB_SETCURSEL, 2, 0);
        click(GetDlgItem(dialog, IDC_UIMPORT_IGNORE));
        click(GetDlgItem(dialog, IDC_UIMPORT_PAP_ONLY));
        click(GetDlgItem(dialog, IDOK));
    });
    ASSERT_TRUE(users_import_options_run(main, &choices, &tables, &options));
    EXPECT_EQ(format, "LIVINGSTON");
    EXPECT_EQ(profiles, 6);
    EXPECT_EQ(first_profile, "<no profile>");
    EXPECT_TRUE(pap_or_chap);
    EXPECT_EQ(std::string(options.profile), second_profile);
    EXPECT_TRUE(options.ignore_attributes);
    EXPECT_TRUE(options.pap_only);
    EXPECT_GT(tables.import.attribute_count, 0u);
}

TEST_F(UsersImportOptionsDialog, CancelEndsTheImportWithNothingLoaded) {
    when_dialog_opens([&](HWND dialog) { click(GetDlgItem(dialog, IDCANCEL)); });
    EXPECT_FALSE(users_import_options_run(main, &choices, &tables, &options));
    EXPECT_EQ(tables.import.attribute_count, 0u);
    EXPECT_TRUE(prompt.asked.empty());
}

}  // namespace
