// The statistics panel and the Current Users window in the console's own
// windows with keelsim in this process: the counters on their pages,
// sorting by a dragged column, choosing rows with Ctrl and Shift, and
// deleting with each of the confirmation's answers.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdio.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "grid/keelgrid32_win32.h"
#include "resources/shell_ids.h"
#include "stats/session_list.h"
#include "stats/stats_ids.h"
#include "tests/shell/gui/console_fixture_win32.h"
#include "tests/support/dialog_driver_win32.h"

namespace {

typedef std::vector<std::string> Texts;

std::string session(const char* user, const char* time, const char* ip) {
    return std::string("session \"user=") + user + "\" client=NAS1 port=3 port-type=Async \"time=" + time +
           "\" ip=" + ip + " session-id=" + user + "\n";
}

// The sessions in user order: by time and by address they sort otherwise.
const std::string FIVE_SESSIONS =
    session("ADAMS", "03/14/2024 08:00:00", "10.0.0.10") + session("BAKER", "12/31/2023 23:00:00", "10.0.0.9") +
    session("CLARK", "01/02/2024 07:00:00", "10.0.0.200") + session("DAVIS", "03/13/2024 09:30:00", "10.0.0.1") +
    session("EVANS", "01/01/2024 00:00:01", "10.0.0.100");

// The confirmation's answers by the button that gives them; 0 closes it.
std::deque<int> g_answers;
Texts g_confirmed;  // the user name each confirmation showed

BOOL CALLBACK find_confirmation(HWND window, LPARAM found) {
    if (IsWindowVisible(window) && GetDlgItem(window, IDC_CONFIRM_KEEP)) {
        *(HWND*)found = window;
        return FALSE;
    }
    return TRUE;
}

// Answers each confirmation as it opens, from g_answers.
void CALLBACK answer_confirmation(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), find_confirmation, (LPARAM)&dialog);
    if (!dialog) return;
    if (g_answers.empty()) {
        KillTimer(nullptr, timer);
        return;
    }
    char user[300];
    GetDlgItemTextA(dialog, IDC_CONFIRM_USER, user, sizeof user);
    g_confirmed.push_back(user);
    int button = g_answers.front();
    g_answers.pop_front();
    if (button == 0)
        SendMessageA(dialog, WM_CLOSE, 0, 0);
    else
        SendMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
}

class StatisticsWindows : public ConsoleTest {
protected:
    HWND window = nullptr;  // the Current Users window while a test drives it

    void open_statistics(const std::string& fixture) {
        start_server(fixture.c_str());
        connect();
        click(GetDlgItem(main, IDC_PANEL_STATISTICS));
    }
    HWND panel() { return page(IDC_PANEL_STATISTICS - 200); }
    HWND counter_page(int index) { return GetDlgItem(GetDlgItem(panel(), IDC_STATS_PAGES), 1 + index); }
    std::string field(int index, int counter) {
        return window_text(GetDlgItem(counter_page(index), IDC_STATS_FIELD_BASE + counter));
    }
    // Opens the window, runs `drive` in it, then closes it.
    void in_current_users(std::function<void()> drive) {
        when_dialog_opens([this, drive](HWND dialog) {
            window = dialog;
            pump();
            drive();
            SendMessageA(GetDlgItem(dialog, IDC_CU_CLOSE), BM_CLICK, 0, 0);
        });
        click(GetDlgItem(panel(), IDC_STATS_CURRENT_USERS));
        window = nullptr;
    }
    HWND grid() { return GetDlgItem(window, IDC_CU_GRID); }
    HWND heading() { return GetDlgItem(window, IDC_CU_HEADING); }
    LPARAM point(int column, int row) {
        int x = 0;
        for (int c = 0; c < column; ++c) x += (int)SendMessageA(grid(), TBM_GETCOLWIDTH, c, 0);
        x += (int)SendMessageA(grid(), TBM_GETCOLWIDTH, column, 0) / 2;
        int height = (int)SendMessageA(grid(), TBM_GETROWHEIGHT, 0, 0);
        return MAKELPARAM(x, row < 0 ? 5 : row * height + height / 2);
    }
    void click_row(int row, WPARAM keys = 0) {
        SendMessageA(grid(), WM_LBUTTONDOWN, MK_LBUTTON | keys, point(0, row));
        SendMessageA(grid(), WM_LBUTTONUP, keys, point(0, row));
        UpdateWindow(grid());
        pump();
    }
    void drag_heading(int from, int to) {
        SendMessageA(heading(), WM_LBUTTONDOWN, MK_LBUTTON, point(from, -1));
        SendMessageA(heading(), WM_MOUSEMOVE, MK_LBUTTON, point(to, -1));
        SendMessageA(heading(), WM_LBUTTONUP, 0, point(to, -1));
        pump();
    }
    // A cell as the window answers the grid for it (in the grid's own text
    // buffer), and whether it is drawn selected.
    std::string cell(int column, int row, bool* selected = nullptr) {
        TableNotify* n = (TableNotify*)SendMessageA(grid(), TBM_GETNOTIFY, 0, 0);
        char text[NOTIFY_TEXT_SIZE] = "";
        TableNotify saved = *n;
        n->code = TBN_GETTEXT;
        n->column = column;
        n->row = row;
        n->value = 0;
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_CU_GRID, TBN_GETTEXT), (LPARAM)grid());
        snprintf(text, sizeof text, "%s", n->text);
        if (selected) *selected = n->background_colour == GetSysColor(COLOR_HIGHLIGHT);
        *n = saved;
        return text;
    }
    std::string heading_text(int column) {
        TableNotify* n = (TableNotify*)SendMessageA(grid(), TBM_GETNOTIFY, 0, 0);
        char text[NOTIFY_TEXT_SIZE] = "";
        TableNotify saved = *n;
        n->column = column;
        n->row = -1;
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_CU_HEADING, TBN_GETTEXT), (LPARAM)heading());
        snprintf(text, sizeof text, "%s", n->text);
        *n = saved;
        return text;
    }
    Texts column(int column, int rows) {
        Texts texts;
        for (int row = 0; row < rows; ++row) texts.push_back(cell(column, row));
        return texts;
    }
    Texts selected_users(int rows) {
        Texts users;
        for (int row = 0; row < rows; ++row) {
            bool selected = false;
            std::string user = cell(0, row, &selected);
            if (selected) users.push_back(user);
        }
        return users;
    }
    bool delete_enabled() { return IsWindowEnabled(GetDlgItem(window, IDC_CU_DELETE)) != FALSE; }
    void TearDown() override {
        forget_dialog_action();
        g_answers.clear();
        g_confirmed.clear();
        ConsoleTest::TearDown();
    }
};

TEST_F(StatisticsWindows, TheCountersAndTotalsStandOnTheirPages) {
    open_statistics("counter 11 5\ncounter 12 7\ncounter 6 41\ncounter 23 2\n");
    EXPECT_EQ(field(0, 6), "41");
    EXPECT_EQ(field(1, 11), "5");
    EXPECT_EQ(field(1, 12), "7");
    EXPECT_EQ(field(1, 30), "12");
    EXPECT_EQ(field(2, 23), "2");
    EXPECT_EQ(field(2, 31), "N/A");  // neither proxy counter was sent
    EXPECT_EQ(field(0, 4), "N/A");
    EXPECT_NE(window_text(GetDlgItem(panel(), IDC_STATS_UP_TIME)).find(" Days\n"), std::string::npos);
    EXPECT_TRUE(IsWindowVisible(counter_page(0)));
    HWND tabs = GetDlgItem(panel(), IDC_STATS_TABS);
    SetFocus(tabs);
    press_key(VK_RIGHT);
    EXPECT_TRUE(IsWindowVisible(counter_page(1)));
    EXPECT_FALSE(IsWindowVisible(counter_page(0)));
}

TEST_F(StatisticsWindows, WithoutSessionsTheBlankRowsTakeNoClicksSpaceOrDelete) {
    open_statistics("");
    in_current_users([&] {
        EXPECT_GT(SendMessageA(grid(), TBM_GETROWCOUNT, 0, 0), 5);
        click_row(0);
        click_row(2, MK_CONTROL);
        SendMessageA(grid(), WM_CHAR, ' ', 0);
        SendMessageA(grid(), WM_KEYDOWN, VK_DELETE, 0);
        EXPECT_FALSE(delete_enabled());
        EXPECT_EQ(cell(0, 0), "");
    });
    EXPECT_EQ(g_confirmed.size(), 0u);
}

TEST_F(StatisticsWindows, ADraggedColumnSortsByItsValues) {
    open_statistics(FIVE_SESSIONS);
    in_current_users([&] {
        EXPECT_EQ(column(0, 5), (Texts{"ADAMS", "BAKER", "CLARK", "DAVIS", "EVANS"}));
        drag_heading(4, 0);
        EXPECT_EQ(heading_text(0), "Time");
        EXPECT_EQ(heading_text(4), "User Name");
        EXPECT_EQ(column(4, 5), (Texts{"BAKER", "EVANS", "CLARK", "DAVIS", "ADAMS"}));
        drag_heading(6, 0);
        EXPECT_EQ(column(0, 5), (Texts{"10.0.0.1", "10.0.0.9", "10.0.0.10", "10.0.0.100", "10.0.0.200"}));
        EXPECT_EQ(GetCapture(), nullptr);
    });
}

TEST_F(StatisticsWindows, CtrlAndShiftChooseRowsAndDeleteFollowsTheChoice) {
    open_statistics(FIVE_SESSIONS);
    in_current_users([&] {
        EXPECT_FALSE(delete_enabled());  // nothing chosen at opening
        click_row(1);
        EXPECT_EQ(selected_users(5), (Texts{"BAKER"}));
        click_row(3, MK_CONTROL);
        EXPECT_EQ(selected_users(5), (Texts{"BAKER", "DAVIS"}));
        click_row(4, MK_SHIFT);
        EXPECT_EQ(selected_users(5), (Texts{"BAKER", "DAVIS", "EVANS"}));
        EXPECT_TRUE(delete_enabled());
        click_row(0);
        EXPECT_EQ(selected_users(5), (Texts{"ADAMS"}));
        click_row(0, MK_CONTROL);  // the same row again: no row change, the click toggles
        EXPECT_EQ(selected_users(5), Texts{});
        EXPECT_FALSE(delete_enabled());
        SendMessageA(grid(), WM_CHAR, ' ', 0);
        EXPECT_EQ(selected_users(5), (Texts{"ADAMS"}));
    });
}

TEST_F(StatisticsWindows, EachConfirmationAnswerDeletesWhatItSays) {
    struct Case {
        std::deque<int> answers;
        Texts confirmed;
        Texts left;
    } cases[] = {
        {{IDC_CONFIRM_DELETE_ALL}, {"BAKER"}, {"ADAMS", "EVANS"}},
        {{IDC_CONFIRM_DELETE, IDC_CONFIRM_KEEP, IDC_CONFIRM_DELETE},
         {"BAKER", "CLARK", "DAVIS"},
         {"ADAMS", "CLARK", "EVANS"}},
        {{IDC_CONFIRM_KEEP, IDCANCEL}, {"BAKER", "CLARK"}, {"ADAMS", "BAKER", "CLARK", "DAVIS", "EVANS"}},
        {{IDC_CONFIRM_DELETE, 0}, {"BAKER", "CLARK"}, {"ADAMS", "CLARK", "DAVIS", "EVANS"}},
    };
    for (const Case& c : cases) {
        if (server) {
            disconnect();
            sim_stop(server);
            server = nullptr;
        }
        open_statistics(FIVE_SESSIONS);
        g_answers = c.answers;
        g_confirmed.clear();
        Texts left;
        in_current_users([&] {
            click_row(1);
            click_row(3, MK_SHIFT);
            UINT_PTR timer = SetTimer(nullptr, 0, 30, answer_confirmation);
            SendMessageA(grid(), WM_KEYDOWN, VK_DELETE, 0);
            KillTimer(nullptr, timer);
            for (int row = 0; row < 5 && !cell(0, row).empty(); ++row) left.push_back(cell(0, row));
            // A walk that deleted something lists again, with nothing chosen.
            EXPECT_EQ(delete_enabled(), c.left.size() == 5);
        });
        EXPECT_EQ(g_confirmed, c.confirmed);
        EXPECT_EQ(left, c.left);
    }
}

// Fetching, sorting, scrolling and deleting stay quick with a large list;
// the times are printed for the record and bounded generously for slow hosts.
TEST_F(StatisticsWindows, TenThousandSessionsStayFluid) {
    open_statistics("sessions 10000\n");
    DWORD opened_at = GetTickCount();
    DWORD open_ms = 0, sort_ms = 0, scroll_ms = 0, delete_ms = 0;
    std::string first_by_address, deleted;
    in_current_users([&] {
        open_ms = GetTickCount() - opened_at;
        EXPECT_EQ(SendMessageA(grid(), TBM_GETROWCOUNT, 0, 0), 10000);
        DWORD start = GetTickCount();
        drag_heading(6, 0);
        UpdateWindow(grid());
        sort_ms = GetTickCount() - start;
        first_by_address = cell(0, 0);
        start = GetTickCount();
        SetFocus(grid());
        for (int page = 0; page < 20; ++page) {
            SendMessageA(grid(), WM_KEYDOWN, VK_NEXT, 0);
            UpdateWindow(grid());
        }
        scroll_ms = GetTickCount() - start;
        g_answers = {IDC_CONFIRM_DELETE};
        click_row(0);
        int current = (int)SendMessageA(grid(), TBM_GETCURROW, 0, 0);
        deleted = cell(6, current);  // the user name, swapped with the address
        start = GetTickCount();
        UINT_PTR timer = SetTimer(nullptr, 0, 30, answer_confirmation);
        SendMessageA(GetDlgItem(window, IDC_CU_DELETE), BM_CLICK, 0, 0);
        KillTimer(nullptr, timer);
        delete_ms = GetTickCount() - start;
        EXPECT_EQ(SendMessageA(grid(), TBM_GETROWCOUNT, 0, 0), 9999);
    });
    printf("10 000 sessions under Wine: open %lu ms, sort %lu ms, 20 pages %lu ms, delete and list again %lu ms\n",
           open_ms, sort_ms, scroll_ms, delete_ms);
    EXPECT_EQ(first_by_address, "10.0.0.0");
    EXPECT_EQ(g_confirmed, (Texts{deleted}));
}

}  // namespace
