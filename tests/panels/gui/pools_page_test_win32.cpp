// The IP address pools page driven through the console's own windows and
// loop, with keelsim in this process: adding a pool, adding ranges through
// the dialog that stays open, deleting a range, saving, resetting,
// removing, the save prompt and the keys of the range list.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panels/dialog_ids.h"
#include "panels/pools.h"
#include "panels/pools_ids.h"
#include "platform/resolver.h"
#include "resources/shell_ids.h"
#include "shell/main_window_win32.h"
#include "shell/subdlg_win32.h"
#include "tests/panels/pools_fixture.h"
#include "tests/shell/gui/console_fixture_win32.h"
#include "tests/support/dialog_driver_win32.h"

namespace {

typedef std::vector<std::string> Texts;

bool known_hosts(const char* name, uint8_t octets[4]) {
    if (std::string(name) != "poolhost") return false;
    const uint8_t address[4] = {192, 0, 2, 50};
    for (int i = 0; i < 4; ++i) octets[i] = address[i];
    return true;
}

class PoolsPage : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        std::string fixture =
            pool_object("A", "first", {"10.0.0.1:10", "10.0.0.20:5"}) + pool_object("B", "second", {});
        start_server(fixture.c_str());
        connect();
        show_pools();
    }
    void TearDown() override {
        ConsoleTest::TearDown();
        forget_dialog_action();
        set_host_resolver(nullptr);
    }

    HWND pools() { return page(IDC_PANEL_ADDRESS_POOLS - 200); }
    HWND control(int id) { return GetDlgItem(pools(), id); }
    bool enabled(int id) { return IsWindowEnabled(control(id)) != FALSE; }
    void show_pools() { click(GetDlgItem(main, IDC_PANEL_ADDRESS_POOLS)); }
    LRESULT selection(int list) { return SendMessageA(control(list), LB_GETCURSEL, 0, 0); }
    Texts entries(int list) {
        Texts texts;
        char text[300];
        LRESULT count = SendMessageA(control(list), LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            SendMessageA(control(list), LB_GETTEXT, (WPARAM)i, (LPARAM)text);
            texts.push_back(text);
        }
        return texts;
    }
    // An entry chosen with the arrow keys, as the administrator would.
    void key_in(int list, WPARAM key) {
        SetFocus(control(list));
        press_key(key);
    }
    // A range chosen as a click in the list chooses it.
    void choose_range(int index) {
        SendMessageA(control(IDC_POOL_RANGES), LB_SETCURSEL, (WPARAM)index, 0);
        SendMessageA(pools(), WM_COMMAND, MAKEWPARAM(IDC_POOL_RANGES, LBN_SELCHANGE), (LPARAM)control(IDC_POOL_RANGES));
    }
    std::string stored_ranges(const char* pool) {
        std::string value;
        return sim_get_property(server, POOL_CLASS, pool, "Addr-Pool-Ranges", &value) ? value : "<missing>";
    }
};

// Types one range into the open range dialog and presses Add.
void add_range(HWND dialog, const char* start, const char* count) {
    SetDlgItemTextA(dialog, IDC_RANGE_START, start);
    SetDlgItemTextA(dialog, IDC_RANGE_COUNT, count);
    SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
}

TEST_F(PoolsPage, ShowingThePageListsThePoolsAndShowsTheFirst) {
    EXPECT_EQ(subdlg_current_index(panel_host()), 6u);
    EXPECT_EQ(entries(IDC_POOL_LIST), (Texts{"A", "B"}));
    EXPECT_EQ(selection(IDC_POOL_LIST), 0);
    EXPECT_EQ(window_text(control(IDC_POOL_DESCRIPTION)), "first");
    EXPECT_EQ(entries(IDC_POOL_RANGES), (Texts{"10.0.0.1 (10)", "10.0.0.20 (5)"}));
    EXPECT_TRUE(enabled(IDC_POOL_INSERT));
    EXPECT_FALSE(enabled(IDC_POOL_DELETE));
    EXPECT_FALSE(enabled(IDC_POOL_SAVE));
    EXPECT_FALSE(enabled(IDC_POOL_RESET));
    EXPECT_TRUE(prompt.asked.empty());

    SetFocus(control(IDC_POOL_LIST));
    press_key(VK_F1);
    pump();
    ASSERT_FALSE(g_help_calls.empty());
    EXPECT_EQ(g_help_calls.back().data, (ULONG_PTR)HELP_CONTEXT_ADDRESS_POOLS);

    key_in(IDC_POOL_LIST, VK_DOWN);
    EXPECT_EQ(window_text(control(IDC_POOL_DESCRIPTION)), "second");
    EXPECT_TRUE(entries(IDC_POOL_RANGES).empty());
}

TEST_F(PoolsPage, AddAPoolThenTwoRangesThroughTheDialogThatStaysOpen) {
    when_dialog_opens([](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_ADD_NAME, "gui-pool");
        SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    });
    click(control(IDC_POOL_ADD));
    EXPECT_TRUE(sim_object_exists(server, POOL_CLASS, "GUI-POOL"));
    EXPECT_EQ(entries(IDC_POOL_LIST), (Texts{"A", "B", "GUI-POOL"}));
    EXPECT_EQ(selection(IDC_POOL_LIST), 2);
    EXPECT_EQ(window_text(control(IDC_POOL_DESCRIPTION)), "");

    bool add_at_start = true, open_after_first = false, fields_cleared = false;
    RECT dialog_box = {}, list_box = {};
    Texts shown_while_open;
    when_dialog_opens([&](HWND dialog) {
        add_at_start = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
        GetWindowRect(dialog, &dialog_box);
        add_range(dialog, "10.9.0.100", "5");
        open_after_first = IsWindow(dialog) && IsWindowVisible(dialog);
        fields_cleared = window_text(GetDlgItem(dialog, IDC_RANGE_START)).empty() &&
                         window_text(GetDlgItem(dialog, IDC_RANGE_COUNT)).empty();
        add_range(dialog, "10.9.0.1", "10");
        shown_while_open = entries(IDC_POOL_RANGES);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    GetWindowRect(control(IDC_POOL_RANGES), &list_box);
    click(control(IDC_POOL_INSERT));
    EXPECT_FALSE(add_at_start);
    EXPECT_TRUE(open_after_first);
    EXPECT_TRUE(fields_cleared);
    EXPECT_GE(dialog_box.left, list_box.right);  // beside the range list
    EXPECT_EQ(dialog_box.top, list_box.top);
    EXPECT_EQ(shown_while_open, (Texts{"10.9.0.1 (10)", "10.9.0.100 (5)"}));
    EXPECT_TRUE(prompt.asked.empty());
    EXPECT_TRUE(enabled(IDC_POOL_SAVE));

    SetWindowTextA(control(IDC_POOL_DESCRIPTION), "made in the GUI");
    click(control(IDC_POOL_SAVE));
    EXPECT_FALSE(enabled(IDC_POOL_SAVE));
    EXPECT_EQ(stored_ranges("GUI-POOL"), std::string("\x01\x00\x09\x0a\x0a\x00\x00\x00"
                                                     "\x64\x00\x09\x0a\x05\x00\x00\x00",
                                                     16));
}

TEST_F(PoolsPage, DeleteARangeResetThenSave) {
    choose_range(0);
    EXPECT_TRUE(enabled(IDC_POOL_DELETE));
    SetFocus(control(IDC_POOL_DELETE));
    click(control(IDC_POOL_DELETE));
    EXPECT_EQ(entries(IDC_POOL_RANGES), Texts{"10.0.0.20 (5)"});
    EXPECT_FALSE(enabled(IDC_POOL_DELETE));
    EXPECT_EQ(GetFocus(), control(IDC_POOL_LIST));  // Del lost the keyboard
    EXPECT_TRUE(enabled(IDC_POOL_SAVE));

    click(control(IDC_POOL_RESET));
    EXPECT_EQ(entries(IDC_POOL_RANGES), (Texts{"10.0.0.1 (10)", "10.0.0.20 (5)"}));
    EXPECT_FALSE(enabled(IDC_POOL_SAVE));

    // The Delete key in the list does what Del does.
    choose_range(1);
    key_in(IDC_POOL_RANGES, VK_DELETE);
    EXPECT_EQ(entries(IDC_POOL_RANGES), Texts{"10.0.0.1 (10)"});
    click(control(IDC_POOL_SAVE));
    EXPECT_EQ(stored_ranges("A"), std::string("\x01\x00\x00\x0a\x0a\x00\x00\x00", 8));
    EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(PoolsPage, TheInsertKeyOpensTheRangeDialogWhichLooksHostNamesUp) {
    set_host_resolver(known_hosts);
    std::string resolved, message_after_overlap;
    when_dialog_opens([&](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_RANGE_START, "poolhost");
        SetFocus(GetDlgItem(dialog, IDC_RANGE_COUNT));  // the lookup happens here
        resolved = window_text(GetDlgItem(dialog, IDC_RANGE_START));
        SetDlgItemTextA(dialog, IDC_RANGE_COUNT, "3");
        SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        add_range(dialog, "10.0.0.5", "2");  // inside 10.0.0.1 (10)
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    key_in(IDC_POOL_RANGES, VK_INSERT);
    EXPECT_EQ(resolved, "192.0.2.50");
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text,
              "Error processing Pool:\n (208)Pool range overlaps an existing pool range in this pool definition");
    EXPECT_EQ(entries(IDC_POOL_RANGES), (Texts{"10.0.0.1 (10)", "10.0.0.20 (5)", "192.0.2.50 (3)"}));
}

TEST_F(PoolsPage, RemoveAPoolAfterConfirming) {
    prompt.answer(ANSWER_NO);
    click(control(IDC_POOL_REMOVE));
    EXPECT_EQ(entries(IDC_POOL_LIST), (Texts{"A", "B"}));
    prompt.answer(ANSWER_YES);
    click(control(IDC_POOL_REMOVE));
    ASSERT_EQ(prompt.asked.size(), 2u);
    EXPECT_EQ(prompt.asked[1].text, "Are you sure that you want delete pool A ?");
    EXPECT_FALSE(sim_object_exists(server, POOL_CLASS, "A"));
    EXPECT_EQ(entries(IDC_POOL_LIST), Texts{"B"});
    EXPECT_EQ(selection(IDC_POOL_LIST), 0);
    EXPECT_EQ(window_text(control(IDC_POOL_DESCRIPTION)), "second");
}

TEST_F(PoolsPage, SavePromptWhenLeavingThePanel) {
    HWND servers_button = GetDlgItem(main, IDC_PANEL_SERVERS);
    SetWindowTextA(control(IDC_POOL_DESCRIPTION), "edited");
    prompt.answer(ANSWER_CANCEL);
    click(servers_button);
    EXPECT_EQ(subdlg_current_index(panel_host()), 6u);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "Save settings for address pool A?");

    prompt.answer(ANSWER_YES);
    click(servers_button);
    EXPECT_EQ(subdlg_current_index(panel_host()), 1u);
    std::string description;
    ASSERT_TRUE(sim_get_property(server, POOL_CLASS, "A", "Addr-Pool-Desc", &description));
    EXPECT_EQ(description, std::string("edited\0", 7));
}

}  // namespace
