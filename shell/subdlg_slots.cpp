#include "shell/subdlg_slots.h"

#include <string.h>

void subdlg_slots_init(SubdlgSlots* slots) {
    memset(slots, 0, sizeof *slots);
    slots->count = 1;
}

uint32_t subdlg_slots_add(SubdlgSlots* slots, void* page) {
    if (!page || slots->count >= SUBDLG_SLOTS) return SUBDLG_NO_PAGE;
    slots->pages[slots->count] = page;
    return slots->count++;
}

void* subdlg_slots_page(const SubdlgSlots* slots, uint32_t index) {
    return index < slots->count ? slots->pages[index] : nullptr;
}

void* subdlg_slots_current(const SubdlgSlots* slots) { return subdlg_slots_page(slots, slots->current); }
