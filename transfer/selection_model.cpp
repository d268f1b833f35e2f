#include "transfer/selection_model.h"

#include <stdlib.h>
#include <string.h>

namespace {

// Appends `text` with its NUL to the arena; its offset, or false.
bool arena_add(SelectionPage* page, const char* text, uint32_t* offset) {
    uint32_t length = (uint32_t)strlen(text) + 1;
    if (page->arena_capacity - page->arena_used < length) {
        uint64_t capacity = page->arena_capacity ? page->arena_capacity : 4096;
        while (capacity - page->arena_used < length) capacity *= 2;
        if (capacity > 0x7FFFFFFFu) return false;
        char* arena = (char*)realloc(page->arena, (size_t)capacity);
        if (!arena) return false;
        page->arena = arena;
        page->arena_capacity = (uint32_t)capacity;
    }
    memcpy(page->arena + page->arena_used, text, length);
    *offset = page->arena_used;
    page->arena_used += length;
    return true;
}

}  // namespace

void selection_init(SelectionModel* model, uint16_t title_id, uint16_t prompt_id, const uint16_t* page_titles,
                    uint32_t page_count) {
    memset(model, 0, sizeof *model);
    model->title_id = title_id;
    model->prompt_id = prompt_id;
    model->page_count = page_count < SELECTION_MAX_PAGES ? page_count : SELECTION_MAX_PAGES;
    for (uint32_t i = 0; i < model->page_count; ++i) model->pages[i].title_id = page_titles[i];
}

void selection_free(SelectionModel* model) {
    for (uint32_t i = 0; i < model->page_count; ++i) {
        free(model->pages[i].arena);
        free(model->pages[i].entries);
    }
    uint16_t title = model->title_id, prompt = model->prompt_id;
    uint16_t titles[SELECTION_MAX_PAGES];
    for (uint32_t i = 0; i < SELECTION_MAX_PAGES; ++i) titles[i] = model->pages[i].title_id;
    selection_init(model, title, prompt, titles, model->page_count);
}

bool selection_add(SelectionModel* model, uint32_t page_index, uint16_t group, const char* object, const char* text) {
    if (page_index >= model->page_count) return false;
    SelectionPage* page = &model->pages[page_index];
    if (page->count == page->capacity) {
        uint32_t capacity = page->capacity ? page->capacity * 2 : 64;
        if (capacity > 0x7FFFFFFFu / sizeof(SelectionEntry)) return false;
        SelectionEntry* entries = (SelectionEntry*)realloc(page->entries, capacity * sizeof(SelectionEntry));
        if (!entries) return false;
        page->entries = entries;
        page->capacity = capacity;
    }
    SelectionEntry entry = {0, 0, group, false};
    // An object listed by its own name keeps one copy of it.
    if (!arena_add(page, object, &entry.object)) return false;
    entry.text = entry.object;
    if (strcmp(text, object) != 0 && !arena_add(page, text, &entry.text)) return false;
    page->entries[page->count++] = entry;
    return true;
}

void selection_set_page(SelectionModel* model, uint32_t page, bool selected) {
    if (page >= model->page_count) return;
    for (uint32_t i = 0; i < model->pages[page].count; ++i) model->pages[page].entries[i].selected = selected;
}

void selection_set_all(SelectionModel* model, bool selected) {
    for (uint32_t page = 0; page < model->page_count; ++page)
        if (!model->pages[page].disabled || !selected) selection_set_page(model, page, selected);
}

bool selection_page_has_selected(const SelectionPage& page) {
    for (uint32_t i = 0; i < page.count; ++i)
        if (page.entries[i].selected) return true;
    return false;
}

uint32_t selection_count(const SelectionModel* model) {
    uint32_t count = 0;
    for (uint32_t page = 0; page < model->page_count; ++page)
        for (uint32_t i = 0; i < model->pages[page].count; ++i) count += model->pages[page].entries[i].selected;
    return count;
}

int64_t selection_find(const SelectionPage& page, uint16_t group, const char* object) {
    uint32_t low = 0, high = page.count;
    while (low < high) {
        uint32_t middle = low + (high - low) / 2;
        const SelectionEntry& entry = page.entries[middle];
        int order = entry.group != group ? (entry.group < group ? -1 : 1) : strcmp(page.arena + entry.object, object);
        if (order == 0) return middle;
        if (order < 0)
            low = middle + 1;
        else
            high = middle;
    }
    return -1;
}
