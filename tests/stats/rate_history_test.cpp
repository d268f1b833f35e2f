// The graph's rates: from two readings of the totals, broken by gaps and by
// a server that started over, kept for the window only.
#include <gtest/gtest.h>

#include "stats/rate_history.h"
#include "stats/statistics_panel.h"

namespace {

class RateHistoryTest : public ::testing::Test {
protected:
    RateHistory history;
    void SetUp() override { rate_history_reset(&history); }
};

TEST_F(RateHistoryTest, RatesArePerSecondBetweenReadings) {
    rate_history_add(&history, 1000, 100, 50);
    EXPECT_EQ(history.count, 0u);
    rate_history_add(&history, 3000, 110, 54);
    ASSERT_EQ(history.count, 1u);
    EXPECT_DOUBLE_EQ(rate_history_at(history, 0).authentication, 5.0);
    EXPECT_DOUBLE_EQ(rate_history_at(history, 0).accounting, 2.0);
    EXPECT_TRUE(rate_history_at(history, 0).starts_line);
    rate_history_add(&history, 4000, 111, 54);
    EXPECT_FALSE(rate_history_at(history, 1).starts_line);
}

TEST_F(RateHistoryTest, GapsRestartsAndMissingReadingsBreakTheLine) {
    rate_history_add(&history, 0, 10, 10);
    rate_history_add(&history, 1000, 20, 20);
    rate_history_add(&history, 1000 + RATE_GAP_MS + 1, 30, 30);  // the panel was hidden
    EXPECT_EQ(history.count, 1u);
    rate_history_add(&history, 2001 + RATE_GAP_MS, 35, 31);
    ASSERT_EQ(history.count, 2u);
    EXPECT_TRUE(rate_history_at(history, 1).starts_line);
    rate_history_add(&history, 3001 + RATE_GAP_MS, 3, 1);  // the server restarted
    EXPECT_EQ(history.count, 2u);
    rate_history_break(&history);
    rate_history_add(&history, 4001 + RATE_GAP_MS, 4, 2);
    rate_history_add(&history, 5001 + RATE_GAP_MS, 6, 2);
    ASSERT_EQ(history.count, 3u);
    EXPECT_DOUBLE_EQ(rate_history_at(history, 2).authentication, 2.0);
    EXPECT_TRUE(rate_history_at(history, 2).starts_line);
}

TEST_F(RateHistoryTest, SamplesOlderThanTheWindowAreDropped) {
    for (uint32_t second = 0; second <= 400; ++second) rate_history_add(&history, second * 1000, second, 0);
    ASSERT_GT(history.count, 0u);
    EXPECT_EQ(rate_history_at(history, 0).tick, 400000 - RATE_WINDOW_MS);
    EXPECT_EQ(rate_history_at(history, history.count - 1).tick, 400000u);
    EXPECT_DOUBLE_EQ(rate_history_peak(history), 1.0);
}

TEST(RateScale, RoundsUpToOneTwoOrFive) {
    struct Case {
        double peak, top;
    } cases[] = {{0, 1}, {0.4, 1}, {1, 1}, {1.1, 2}, {3, 5}, {7, 10}, {12, 20}, {4500, 5000}, {50001, 100000}};
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(rate_scale_top(c.peak), c.top) << c.peak;
}

TEST(RateGraph, ThePanelFeedsTheAuthenticationAndAccountingTotals) {
    statistics_reset();
    StatisticsCounters counters = {};
    for (uint16_t id : {1, 11, 12}) counters.present[id] = true;
    counters.value[1] = 100;
    statistics_apply(counters, 0);
    counters.value[1] = 130;
    counters.value[11] = 4;
    counters.value[12] = 2;
    statistics_apply(counters, 2000);
    const RateHistory& rates = statistics_panel().rates;
    ASSERT_EQ(rates.count, 1u);
    EXPECT_DOUBLE_EQ(rate_history_at(rates, 0).authentication, 15.0);
    EXPECT_DOUBLE_EQ(rate_history_at(rates, 0).accounting, 3.0);
    statistics_reset();
}

}  // namespace
