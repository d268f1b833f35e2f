#include "grid/cell_cache.h"

#include <stdlib.h>
#include <string.h>

namespace {

const int32_t FREE = -1;
const int32_t CONTINUATION = -2;  // row field of a slot that holds the rest of a long text
const int32_t FIRST_TEXT = CACHE_BLOCK_SIZE - CACHE_HEADER_SIZE;

int32_t* index_of(const CellCache& cache, int32_t slot) { return (int32_t*)(cache.buffer + slot * 8); }

uint8_t* block_of(const CellCache& cache, int32_t slot) {
    return cache.buffer + cache.slot_count * 8 + slot * CACHE_BLOCK_SIZE;
}

void put32(uint8_t* at, uint32_t value) { memcpy(at, &value, 4); }
uint32_t get32(const uint8_t* at) {
    uint32_t value;
    memcpy(&value, at, 4);
    return value;
}

void mark_free(const CellCache& cache, int32_t slot) {
    int32_t* pair = index_of(cache, slot);
    pair[0] = FREE;
    pair[1] = FREE;
}

// Frees the slot and, when it held part of a longer text, the whole entry.
void release(const CellCache& cache, int32_t slot) {
    int32_t* pair = index_of(cache, slot);
    if (pair[0] == CONTINUATION) {
        int32_t head = pair[1];
        if (head >= 0 && head < cache.slot_count && index_of(cache, head)[0] >= 0) mark_free(cache, head);
    }
    mark_free(cache, slot);
}

}  // namespace

int32_t cache_slots_for(uint32_t text_length) {
    if (text_length > CACHE_TEXT_MAX) text_length = CACHE_TEXT_MAX;
    if (text_length <= (uint32_t)FIRST_TEXT) return 1;
    return 1 + (int32_t)((text_length - FIRST_TEXT + CACHE_BLOCK_SIZE - 1) / CACHE_BLOCK_SIZE);
}

int16_t cache_start(CellCache* cache, int32_t kilobytes) {
    if (cache->buffer) return CACHE_EXISTS;
    if (kilobytes < CACHE_MIN_KB) kilobytes = CACHE_MIN_KB;
    if (kilobytes > CACHE_MAX_KB) kilobytes = CACHE_MAX_KB;
    uint8_t* buffer = (uint8_t*)calloc((size_t)kilobytes, 1024);
    if (!buffer) return CACHE_NO_MEMORY;
    cache->buffer = buffer;
    cache->kilobytes = kilobytes;
    cache->slot_count = kilobytes * CACHE_SLOTS_PER_KB;
    cache->on = true;
    cache_refresh(cache);
    return CACHE_STARTED;
}

void cache_free(CellCache* cache) {
    free(cache->buffer);
    *cache = CellCache{};
}

void cache_refresh(CellCache* cache) {
    if (!cache->buffer) return;
    for (int32_t slot = 0; slot < cache->slot_count; ++slot) mark_free(*cache, slot);
    cache->next_slot = 0;
}

bool cache_find(const CellCache& cache, int32_t row, int32_t column, CachedCell* out) {
    if (!cache.on || !cache.buffer || row < 0 || column < 0) return false;
    for (int32_t slot = 0; slot < cache.slot_count; ++slot) {
        const int32_t* pair = index_of(cache, slot);
        if (pair[0] != row || pair[1] != column) continue;
        const uint8_t* block = block_of(cache, slot);
        uint32_t length = get32(block);
        if (length > CACHE_TEXT_MAX || slot + cache_slots_for(length) > cache.slot_count) return false;
        out->text_colour = get32(block + 4);
        out->background_colour = get32(block + 8);
        out->alignment = (int32_t)get32(block + 12);
        out->decorations = get32(block + 16);
        out->bitmap = get32(block + 20);
        // The text runs on through the blocks that follow, which are adjacent.
        memcpy(out->text, block + CACHE_HEADER_SIZE, length);
        out->text[length] = 0;
        return true;
    }
    return false;
}

void cache_store(CellCache* cache, int32_t row, int32_t column, const CachedCell& cell) {
    if (!cache->on || !cache->buffer || row < 0 || column < 0) return;
    uint32_t length = (uint32_t)strnlen(cell.text, CACHE_TEXT_MAX);
    int32_t needed = cache_slots_for(length);
    if (needed > cache->slot_count) return;
    // An entry is never split across the end of the ring.
    int32_t head = cache->next_slot;
    if (head + needed > cache->slot_count) head = 0;
    for (int32_t slot = head; slot < head + needed; ++slot) release(*cache, slot);
    // The slot after the entry may continue an entry whose head was just reused.
    int32_t after = head + needed;
    if (after < cache->slot_count && index_of(*cache, after)[0] == CONTINUATION) {
        int32_t owner = index_of(*cache, after)[1];
        if (owner >= head && owner < after)
            for (int32_t slot = after; slot < cache->slot_count && index_of(*cache, slot)[0] == CONTINUATION &&
                                       index_of(*cache, slot)[1] == owner;
                 ++slot)
                mark_free(*cache, slot);
    }
    uint8_t* block = block_of(*cache, head);
    put32(block, length);
    put32(block + 4, cell.text_colour);
    put32(block + 8, cell.background_colour);
    put32(block + 12, (uint32_t)cell.alignment);
    put32(block + 16, cell.decorations);
    put32(block + 20, cell.bitmap);
    memcpy(block + CACHE_HEADER_SIZE, cell.text, length);
    int32_t* pair = index_of(*cache, head);
    pair[0] = row;
    pair[1] = column;
    for (int32_t slot = head + 1; slot < head + needed; ++slot) {
        int32_t* rest = index_of(*cache, slot);
        rest[0] = CONTINUATION;
        rest[1] = head;
    }
    cache->next_slot = head + needed >= cache->slot_count ? 0 : head + needed;
}
