// The address ranges of one IP address pool: kept sorted by start address
// without overlaps, and their stored form, 8 bytes a range (start, then
// count, each a 32-bit little-endian number), no header. No server calls
// here: the record, keelcli and the fuzz target share it.
#pragma once

#include <stdint.h>

const uint32_t POOL_MAX_RANGES = 4096;
const uint32_t POOL_RANGE_BYTES = 8;
const uint32_t POOL_RANGES_LIMIT = POOL_MAX_RANGES * POOL_RANGE_BYTES;  // 32768 bytes
const uint32_t LAST_ADDRESS = 0xFFFFFFFF;                               // 255.255.255.255

// The pool codes the console sets itself; their texts are in the status table.
const uint16_t POOL_STATUS_TOO_LONG = 200;   // more than its field holds
const uint16_t POOL_STATUS_NO_MEMORY = 204;  // no room for another range, or no memory
const uint16_t POOL_STATUS_DUPLICATE = 207;  // a range with the same start
const uint16_t POOL_STATUS_OVERLAP = 208;

// `start` is the address as a number, first octet most significant.
struct PoolRange {
    uint32_t start;
    uint32_t count;
};

struct PoolRanges {
    uint32_t count;
    PoolRange items[POOL_MAX_RANGES];
};

// Puts `range` in its sorted place: 208 when it shares an address with a
// range of the list, else 207 when one starts where it starts, 204 when the
// list is full; the list is unchanged on failure. A stored range of 0
// addresses covers nothing but still holds its start.
uint16_t pool_insert_range(PoolRanges* ranges, PoolRange range);
// Takes out the range starting at `start`; false when there is none.
bool pool_remove_range(PoolRanges* ranges, uint32_t start);

// Why a range typed for a pool cannot be added, before it is compared with
// the pool's ranges.
enum PoolRangeRule {
    RANGE_ACCEPTABLE,
    RANGE_NO_ADDRESSES,    // a count of 0
    RANGE_STARTS_AT_LAST,  // 255.255.255.255 as the start
    RANGE_PASSES_LAST,     // its end would wrap past 255.255.255.255
    RANGE_POOL_FULL,       // the pool holds 4096 ranges already
};
PoolRangeRule pool_check_new_range(const PoolRanges& ranges, PoolRange range);

// The stored form of the list, in list order, into `bytes` (at least
// POOL_RANGES_LIMIT); returns the length.
uint32_t pool_ranges_encode(const PoolRanges& ranges, uint8_t* bytes);
// A stored list read back: each whole entry inserted in stored order, so a
// stored overlap fails with 208 (or 207) and leaves the list empty. Longer
// than POOL_RANGES_LIMIT: 200, nothing taken. A partial last entry is not
// a range and is ignored.
uint16_t pool_ranges_decode(const uint8_t* bytes, uint32_t length, PoolRanges* ranges);

// A range typed as a start address and a count, added by the rules of the
// Add New IP Address Range dialog: `message_id` names a refusal of what was
// typed (a start that is not a dotted quad, a count that is not a number,
// or a range no pool may take); `status` one by the list (overlap 208, same
// start 207, full 204). Both 0: added.
struct TypedRangeResult {
    uint16_t message_id;
    uint16_t status;
};
TypedRangeResult pool_add_typed_range(PoolRanges* ranges, const char* start_text, const char* count_text);

// The count as typed: decimal digits only, at most 4294967295.
bool parse_range_count(const char* text, uint32_t* count);
// "10.0.0.1 (10)", as the range list shows it.
void format_pool_range(const PoolRange& range, char* text, uint32_t text_size);
