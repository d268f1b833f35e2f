// A small cache of cell answers in one buffer: an index of (row, column)
// slots followed by one 50-byte data block per slot. A text longer than the
// first block spills into the following blocks; those slots are marked as
// continuations of their head, so a lookup never finds them and reusing one
// drops the entry it belonged to.
#pragma once

#include <stdint.h>

const int32_t CACHE_SLOTS_PER_KB = 15;
const int32_t CACHE_BLOCK_SIZE = 50;
const int32_t CACHE_HEADER_SIZE = 24;  // six 32-bit values before the text
const int32_t CACHE_MIN_KB = 1;
const int32_t CACHE_MAX_KB = 31;
const uint32_t CACHE_TEXT_MAX = 255;

struct CellCache {
    bool on;
    uint8_t* buffer;
    int32_t kilobytes;
    int32_t slot_count;
    int32_t next_slot;
};

struct CachedCell {
    uint32_t text_colour;
    uint32_t background_colour;
    int32_t alignment;
    uint32_t decorations;
    uint32_t bitmap;  // GDI handles keep only their low 32 bits significant
    char text[CACHE_TEXT_MAX + 1];
};

// Status codes of cache_start.
const int16_t CACHE_STARTED = 1;
const int16_t CACHE_NO_MEMORY = 0;
const int16_t CACHE_EXISTS = -1;

// 1 started, 0 no memory, -1 a cache exists already.
int16_t cache_start(CellCache* cache, int32_t kilobytes);
void cache_free(CellCache* cache);
// Marks every slot free.
void cache_refresh(CellCache* cache);
bool cache_find(const CellCache& cache, int32_t row, int32_t column, CachedCell* out);
void cache_store(CellCache* cache, int32_t row, int32_t column, const CachedCell& cell);
// How many slots a text of this length occupies.
int32_t cache_slots_for(uint32_t text_length);
