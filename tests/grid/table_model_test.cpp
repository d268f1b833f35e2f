#include <gtest/gtest.h>

#include "grid/table_state.h"

namespace {

// A table of 20-pixel rows, 10 of them visible, three 100-pixel columns in
// a 250-pixel window.
struct TableFixture : ::testing::Test {
    TableState s{};
    void SetUp() override {
        ASSERT_TRUE(table_init(&s));
        s.row_spacing = 0;
        table_set_font_height(&s, 20);
        table_set_client_size(&s, 250, 205);
        table_set_column_count(&s, 3);
        for (int32_t c = 0; c < 3; ++c) table_set_width(&s, c, 100);
        table_set_row_count(&s, 1000000);
    }
    void TearDown() override { table_free(&s); }
};

TEST_F(TableFixture, RowCountKeepsCurrentAndTopInRange) {
    EXPECT_EQ(s.visible_rows, 10);
    EXPECT_EQ(s.max_top_row, 999990);
    EXPECT_EQ(s.current_row, 0);
    table_move_row(&s, 999999, false);
    table_set_row_count(&s, 50);
    EXPECT_EQ(s.current_row, 49);
    EXPECT_EQ(s.top_row, 40);
    table_set_row_count(&s, -3);  // ignored
    EXPECT_EQ(s.row_count, 50);
    table_set_row_count(&s, 0);
    EXPECT_EQ(s.current_row, -1);
    EXPECT_EQ(s.top_row, 0);
}

TEST_F(TableFixture, WidthsAndColumnCountAreBounded) {
    EXPECT_EQ(table_set_width(&s, 1, 1024), 100);  // 1024 or more: unchanged
    EXPECT_EQ(table_set_width(&s, 1, 0), 0);
    EXPECT_EQ(table_set_width(&s, 200, 50), -1);  // past the maximum
    EXPECT_EQ(s.widths[199], DEFAULT_COLUMN_WIDTH);
    table_set_column_count(&s, 500);
    EXPECT_EQ(s.column_count, 200);
    ASSERT_TRUE(table_set_max_columns(&s, 2));
    EXPECT_EQ(s.column_count, 2);
    EXPECT_EQ(s.widths[1], DEFAULT_COLUMN_WIDTH);
    EXPECT_FALSE(table_set_max_columns(&s, 32001));
}

struct Move {
    int32_t from_row, from_top;
    int32_t to;
    bool page_key;
    int32_t expected_top;
};

TEST_F(TableFixture, ScrollPositionFollowsTheCurrentRow) {
    const Move moves[] = {
        {0, 0, 5, false, 0},            // within the page: no scroll
        {9, 0, 10, false, 1},           // one below: one row
        {10, 1, 0, false, 0},           // back up within a page
        {5, 0, 15, false, 6},           // up to a page: as little as possible
        {5, 0, 500005, false, 500000},  // a long jump keeps the row's place
        {3, 0, 999999, false, 999990},  // ... within the highest top row
        {500005, 500000, 2, false, 0},
        {0, 0, 10, true, 10},  // page down carries the view
        {999995, 999990, 1000005, true, 999990},
    };
    for (const Move& m : moves) {
        s.current_row = m.from_row;
        s.top_row = m.from_top;
        table_move_row(&s, m.to, m.page_key);
        EXPECT_EQ(s.top_row, m.expected_top) << m.from_row << " -> " << m.to;
        EXPECT_GE(s.current_row, s.top_row);
        EXPECT_LT(s.current_row, s.top_row + s.visible_rows);
    }
}

TEST_F(TableFixture, PagingAThousandTimesThroughAMillionRows) {
    for (int i = 0; i < 1000; ++i) table_page(&s, 1);
    EXPECT_EQ(s.current_row, 10000);
    EXPECT_EQ(s.top_row, 10000);
    table_page(&s, -2);
    EXPECT_EQ(s.current_row, 9980);
    EXPECT_EQ(s.top_row, 9980);
}

TEST_F(TableFixture, HitTestingFindsTheCell) {
    struct {
        int32_t x, y, column, row;
    } const cases[] = {
        {0, 0, 0, 0}, {99, 19, 0, 0}, {100, 20, 1, 1}, {249, 204, 2, 10}, {250, 0, -1, -1}, {-1, 5, -1, -1},
    };
    for (const auto& c : cases) {
        int32_t column, row;
        table_hit_test(s, c.x, c.y, &column, &row);
        EXPECT_EQ(column, c.column) << c.x << "," << c.y;
        EXPECT_EQ(row, c.row) << c.x << "," << c.y;
    }
    table_set_top_row(&s, 500);
    table_set_left_column(&s, 1);
    int32_t column, row;
    ASSERT_TRUE(table_hit_test(s, 150, 45, &column, &row));
    EXPECT_EQ(column, 2);
    EXPECT_EQ(row, 502);
    table_set_row_count(&s, 2);
    EXPECT_FALSE(table_hit_test(s, 10, 45, &column, &row));  // past the last row
}

TEST_F(TableFixture, CellRectanglesAndVisibility) {
    CellRect r;
    EXPECT_EQ(table_cell_rect(s, 1, 2, &r), CELL_INSIDE);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(r.right, 200);
    EXPECT_EQ(r.bottom, 60);
    EXPECT_EQ(table_cell_rect(s, 2, 2, &r), CELL_STARTS);  // runs past 250
    EXPECT_EQ(table_cell_rect(s, 0, 50, &r), CELL_HIDDEN);
    EXPECT_EQ(r.right, 0);
    table_set_left_column(&s, 1);
    EXPECT_EQ(table_cell_rect(s, 0, 2, &r), CELL_HIDDEN);  // scrolled off to the left
}

TEST_F(TableFixture, HorizontalRangeWithAndWithoutWidthTracking) {
    EXPECT_EQ(table_horizontal_range(s), 2);
    s.track_width = true;
    EXPECT_EQ(table_horizontal_range(s), 0);  // 300 wide from column 0; from 1 only 200 < 250
    table_set_client_size(&s, 150, 200);
    EXPECT_EQ(table_horizontal_range(s), 1);
    table_move_column(&s, 2);
    EXPECT_EQ(s.left_column, 1);  // never past the range, even for the last column
}

TEST_F(TableFixture, CurrentColumnScrollsIntoView) {
    table_move_column(&s, 2);
    EXPECT_EQ(s.left_column, 1);  // 100 + 100 fits in 250
    table_move_column(&s, 0);
    EXPECT_EQ(s.left_column, 0);
    s.row_select = true;
    table_step_columns(&s, 1);
    EXPECT_EQ(s.left_column, 1);
    EXPECT_EQ(s.current_column, 0);
}

}  // namespace
