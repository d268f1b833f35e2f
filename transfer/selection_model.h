// The lists of the Import/Export selection dialog: one page per tab, each a
// list of entries the administrator selects, with All and None per page and
// Select All over every page. Each entry names its object (and the group,
// such as the user class, it belongs to) apart from the text it is listed
// by. The export and the import each bring their own page set.
#pragma once

#include <stdint.h>

const uint32_t SELECTION_MAX_PAGES = 8;

struct SelectionEntry {
    uint32_t text;    // offset of the listed text in the page's arena
    uint32_t object;  // offset of the object name in the arena
    uint16_t group;
    bool selected;
};

struct SelectionPage {
    uint16_t title_id;  // string id of the tab's text
    bool disabled;      // shown, but its list and buttons take nothing
    char* arena;
    uint32_t arena_used;
    uint32_t arena_capacity;
    SelectionEntry* entries;
    uint32_t count;
    uint32_t capacity;
};

struct SelectionModel {
    uint16_t title_id;   // the dialog's title
    uint16_t prompt_id;  // the line above the tabs
    uint32_t page_count;
    SelectionPage pages[SELECTION_MAX_PAGES];
};

// Empty pages with these tab texts (at most SELECTION_MAX_PAGES).
void selection_init(SelectionModel* model, uint16_t title_id, uint16_t prompt_id, const uint16_t* page_titles,
                    uint32_t page_count);
void selection_free(SelectionModel* model);

// Appends an entry, not selected; false when memory runs out.
bool selection_add(SelectionModel* model, uint32_t page, uint16_t group, const char* object, const char* text);
inline const char* selection_text(const SelectionPage& page, uint32_t index) {
    return page.arena + page.entries[index].text;
}
inline const char* selection_object(const SelectionPage& page, uint32_t index) {
    return page.arena + page.entries[index].object;
}

// All and None of one page; Select All.
void selection_set_page(SelectionModel* model, uint32_t page, bool selected);
void selection_set_all(SelectionModel* model, bool selected);
uint32_t selection_count(const SelectionModel* model);
bool selection_page_has_selected(const SelectionPage& page);

// The entry of (group, object) in a page whose entries were added in
// ascending order of group, then of object name (unsigned bytes), as the
// sorted listings give them; -1 when there is none.
int64_t selection_find(const SelectionPage& page, uint16_t group, const char* object);
