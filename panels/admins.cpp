#include "panels/admins.h"

#include <stdlib.h>
#include <string.h>

#include "api/report.h"
#include "api/status.h"
#include "api/text_field.h"
#include "resources/strings.h"
#include "ui/wait_cursor.h"

namespace {

AdminsPanel empty_panel() {
    AdminsPanel p;
    memset(&p, 0, sizeof p);
    p.selected = -1;
    return p;
}

AdminsPanel g_panel = empty_panel();

AdminsPanel& panel() { return g_panel; }

// What one listing collects before it replaces the shown entries.
struct Listing {
    AdminEntry* entries;
    uint32_t count;
    uint32_t capacity;
    uint16_t kind;
    bool out_of_memory;
};

void collect(void* context, const char* name) {
    Listing* listing = (Listing*)context;
    if (listing->out_of_memory) return;
    if (listing->count == listing->capacity) {
        uint32_t capacity = listing->capacity ? listing->capacity * 2 : 16;
        AdminEntry* grown = (AdminEntry*)realloc(listing->entries, capacity * sizeof(AdminEntry));
        if (!grown) {
            listing->out_of_memory = true;
            return;
        }
        listing->entries = grown;
        listing->capacity = capacity;
    }
    AdminEntry& entry = listing->entries[listing->count++];
    copy_text(entry.name, sizeof entry.name, name);
    entry.kind = listing->kind;
}

int lower(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

// By name with case ignored, as a sorted list view shows them; then by the
// exact bytes and the kind, so that the order is total.
int compare_entries(const void* a, const void* b) {
    const AdminEntry* x = (const AdminEntry*)a;
    const AdminEntry* y = (const AdminEntry*)b;
    const unsigned char* p = (const unsigned char*)x->name;
    const unsigned char* q = (const unsigned char*)y->name;
    while (*p && lower(*p) == lower(*q)) ++p, ++q;
    if (lower(*p) != lower(*q)) return lower(*p) - lower(*q);
    int exact = strcmp(x->name, y->name);
    if (exact != 0) return exact;
    return (int)x->kind - (int)y->kind;
}

// Users, then groups; a failed kind ends its own listing only. The first
// failure is the status. The list is emptied first, as the page's list is.
uint16_t fill() {
    AdminsPanel& p = panel();
    Listing listing = {};
    uint16_t first_failure = 0;
    const uint16_t KINDS[] = {ADMIN_USER, ADMIN_GROUP};
    for (uint16_t kind : KINDS) {
        listing.kind = kind;
        uint16_t status = while_waiting([&] { return admin_list(kind, collect, &listing); });
        if (status == 0 && listing.out_of_memory) status = STATUS_OUT_OF_MEMORY;
        if (status != 0 && first_failure == 0) first_failure = status;
    }
    if (listing.count > 1) qsort(listing.entries, listing.count, sizeof(AdminEntry), compare_entries);
    free(p.entries);
    p.entries = listing.entries;
    p.count = listing.count;
    p.capacity = listing.capacity;
    p.selected = -1;
    ++p.list_version;
    p.loaded = first_failure == 0;
    return first_failure;
}

// One addition or removal, and the list as the server now keeps it. A
// refusal is reported once: a listing that fails after it stays silent.
uint16_t set_then_refill(const char* name, uint16_t kind, uint16_t level) {
    uint16_t status = while_waiting([&] { return admin_set(name, kind, level); });
    if (status != 0) {
        report_status(IDS_TITLE_ERROR_DB, IDS_SAVE_FAILED, status);
        fill();
    } else {
        admins_refill();
    }
    return status;
}

}  // namespace

AdminsPanel& admins_panel() { return panel(); }

void admins_set_owner(void* owner) { panel().owner = owner; }

void admins_activate(const PanelContext& context) {
    AdminsPanel& p = panel();
    p.option_mask = context.option_mask;
    if (!p.loaded) {
        admins_refill();
        return;
    }
    p.selected = -1;
}

void admins_reset() {
    AdminsPanel& p = panel();
    free(p.entries);
    void* owner = p.owner;
    uint32_t version = p.list_version;
    p = empty_panel();
    p.owner = owner;
    p.list_version = version + 1;
}

void admins_refill() {
    uint16_t status = fill();
    if (status != 0) report_status(IDS_TITLE_ERROR_DB, IDS_LOAD_FAILED, status);
}

void admins_select(int64_t index) {
    AdminsPanel& p = panel();
    p.selected = index >= 0 && index < (int64_t)p.count ? index : -1;
}

void admins_remove() {
    AdminsPanel& p = panel();
    if (p.selected < 0) return;
    int64_t place = p.selected;
    AdminEntry entry = p.entries[place];
    set_then_refill(entry.name, entry.kind, ACCESS_NONE);
    admins_select(place);
}

uint16_t admins_add(const char* name, uint16_t kind) { return set_then_refill(name, kind, ACCESS_FULL); }

AdminsControls admins_controls() {
    const AdminsPanel& p = panel();
    AdminsControls controls;
    controls.add_local_enabled = (p.option_mask & OPTION_NO_LOCAL_ADMINS) == 0;
    controls.add_remote_enabled = (p.option_mask & OPTION_REMOTE_ADMINS) != 0;
    controls.remove_enabled = p.selected >= 0;
    return controls;
}
