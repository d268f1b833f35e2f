// The pages of a SubdlgControl apart from its window: slot 0 is never a
// page, pages are numbered from 1 in the order they were added, one of them
// (or none) is current.
#pragma once

#include <stdint.h>

const uint32_t SUBDLG_SLOTS = 256;  // so at most 255 pages
const uint32_t SUBDLG_NO_PAGE = 0;

struct SubdlgSlots {
    uint32_t count;    // slots in use, starting at 1
    uint32_t current;  // SUBDLG_NO_PAGE: none visible
    void* pages[SUBDLG_SLOTS];
};

void subdlg_slots_init(SubdlgSlots* slots);
// The index of the added page, or 0 when all 255 are taken (or no page).
uint32_t subdlg_slots_add(SubdlgSlots* slots, void* page);
// The page in that slot, or null when the index is not below count.
void* subdlg_slots_page(const SubdlgSlots* slots, uint32_t index);
void* subdlg_slots_current(const SubdlgSlots* slots);
