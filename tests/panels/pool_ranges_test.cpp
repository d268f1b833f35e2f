// The range list of a pool: insertion with its overlap and same-start
// rules, the checks on a typed range, and the stored form.
#include <gtest/gtest.h>

#include <stdint.h>

#include <memory>
#include <string>
#include <vector>

#include "attrs/value_text.h"
#include "panels/pool_ranges.h"

namespace {

PoolRange range(const char* start, uint32_t count) {
    PoolRange r = {0, count};
    EXPECT_TRUE(parse_dotted_quad(start, &r.start)) << start;
    return r;
}

std::vector<std::string> shown(const PoolRanges& ranges) {
    std::vector<std::string> texts;
    char text[64];
    for (uint32_t i = 0; i < ranges.count; ++i) {
        format_pool_range(ranges.items[i], text, sizeof text);
        texts.push_back(text);
    }
    return texts;
}

// The list is large: tests keep it on the heap.
std::unique_ptr<PoolRanges> empty_list() {
    std::unique_ptr<PoolRanges> ranges(new PoolRanges);
    ranges->count = 0;
    return ranges;
}

struct Insertion {
    const char* start;
    uint32_t count;
    uint16_t status;
};

TEST(PoolRanges, InsertionRefusesOverlapsAndKeepsTheOrder) {
    const Insertion steps[] = {
        {"10.0.0.1", 10, 0},    {"10.0.0.11", 5, 0},        // right after the first: touching is not overlapping
        {"10.0.0.5", 2, 208},                               // inside the first
        {"10.0.0.0", 100, 208},                             // over both
        {"10.0.0.0", 2, 208},                               // its end inside the first
        {"10.0.0.15", 1, 208},                              // the last address of the second
        {"10.0.0.20", 5, 0},                                // listed after them
        {"10.0.0.0", 1, 0},                                 // listed before them
        {"0.0.0.0", 1, 0},      {"255.255.255.255", 1, 0},  // the list itself takes any start
    };
    auto ranges = empty_list();
    for (const Insertion& step : steps) {
        SCOPED_TRACE(std::string(step.start) + " (" + std::to_string(step.count) + ")");
        uint32_t before = ranges->count;
        EXPECT_EQ(pool_insert_range(ranges.get(), range(step.start, step.count)), step.status);
        EXPECT_EQ(ranges->count, before + (step.status == 0 ? 1 : 0));
    }
    EXPECT_EQ(shown(*ranges), (std::vector<std::string>{"0.0.0.0 (1)", "10.0.0.0 (1)", "10.0.0.1 (10)", "10.0.0.11 (5)",
                                                        "10.0.0.20 (5)", "255.255.255.255 (1)"}));
}

TEST(PoolRanges, StoredRangesOfNoAddressesOrPastTheEndCompareAsTheyLie) {
    auto ranges = empty_list();
    // A count of 0 covers nothing but keeps its start to itself.
    ASSERT_EQ(pool_insert_range(ranges.get(), range("10.0.0.5", 0)), 0);
    EXPECT_EQ(pool_insert_range(ranges.get(), range("10.0.0.1", 10)), 0);
    EXPECT_EQ(pool_insert_range(ranges.get(), range("10.0.0.5", 0)), 207);
    // A range running past 255.255.255.255 does not wrap onto low addresses.
    ASSERT_EQ(pool_insert_range(ranges.get(), range("255.255.255.0", 0x200)), 0);
    EXPECT_EQ(pool_insert_range(ranges.get(), range("0.0.0.1", 10)), 0);
    EXPECT_EQ(pool_insert_range(ranges.get(), range("255.255.255.200", 1)), 208);
}

TEST(PoolRanges, AFullListTakesNoMore) {
    auto ranges = empty_list();
    for (uint32_t i = 0; i < POOL_MAX_RANGES; ++i) ASSERT_EQ(pool_insert_range(ranges.get(), {i * 2, 1}), 0);
    EXPECT_EQ(pool_insert_range(ranges.get(), {0x10000000, 1}), 204);
    EXPECT_EQ(ranges->count, POOL_MAX_RANGES);
    EXPECT_EQ(pool_check_new_range(*ranges, {0x10000000, 1}), RANGE_POOL_FULL);
    EXPECT_TRUE(pool_remove_range(ranges.get(), 2));
    EXPECT_EQ(pool_check_new_range(*ranges, {0x10000000, 1}), RANGE_ACCEPTABLE);
}

TEST(PoolRanges, TypedRangesMustHoldAddressesAndEndByTheLastAddress) {
    struct Case {
        const char* start;
        uint32_t count;
        PoolRangeRule rule;
    };
    const Case cases[] = {
        {"10.0.0.1", 0, RANGE_NO_ADDRESSES},       {"255.255.255.255", 1, RANGE_STARTS_AT_LAST},
        {"255.255.255.250", 7, RANGE_PASSES_LAST}, {"0.0.0.2", 0xFFFFFFFF, RANGE_PASSES_LAST},
        {"0.0.0.1", 0xFFFFFFFF, RANGE_ACCEPTABLE}, {"255.255.255.250", 6, RANGE_ACCEPTABLE},  // ends at 255.255.255.255
        {"0.0.0.0", 0xFFFFFFFF, RANGE_ACCEPTABLE},
    };
    auto ranges = empty_list();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.start) + " (" + std::to_string(c.count) + ")");
        EXPECT_EQ(pool_check_new_range(*ranges, range(c.start, c.count)), c.rule);
    }
}

TEST(PoolRanges, RemovalFindsTheRangeByItsStart) {
    auto ranges = empty_list();
    for (const char* start : {"10.0.0.1", "10.0.0.20", "10.0.0.40"}) pool_insert_range(ranges.get(), range(start, 5));
    EXPECT_FALSE(pool_remove_range(ranges.get(), range("10.0.0.2", 1).start));  // inside, not a start
    EXPECT_TRUE(pool_remove_range(ranges.get(), range("10.0.0.20", 1).start));
    EXPECT_EQ(shown(*ranges), (std::vector<std::string>{"10.0.0.1 (5)", "10.0.0.40 (5)"}));
}

TEST(PoolRanges, StoredFormIsEightLittleEndianBytesARange) {
    auto ranges = empty_list();
    pool_insert_range(ranges.get(), range("10.1.2.3", 0x01020304));
    pool_insert_range(ranges.get(), range("10.0.0.1", 10));
    std::vector<uint8_t> bytes(POOL_RANGES_LIMIT);
    uint32_t length = pool_ranges_encode(*ranges, bytes.data());
    const uint8_t expected[] = {0x01, 0x00, 0x00, 0x0A, 10, 0, 0, 0, 0x03, 0x02, 0x01, 0x0A, 0x04, 0x03, 0x02, 0x01};
    ASSERT_EQ(length, sizeof expected);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + length),
              std::vector<uint8_t>(expected, expected + sizeof expected));

    // Read back in any stored order, the list comes out sorted; a partial
    // last entry is no range.
    const uint8_t reversed[] = {0x03, 0x02, 0x01, 0x0A, 0x04, 0x03, 0x02, 0x01, 0x01,
                                0x00, 0x00, 0x0A, 10,   0,    0,    0,    0xAA};
    auto read = empty_list();
    ASSERT_EQ(pool_ranges_decode(reversed, sizeof reversed, read.get()), 0);
    EXPECT_EQ(shown(*read), (std::vector<std::string>{"10.0.0.1 (10)", "10.1.2.3 (16909060)"}));
    EXPECT_EQ(pool_ranges_decode(reversed, 0, read.get()), 0);
    EXPECT_EQ(read->count, 0u);
}

TEST(PoolRanges, AStoredListThatCannotBeTakenGivesNoRangesAtAll) {
    // 10.0.0.1 (10), then 10.0.0.5 (2) inside it.
    const uint8_t overlapping[] = {0x01, 0, 0, 0x0A, 10, 0, 0, 0, 0x05, 0, 0, 0x0A, 2, 0, 0, 0};
    auto ranges = empty_list();
    EXPECT_EQ(pool_ranges_decode(overlapping, sizeof overlapping, ranges.get()), 208);
    EXPECT_EQ(ranges->count, 0u);
    // More ranges than a pool holds: refused whole rather than cut short.
    std::vector<uint8_t> many((POOL_MAX_RANGES + 1) * POOL_RANGE_BYTES, 0);
    for (uint32_t i = 0; i <= POOL_MAX_RANGES; ++i) {
        many[i * POOL_RANGE_BYTES] = (uint8_t)i;
        many[i * POOL_RANGE_BYTES + 1] = (uint8_t)(i >> 8);
        many[i * POOL_RANGE_BYTES + 4] = 1;
    }
    EXPECT_EQ(pool_ranges_decode(many.data(), (uint32_t)many.size(), ranges.get()), 200);
    EXPECT_EQ(ranges->count, 0u);
    EXPECT_EQ(pool_ranges_decode(many.data(), POOL_RANGES_LIMIT, ranges.get()), 0);
    EXPECT_EQ(ranges->count, POOL_MAX_RANGES);
}

TEST(PoolRanges, CountsAreDecimalWithoutSignOrOverflow) {
    struct Case {
        const char* text;
        bool ok;
        uint32_t count;
    };
    const Case cases[] = {
        {"10", true, 10},
        {"010", true, 10},  // decimal, not octal
        {"4294967295", true, 0xFFFFFFFF},
        {"4294967296", false, 0},
        {"99999999999999999999", false, 0},
        {"", false, 0},
        {"-1", false, 0},
        {"+5", false, 0},
        {"5 ", false, 0},
        {"0x10", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        uint32_t count = 12345;
        EXPECT_EQ(parse_range_count(c.text, &count), c.ok);
        EXPECT_EQ(count, c.ok ? c.count : 12345u);
    }
}

}  // namespace
