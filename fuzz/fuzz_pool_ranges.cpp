// Any bytes as a stored "Addr-Pool-Ranges" property: read into a pool's
// range list and written back. Nothing may crash; a list that was taken
// must be sorted without overlaps and must read back the same.
#include <stdint.h>
#include <string.h>

#include <vector>

#include "panels/pool_ranges.h"

namespace {

PoolRanges g_read;
PoolRanges g_again;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 65535) return 0;
    if (pool_ranges_decode(data, (uint32_t)size, &g_read) != 0) {
        if (g_read.count != 0) __builtin_trap();
        return 0;
    }
    for (uint32_t i = 1; i < g_read.count; ++i) {
        const PoolRange& before = g_read.items[i - 1];
        const PoolRange& after = g_read.items[i];
        if (before.start >= after.start) __builtin_trap();
        if (before.count && after.count && (uint64_t)before.start + before.count > after.start) __builtin_trap();
    }
    std::vector<uint8_t> written(POOL_RANGES_LIMIT);
    uint32_t length = pool_ranges_encode(g_read, written.data());
    if (length != g_read.count * POOL_RANGE_BYTES) __builtin_trap();
    if (pool_ranges_decode(written.data(), length, &g_again) != 0 || g_again.count != g_read.count ||
        memcmp(g_again.items, g_read.items, g_read.count * sizeof(PoolRange)) != 0)
        __builtin_trap();
    return 0;
}
