#include "panels/pool_ranges.h"

#include <stdio.h>
#include <string.h>

#include "api/codec.h"
#include "attrs/value_text.h"
#include "resources/strings.h"

namespace {

// The last address of a range, in 64 bits so that a stored range running
// past 255.255.255.255 compares as it truly lies instead of wrapping.
uint64_t range_end(const PoolRange& range) { return (uint64_t)range.start + range.count - 1; }

bool ranges_overlap(const PoolRange& a, const PoolRange& b) {
    if (a.count == 0 || b.count == 0) return false;
    return a.start <= range_end(b) && b.start <= range_end(a);
}

// The first position whose start is not below `start`.
uint32_t lower_bound(const PoolRanges& ranges, uint32_t start) {
    uint32_t low = 0, high = ranges.count;
    while (low < high) {
        uint32_t middle = low + (high - low) / 2;
        if (ranges.items[middle].start < start)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

}  // namespace

uint16_t pool_insert_range(PoolRanges* ranges, PoolRange range) {
    for (uint32_t i = 0; i < ranges->count; ++i)
        if (ranges_overlap(range, ranges->items[i])) return POOL_STATUS_OVERLAP;
    uint32_t at = lower_bound(*ranges, range.start);
    if (at < ranges->count && ranges->items[at].start == range.start) return POOL_STATUS_DUPLICATE;
    if (ranges->count >= POOL_MAX_RANGES) return POOL_STATUS_NO_MEMORY;
    memmove(&ranges->items[at + 1], &ranges->items[at], (ranges->count - at) * sizeof(PoolRange));
    ranges->items[at] = range;
    ++ranges->count;
    return 0;
}

bool pool_remove_range(PoolRanges* ranges, uint32_t start) {
    uint32_t at = lower_bound(*ranges, start);
    if (at >= ranges->count || ranges->items[at].start != start) return false;
    memmove(&ranges->items[at], &ranges->items[at + 1], (ranges->count - at - 1) * sizeof(PoolRange));
    --ranges->count;
    return true;
}

PoolRangeRule pool_check_new_range(const PoolRanges& ranges, PoolRange range) {
    if (range.count == 0) return RANGE_NO_ADDRESSES;
    if (range.start == LAST_ADDRESS) return RANGE_STARTS_AT_LAST;
    if (range_end(range) > LAST_ADDRESS) return RANGE_PASSES_LAST;
    if (ranges.count >= POOL_MAX_RANGES) return RANGE_POOL_FULL;
    return RANGE_ACCEPTABLE;
}

uint32_t pool_ranges_encode(const PoolRanges& ranges, uint8_t* bytes) {
    for (uint32_t i = 0; i < ranges.count; ++i) {
        put_le32(bytes + i * POOL_RANGE_BYTES, ranges.items[i].start);
        put_le32(bytes + i * POOL_RANGE_BYTES + 4, ranges.items[i].count);
    }
    return ranges.count * POOL_RANGE_BYTES;
}

uint16_t pool_ranges_decode(const uint8_t* bytes, uint32_t length, PoolRanges* ranges) {
    ranges->count = 0;
    // Taking only the first 4096 ranges would let the next save drop the rest.
    if (length > POOL_RANGES_LIMIT) return POOL_STATUS_TOO_LONG;
    for (uint32_t at = 0; at + POOL_RANGE_BYTES <= length; at += POOL_RANGE_BYTES) {
        PoolRange range = {get_le32(bytes + at), get_le32(bytes + at + 4)};
        uint16_t status = pool_insert_range(ranges, range);
        if (status != 0) {
            ranges->count = 0;
            return status;
        }
    }
    return 0;
}

bool parse_range_count(const char* text, uint32_t* count) {
    if (!*text) return false;
    uint64_t value = 0;
    for (const char* at = text; *at; ++at) {
        if (*at < '0' || *at > '9') return false;
        value = value * 10 + (uint64_t)(*at - '0');
        if (value > 0xFFFFFFFFu) return false;
    }
    *count = (uint32_t)value;
    return true;
}

void format_pool_range(const PoolRange& range, char* text, uint32_t text_size) {
    char address[16];
    format_dotted_address(range.start, address, sizeof address);
    snprintf(text, text_size, "%s (%u)", address, (unsigned)range.count);
}

TypedRangeResult pool_add_typed_range(PoolRanges* ranges, const char* start_text, const char* count_text) {
    PoolRange range = {0, 0};
    if (!parse_dotted_quad(start_text, &range.start) || !parse_range_count(count_text, &range.count))
        return {IDS_INVALID_IP_ADDRESS, 0};
    switch (pool_check_new_range(*ranges, range)) {
        case RANGE_NO_ADDRESSES: return {IDS_POOL_NO_ADDRESSES, 0};
        case RANGE_STARTS_AT_LAST: return {IDS_POOL_STARTS_AT_LAST, 0};
        case RANGE_PASSES_LAST: return {IDS_POOL_PASSES_LAST, 0};
        case RANGE_POOL_FULL: return {IDS_POOL_FULL, 0};
        case RANGE_ACCEPTABLE: break;
    }
    return {0, pool_insert_range(ranges, range)};
}
