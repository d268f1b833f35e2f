// The statistics panel's fields: counter texts, the two totals, the up
// time, the refresh rule against keelsim and what a failed request leaves.
#include <gtest/gtest.h>

#include <string>

#include "stats/statistics_panel.h"
#include "tests/stats/stats_fixture.h"

namespace {

StatisticsCounters counters_of(std::initializer_list<std::pair<uint16_t, uint32_t>> values) {
    StatisticsCounters counters = {};
    for (const auto& value : values) {
        counters.present[value.first] = true;
        counters.value[value.first] = value.second;
    }
    return counters;
}

std::string text(uint32_t field) { return statistics_panel().texts[field]; }

class StatisticsPanelTest : public PanelTest {
protected:
    void SetUp() override { statistics_reset(); }
    void TearDown() override {
        statistics_reset();
        PanelTest::TearDown();
    }
    uint32_t requests() { return sim_request_count(server, 2, 1); }
};

TEST(UpTime, SplitsIntoDaysAndClock) {
    struct Case {
        uint32_t seconds;
        const char* text;
    } cases[] = {
        {90061, "1 Days\n01:01:01"},
        {0, "0 Days\n00:00:00"},
        {86399, "0 Days\n23:59:59"},
        {4294967295u, "49710 Days\n06:28:15"},
    };
    for (const Case& c : cases) {
        char shown[STATS_TEXT_SIZE];
        format_up_time_text(c.seconds, shown, sizeof shown);
        EXPECT_STREQ(shown, c.text) << c.seconds;
    }
}

TEST_F(StatisticsPanelTest, TotalsSumTheLastValuesOfTheirTwoCounters) {
    statistics_apply(counters_of({{11, 5}}), 0);
    statistics_apply(counters_of({{12, 7}}), 1000);
    EXPECT_EQ(text(11), "5");
    EXPECT_EQ(text(12), "7");
    EXPECT_EQ(text(STATS_FIELD_ACCOUNTING_TOTAL), "12");
    statistics_apply(counters_of({{19, 4294967295u}, {20, 1}}), 2000);
    EXPECT_EQ(text(STATS_FIELD_PROXY_TOTAL), "4294967296");
    EXPECT_EQ(text(0), "");  // not sent, never set
}

TEST_F(StatisticsPanelTest, OnlyTextsThatDifferAreMarkedForRedrawing) {
    statistics_apply(counters_of({{1, 40}, {2, 38}}), 0);
    for (uint32_t field = 0; field < STATS_FIELD_COUNT; ++field) statistics_mark_shown(field);
    statistics_apply(counters_of({{1, 41}, {2, 38}}), 1000);
    EXPECT_TRUE(statistics_panel().changed[1]);
    EXPECT_FALSE(statistics_panel().changed[2]);
}

TEST_F(StatisticsPanelTest, ActivationShowsNotApplicableThenTheServersCounters) {
    open_session("counter 0 90061\ncounter 3 17\n");
    statistics_activate(10000);
    EXPECT_EQ(requests(), 1u);
    EXPECT_EQ(text(0), "1 Days\n01:01:01");
    EXPECT_EQ(text(3), "17");
    EXPECT_EQ(text(4), "N/A");  // the server did not send it
    EXPECT_EQ(text(STATS_FIELD_ACCOUNTING_TOTAL), "N/A");
    statistics_activate(10100);  // loaded: nothing again
    EXPECT_EQ(requests(), 1u);
}

TEST_F(StatisticsPanelTest, TicksRefreshAfterMoreThanASecondAndNotWhileCurrentUsersIsOpen) {
    open_session("counter 1 5\n");
    statistics_activate(10000);
    struct Step {
        uint32_t now;
        bool users_open;
        uint32_t requests;
    } steps[] = {
        {10250, false, 1}, {11000, false, 1}, {11001, false, 2}, {12500, true, 2}, {13000, true, 2}, {13250, false, 3},
    };
    for (const Step& step : steps) {
        statistics_set_current_users_open(step.users_open);
        statistics_tick(step.now);
        EXPECT_EQ(requests(), step.requests) << step.now;
    }
}

TEST_F(StatisticsPanelTest, AFailedRequestKeepsTheTextsAndIsRetriedNextSecond) {
    open_session("counter 2 9\n");
    statistics_activate(0);
    ASSERT_EQ(text(2), "9");
    ASSERT_EQ(sim_add_fault(server, "2:1:1:fail=104"), 0);
    ASSERT_EQ(sim_apply(server, "counter 2 10\n"), 0);
    EXPECT_TRUE(statistics_tick(1500));
    EXPECT_EQ(text(2), "9");
    EXPECT_FALSE(statistics_tick(2400));
    EXPECT_TRUE(statistics_tick(2600));
    EXPECT_EQ(text(2), "10");
}

TEST_F(StatisticsPanelTest, AResetForgetsTheServerIncludingTheProxyValues) {
    statistics_activate(0);  // no session: the request fails, the fields say N/A
    statistics_apply(counters_of({{19, 3}, {20, 4}}), 0);
    statistics_reset();
    open_session("counter 20 1\n");
    statistics_activate(5000);
    // The other server's proxy authentication count is not added in.
    EXPECT_EQ(text(STATS_FIELD_PROXY_TOTAL), "1");
    EXPECT_EQ(text(19), "N/A");
}

}  // namespace
