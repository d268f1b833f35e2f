// The Current Users window's model against keelsim: which sessions become
// rows and in what order, the selection rules, column swaps and the delete
// walk with each of the confirmation's answers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "api/session.h"
#include "stats/session_list.h"
#include "tests/stats/stats_fixture.h"

namespace {

typedef std::vector<std::string> Texts;

class SessionListTest : public PanelTest {
protected:
    SessionList list;
    std::vector<DeleteAnswer> answers;
    Texts asked;

    void SetUp() override { session_list_init(&list); }
    void TearDown() override {
        session_list_free(&list);
        PanelTest::TearDown();
    }
    void fetch(const std::string& fixture) {
        open_session(fixture.c_str());
        ASSERT_EQ(session_list_fetch(&list), 0);
    }
    // One column of every held row, in display order.
    Texts column(int32_t column) {
        Texts texts;
        for (uint32_t row = 0; row < list.held; ++row) texts.push_back(session_list_cell(list, (int32_t)row, column));
        return texts;
    }
    Texts selected_users() {
        Texts texts;
        for (uint32_t row = 0; row < list.held; ++row)
            if (session_list_is_selected(list, (int32_t)row))
                texts.push_back(session_list_row(list, (int32_t)row)->user_name);
        return texts;
    }
    static DeleteAnswer confirm(void* context, const CurrentUserRecord& record) {
        SessionListTest* test = (SessionListTest*)context;
        test->asked.push_back(record.user_name);
        if (test->answers.empty()) return DELETE_CANCEL;
        DeleteAnswer answer = test->answers.front();
        test->answers.erase(test->answers.begin());
        return answer;
    }
    // What the server still holds, as the window shows it after Delete.
    Texts users_left() {
        EXPECT_EQ(session_list_fetch(&list), 0);
        return column(0);
    }
};

const char* const T1 = "03/14/2024 08:00:00";

TEST_F(SessionListTest, WithoutSessionsAPageOfBlankRowsIgnoresClicksSpaceAndDelete) {
    fetch("");
    list.visible_rows = 18;
    EXPECT_EQ(list.held, 0u);
    EXPECT_EQ(session_list_row_count(list), 18u);
    EXPECT_STREQ(session_list_cell(list, 0, 0), "");
    EXPECT_FALSE(session_list_row_changed(&list, 0, 0));
    EXPECT_FALSE(session_list_clicked(&list, 0, SESSION_KEY_CTRL));
    EXPECT_FALSE(session_list_space(&list, 0));
    EXPECT_EQ(list.selected_count, 0u);
    EXPECT_EQ(session_list_delete_selected(&list, confirm, this), 0u);
    EXPECT_TRUE(asked.empty());
}

TEST_F(SessionListTest, TheDistinguishedNameSeparatesSessionsAndFullRepeatsAreDiscarded) {
    fetch(session_line("TNGUYEN", "VPN", "1", T1, "10.0.0.1", "RIVERNET/TNGUYEN") +
          session_line("TNGUYEN", "VPN", "1", T1, "10.0.0.1", "RIVERNET/VPN USERS") +
          session_line("AGARCIA", "NAS", "7", T1, "10.0.0.2") + session_line("agarcia", "nas", "7", T1, "10.0.0.2"));
    EXPECT_EQ(list.received, 4u);
    EXPECT_EQ(column(0), (Texts{"AGARCIA", "TNGUYEN", "TNGUYEN"}));
    list.visible_rows = 2;
    EXPECT_EQ(session_list_row_count(list), 3u);
}

TEST_F(SessionListTest, AColumnMovedFirstOrdersByItsValueNotItsText) {
    fetch(session_line("A", "N", "10", "12/31/2023 23:00:00", "10.0.0.10") +
          session_line("B", "N", "9", "01/02/2024 08:00:00", "10.0.0.9") +
          session_line("C", "N", "100", "01/01/2024 09:30:00", "9.255.255.255"));
    struct Case {
        uint32_t moved;  // swapped with column 0, from the initial order
        Texts shown;     // that column as the rows now show it
    } cases[] = {
        {4, {"12/31/2023 23:00:00", "01/01/2024 09:30:00", "01/02/2024 08:00:00"}},
        {6, {"9.255.255.255", "10.0.0.9", "10.0.0.10"}},
        {2, {"9", "10", "100"}},
    };
    for (const Case& c : cases) {
        session_list_free(&list);
        session_list_init(&list);
        ASSERT_EQ(session_list_fetch(&list), 0);
        ASSERT_TRUE(session_list_row_changed(&list, 1, 0));
        session_list_begin_drag(&list, (int32_t)c.moved);
        EXPECT_FALSE(session_list_row_changed(&list, 2, 0));  // ignored while dragging
        ASSERT_TRUE(session_list_end_drag(&list, 0));
        EXPECT_EQ(column(0), c.shown) << c.moved;
        EXPECT_EQ(list.selected_count, 0u);
    }
    session_list_begin_drag(&list, 3);
    EXPECT_FALSE(session_list_end_drag(&list, 3));  // released where it started
    EXPECT_FALSE(session_list_end_drag(&list, 1));  // no drag any more
}

TEST_F(SessionListTest, CtrlTogglesShiftExtendsFromTheAnchorAndAPlainMoveSelectsOneRow) {
    std::string fixture;
    for (const char* user : {"U0", "U1", "U2", "U3", "U4", "U5"})
        fixture += session_line(user, "N", "1", T1, "1.1.1.1");
    fetch(fixture);
    struct Step {
        bool click;  // a click on the anchor row rather than a row change
        int32_t row;
        uint32_t keys;
        Texts selected;
    } steps[] = {
        {false, 1, 0, {"U1"}},
        {false, 3, SESSION_KEY_CTRL, {"U1", "U3"}},
        {false, 5, SESSION_KEY_SHIFT, {"U1", "U3", "U4", "U5"}},
        {true, 5, SESSION_KEY_CTRL, {"U1", "U3", "U4"}},
        {true, 5, SESSION_KEY_SHIFT, {"U1", "U3", "U4"}},  // Shift on the anchor: nothing
        {false, 0, SESSION_KEY_SHIFT, {"U0", "U1", "U2", "U3", "U4", "U5"}},
        {true, 3, 0, {"U0", "U1", "U2", "U3", "U4", "U5"}},  // not the anchor row: the row change handles it
        {true, 0, 0, {"U0"}},
        {false, 9, 0, {"U0"}},  // past the sessions
    };
    for (const Step& step : steps) {
        if (step.click)
            session_list_clicked(&list, step.row, step.keys);
        else
            session_list_row_changed(&list, step.row, step.keys);
        EXPECT_EQ(selected_users(), step.selected) << step.row;
        EXPECT_EQ(list.selected_count, step.selected.size());
    }
    session_list_clear_selection(&list);
    EXPECT_TRUE(session_list_space(&list, 2));
    EXPECT_FALSE(session_list_space(&list, 4));  // something is selected already
    EXPECT_EQ(selected_users(), (Texts{"U2"}));
}

TEST_F(SessionListTest, EachConfirmationAnswerDecidesTheWalk) {
    std::string fixture;
    for (const char* user : {"A", "B", "C", "D"}) fixture += session_line(user, "N", "1", T1, "1.1.1.1");
    struct Case {
        std::vector<DeleteAnswer> answers;
        Texts asked;
        uint32_t sent;
        Texts left;
    } cases[] = {
        {{DELETE_ALL}, {"A"}, 3, {"D"}},
        {{DELETE_ONE, DELETE_KEEP, DELETE_ONE}, {"A", "B", "C"}, 2, {"B", "D"}},
        {{DELETE_KEEP, DELETE_CANCEL}, {"A", "B"}, 0, {"A", "B", "C", "D"}},
        {{DELETE_ONE, DELETE_ALL}, {"A", "B"}, 3, {"D"}},
    };
    for (const Case& c : cases) {
        close_session();
        fetch(fixture);
        session_list_row_changed(&list, 0, 0);
        session_list_row_changed(&list, 2, SESSION_KEY_SHIFT);
        answers = c.answers;
        asked.clear();
        EXPECT_EQ(session_list_delete_selected(&list, confirm, this), c.sent);
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(users_left(), c.left);
    }
}

TEST_F(SessionListTest, ASessionLongerThanTheConsoleKeepsIsListedPastAndDeleted) {
    std::string long_user(300, 'L'), long_id(280, 'S');
    std::string fixture;
    for (int i = 0; i < 71; ++i)
        fixture += session_line(("U" + std::to_string(100 + i)).c_str(), "N", "1", T1, "1.1.1.1");
    // The 72nd ends the first batch: the next one continues from its cut key.
    fixture += session_line(long_user.c_str(), "N", "1", T1, "1.1.1.1", "DN", long_id.c_str());
    for (int i = 0; i < 5; ++i) fixture += session_line(("W" + std::to_string(i)).c_str(), "N", "1", T1, "1.1.1.1");
    fetch(fixture);
    ASSERT_EQ(list.held, 77u);
    int32_t long_row = 0;  // "L..." sorts first
    ASSERT_EQ(std::string(session_list_row(list, long_row)->user_name), long_user.substr(0, 255));
    session_list_row_changed(&list, long_row, 0);
    answers = {DELETE_ONE};
    EXPECT_EQ(session_list_delete_selected(&list, confirm, this), 1u);
    EXPECT_EQ(users_left().size(), 76u);
}

TEST_F(SessionListTest, AFailedBatchKeepsTheSessionsReceivedBeforeIt) {
    std::string fixture;
    for (int i = 0; i < 100; ++i)
        fixture += session_line(("U" + std::to_string(100 + i)).c_str(), "N", "1", T1, "1.1.1.1");
    open_session(fixture.c_str());
    ASSERT_EQ(sim_add_fault(server, "7:1:2:fail=0xFFFF"), 0);
    EXPECT_EQ(session_list_fetch(&list), 0xFFFF);
    EXPECT_EQ(list.held, 72u);
}

TEST_F(SessionListTest, TenThousandSessionsAreAllHeldAndOrderedByEveryColumn) {
    fetch("sessions 10000\n");
    ASSERT_EQ(list.held, 10000u);
    EXPECT_EQ(sim_apply(server, "sessions 90001\n"), 3);  // the list is bounded as a whole
    for (uint32_t moved = 0; moved < SESSION_COLUMN_COUNT; ++moved) {
        if (moved > 0) { ASSERT_TRUE(session_list_swap_columns(&list, 0, moved)); }
        for (uint32_t row = 1; row < list.held; ++row)
            ASSERT_LE(compare_session_field(*session_list_row(list, (int32_t)row - 1),
                                            *session_list_row(list, (int32_t)row), list.columns[0].field),
                      0)
                << moved << " " << row;
    }
}

}  // namespace
