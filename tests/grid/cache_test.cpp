#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include <string>

#include "grid/cell_cache.h"

namespace {

CachedCell cell(const std::string& text, uint32_t colour = 0x123456) {
    CachedCell c{};
    c.text_colour = colour;
    c.background_colour = 0xFFFFFF;
    c.alignment = 2;
    c.decorations = 4;
    c.bitmap = 0x77;
    snprintf(c.text, sizeof c.text, "%s", text.c_str());
    return c;
}

struct CacheFixture : ::testing::Test {
    CellCache cache{};
    void TearDown() override { cache_free(&cache); }
    std::string find(int32_t row, int32_t column) {
        CachedCell out{};
        return cache_find(cache, row, column, &out) ? std::string(out.text) : std::string("<miss>");
    }
};

TEST_F(CacheFixture, StartedTwiceIsRefusedAndSizeIsClamped) {
    EXPECT_EQ(cache_start(&cache, 0), CACHE_STARTED);
    EXPECT_EQ(cache.kilobytes, 1);
    EXPECT_EQ(cache.slot_count, 15);
    EXPECT_EQ(cache_start(&cache, 4), CACHE_EXISTS);
    cache_free(&cache);
    EXPECT_EQ(cache_start(&cache, 99), CACHE_STARTED);
    EXPECT_EQ(cache.slot_count, 31 * 15);
}

TEST_F(CacheFixture, StoresAndFindsEveryValue) {
    cache_start(&cache, 1);
    cache_store(&cache, 5, 2, cell("hello", 0xABCDEF));
    CachedCell out{};
    ASSERT_TRUE(cache_find(cache, 5, 2, &out));
    EXPECT_STREQ(out.text, "hello");
    EXPECT_EQ(out.text_colour, 0xABCDEFu);
    EXPECT_EQ(out.alignment, 2);
    EXPECT_EQ(out.decorations, 4u);
    EXPECT_EQ(out.bitmap, 0x77u);
    EXPECT_EQ(find(2, 5), "<miss>");
    cache_refresh(&cache);
    EXPECT_EQ(find(5, 2), "<miss>");
}

TEST_F(CacheFixture, LongTextsTakeSeveralSlotsAndAreReturnedWhole) {
    EXPECT_EQ(cache_slots_for(26), 1);
    EXPECT_EQ(cache_slots_for(27), 2);
    EXPECT_EQ(cache_slots_for(76), 2);
    EXPECT_EQ(cache_slots_for(77), 3);
    EXPECT_EQ(cache_slots_for(255), 6);
    cache_start(&cache, 1);
    std::string long_text(200, 'x');
    cache_store(&cache, 1, 1, cell(long_text));
    cache_store(&cache, 2, 2, cell("after"));
    EXPECT_EQ(find(1, 1), long_text);
    EXPECT_EQ(find(2, 2), "after");
    EXPECT_EQ(cache.next_slot, 6);
}

// The ring wraps over a long entry: whatever is left must be the cell's own
// text or a miss, never another cell's.
TEST_F(CacheFixture, ReusedSlotsNeverReturnAnotherCellsText) {
    cache_start(&cache, 1);
    for (int32_t i = 0; i < 200; ++i) {
        std::string text = std::to_string(i) + std::string((size_t)(i * 37 % 240), (char)('a' + i % 26));
        cache_store(&cache, i, i % 7, cell(text));
        for (int32_t j = 0; j <= i; ++j) {
            std::string expected = std::to_string(j) + std::string((size_t)(j * 37 % 240), (char)('a' + j % 26));
            std::string got = find(j, j % 7);
            if (got != "<miss>") { ASSERT_EQ(got, expected) << "after storing " << i << ", cell " << j; }
        }
        ASSERT_EQ(find(i, i % 7), text);
    }
}

TEST_F(CacheFixture, NothingIsStoredOrFoundWithoutACache) {
    cache_store(&cache, 1, 1, cell("x"));
    EXPECT_EQ(find(1, 1), "<miss>");
}

}  // namespace
