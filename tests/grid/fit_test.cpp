#include <gtest/gtest.h>

#include <vector>

#include "grid/fit.h"
#include "grid/grid_messages.h"

namespace {

struct FitCase {
    std::vector<int32_t> widths;
    int32_t n;
    int32_t client;
    std::vector<int32_t> expected;
};

TEST(FitToWindow, SharesTheWidthInProportionAndHandsOutTheSparePixels) {
    const FitCase cases[] = {
        {{120, 90, 50}, 0, 520, {242, 178, 100}},  // 239+3, 176+2, 98+2
        {{120, 90, 50}, 5, 520, {242, 178, 100}},  // more than the count = all
        {{120, 90, 50}, 2, 300, {173, 127, 50}},   // only the first two; the third untouched
        {{100, 0, 100}, 0, 301, {151, 0, 150}},    // a zero-width column stays hidden
        {{0, 0, 0}, 0, 100, {34, 33, 33}},         // all zero: equal shares, no division by zero
        {{0, 0}, 0, 0, {0, 0}},                    // nothing to share
        {{50}, 0, -20, {0}},                       // a negative client width is none
    };
    for (const FitCase& c : cases) {
        std::vector<int32_t> widths = c.widths;
        ASSERT_TRUE(fit_to_window(widths.data(), (int32_t)widths.size(), c.n, c.client)) << c.client;
        EXPECT_EQ(widths, c.expected) << c.client;
    }
}

TEST(FitToWindow, RefusesNoColumnsAndMoreThanTwoHundred) {
    int32_t widths[3] = {10, 20, 30};
    EXPECT_FALSE(fit_to_window(widths, 0, 0, 100));
    EXPECT_FALSE(fit_to_window(widths, 3, 201, 100));
    EXPECT_EQ(widths[0], 10);
}

struct Grid {
    std::vector<std::vector<int32_t>> cells;
};
int32_t measure_cell(void* context, int32_t row, int32_t column) {
    return ((Grid*)context)->cells[(size_t)row][(size_t)column];
}

int g_answer_at = 0, g_answer = 0, g_calls = 0;
int scripted_progress(int32_t done, int32_t) {
    ++g_calls;
    return done == g_answer_at ? g_answer : 0;
}

TEST(BestFit, TakesTheWidestCellPlusExtraAndTwo) {
    Grid grid{{{10, 40}, {30, 5}, {99, 99}}};
    int32_t widths[2] = {0, 0};
    ASSERT_TRUE(best_fit(0, 2, 2, 4, {&grid, measure_cell, nullptr}, widths));
    EXPECT_EQ(widths[0], 36);
    EXPECT_EQ(widths[1], 46);
}

TEST(BestFit, ProgressCancelsOrStopsEarly) {
    Grid grid{{{10}, {30}, {50}}};
    int32_t widths[1] = {7};
    g_answer_at = 2, g_answer = BEST_FIT_CANCEL, g_calls = 0;
    EXPECT_FALSE(best_fit(0, 3, 1, 0, {&grid, measure_cell, scripted_progress}, widths));
    EXPECT_EQ(widths[0], 7);
    EXPECT_EQ(g_calls, 2);
    g_answer = BEST_FIT_STOP, g_calls = 0;
    EXPECT_TRUE(best_fit(0, 3, 1, 0, {&grid, measure_cell, scripted_progress}, widths));
    EXPECT_EQ(widths[0], 32);  // rows 0 and 1 only
}

TEST(BestFit, RowsToMeasure) {
    int32_t first, end;
    best_fit_rows(10, 0, 50, &first, &end);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(end, 50);
    best_fit_rows(10, 20, 50, &first, &end);
    EXPECT_EQ(first, 10);
    EXPECT_EQ(end, 30);
    best_fit_rows(45, 20, 50, &first, &end);
    EXPECT_EQ(end, 50);
    EXPECT_EQ(best_fit_cell_width(30, CELL_CHECKED, true, 18), 66);
    EXPECT_EQ(best_fit_cell_width(30, CELL_RAISED, false, 18), 30);
}

}  // namespace
