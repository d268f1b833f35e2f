#include "panels/pools.h"

#include <stdio.h>
#include <string.h>

#include "api/status.h"
#include "api/text_field.h"
#include "api/text_fill.h"
#include "attrs/error_box.h"
#include "attrs/value_text.h"
#include "panels/record_names.h"
#include "panels/record_panel.h"
#include "platform/charset.h"
#include "platform/prompt.h"
#include "resources/strings.h"
#include "ui/filled_prompt.h"
#include "ui/host_names.h"
#include "ui/wait_cursor.h"

namespace {

PoolsPanel g_panel;

PoolsPanel& panel() { return g_panel; }

// Nothing loaded, nothing chosen. (The panel is large: cleared in place.)
void clear_panel(PoolsPanel* p) {
    memset(p, 0, sizeof *p);
    p->selected = -1;
    p->range_selected = -1;
}

struct PanelStart {
    PanelStart() { clear_panel(&g_panel); }
} g_panel_start;

// The pool may be edited: one is chosen and it was read whole.
bool editable() { return panel().selected >= 0 && panel().loaded; }

// "Error processing Pool:\n (208)Pool range overlaps ...", for the pool
// codes and the server's alike.
void report_pool_error(uint16_t status) {
    char code[8];
    snprintf(code, sizeof code, "%u", (unsigned)status);
    // The message names its code "%d"; the filler knows "%s" places.
    char pattern[128];
    copy_text(pattern, sizeof pattern, string_text(IDS_POOL_ERROR));
    char* number = strstr(pattern, "%d");
    if (number) number[1] = 's';
    const char* values[] = {code, status_text(status)};
    char text[512];
    fill_text(text, sizeof text, pattern, values, 2);
    PromptRequest request = {panel().owner, string_text(IDS_TITLE_ERROR_DB), text, PROMPT_ICON_EXCLAMATION, PROMPT_OK,
                             false};
    show_prompt(request);
}

// A text of the string table naming the pool (shown in the ANSI set).
PromptAnswer ask_about_pool(uint16_t title_id, uint16_t text_id, const char* oem_name, PromptButtons buttons,
                            PromptIcon icon) {
    char name[POOL_NAME_SIZE];
    oem_to_ansi(oem_name, name, sizeof name);
    const char* value = name;
    return show_filled_prompt(panel().owner, title_id, text_id, &value, 1, icon, buttons);
}

void ranges_changed() {
    panel().range_selected = -1;
    ++panel().ranges_version;
}

// Makes entry `index` (-1: none) the current pool and reads it.
void select_index(int64_t index) {
    PoolsPanel& p = panel();
    p.selected = index;
    p.loaded = false;
    p.modified = false;
    // The name as listed: it is the stored object's own.
    pool_record_start(&p.current, index >= 0 ? name_list_at(&p.names, (uint32_t)index) : "");
    ranges_changed();
    if (index >= 0) {
        bool cut = false;
        uint16_t status = while_waiting([&] { return read_pool(&p.current, &cut); });
        p.loaded = status == 0;
        if (status != 0)
            report_pool_error(status);
        else if (cut)
            report_pool_error(POOL_STATUS_TOO_LONG);
    }
    p.snapshot = p.current;
}

// Before leaving the page, switching pools or adding: true to go on.
bool run_save_prompt() {
    PoolsPanel& p = panel();
    if (!p.modified) return true;
    return follow_save_answer(ask_about_pool(IDS_PRODUCT_TITLE, IDS_SAVE_POOL_PROMPT, p.current.name,
                                             PROMPT_YES_NO_CANCEL, PROMPT_ICON_QUESTION),
                              pools_save, pools_revert);
}

void report_listed_failure(ListedFailure failure, uint16_t status) {
    report_pool_error(failure == LISTED_LIST_FULL ? POOL_STATUS_NO_MEMORY : status);
}

ListedRecords listed_pools() {
    PoolsPanel& p = panel();
    return {p.owner,     &p.names,    &p.lists_version, IDS_POOL_EXISTS, IDS_CONFIRM_DELETE_POOL, list_pools,
            create_pool, delete_pool, pools_select,     select_index,    report_listed_failure};
}

}  // namespace

PoolsPanel& pools_panel() { return panel(); }

void pools_set_owner(void* owner) { panel().owner = owner; }

void pools_activate() { load_listed_records(listed_pools(), &panel().initialised); }

bool pools_may_leave() { return run_save_prompt(); }

void pools_reset() {
    PoolsPanel& p = panel();
    name_list_free(&p.names);
    void* owner = p.owner;
    uint32_t lists = p.lists_version, ranges = p.ranges_version;
    clear_panel(&p);
    p.owner = owner;
    p.lists_version = lists + 1;
    p.ranges_version = ranges + 1;
}

void pools_select(uint32_t index) {
    auto& p = panel();
    choose_listed_record(listed_pools(), index, &p.selected, p.loaded, p.current.name, run_save_prompt);
}

void pools_edit_description(const char* text) {
    PoolsPanel& p = panel();
    if (!editable() || strcmp(text, p.current.description) == 0) return;
    copy_text(p.current.description, sizeof p.current.description, text);
    p.modified = true;
}

void pools_select_range(int64_t index) {
    PoolsPanel& p = panel();
    if (index >= -1 && index < (int64_t)p.current.ranges.count) p.range_selected = index;
}

void pools_delete_range() {
    PoolsPanel& p = panel();
    if (!editable() || p.range_selected < 0) return;
    pool_remove_range(&p.current.ranges, p.current.ranges.items[p.range_selected].start);
    ranges_changed();
    p.modified = true;
}

bool pools_begin_add() { return run_save_prompt(); }

void pools_add(const char* typed) { add_listed_record(listed_pools(), typed, POOL_NAME_LIMIT + 1); }

void pools_remove() { remove_listed_record(listed_pools(), panel().selected, panel().current.name); }

bool pools_save() {
    PoolsPanel& p = panel();
    if (!p.current.name[0]) return true;  // nothing to save
    if (!p.loaded) return false;
    uint16_t status = while_waiting([&] { return write_pool(p.current); });
    if (status != 0) {
        // The changes stay on screen, still to be saved.
        report_pool_error(status);
        return false;
    }
    p.snapshot = p.current;
    p.modified = false;
    return true;
}

void pools_revert() {
    PoolsPanel& p = panel();
    p.current = p.snapshot;
    p.modified = false;
    ranges_changed();
}

bool pools_resolve_range_start(char* text, uint32_t text_size) {
    char resolved[16];
    bool replaced = false;
    if (!resolve_address_text(panel().owner, text, resolved, sizeof resolved, &replaced)) return false;
    if (replaced) copy_text(text, text_size, resolved);
    return true;
}

bool pools_add_range(const char* start_text, const char* count_text) {
    PoolsPanel& p = panel();
    if (!editable()) return false;
    const TypedRangeResult result = pool_add_typed_range(&p.current.ranges, start_text, count_text);
    if (result.message_id != 0) {
        show_error(p.owner, result.message_id);
        return false;
    }
    if (result.status != 0) {
        report_pool_error(result.status);
        return false;
    }
    ranges_changed();
    p.modified = true;
    return true;
}

void pools_list_name(uint32_t index, char* text, uint32_t text_size) {
    list_name_shown(panel().names, index, text, text_size);
}

void pools_range_text(uint32_t index, char* text, uint32_t text_size) {
    const PoolRanges& ranges = panel().current.ranges;
    if (index < ranges.count)
        format_pool_range(ranges.items[index], text, text_size);
    else if (text_size > 0)
        text[0] = 0;
}

PoolsControls pools_controls() {
    PoolsPanel& p = panel();
    bool record = editable();
    PoolsControls controls = {};
    controls.description_enabled = record;
    controls.insert_enabled = record;
    controls.delete_enabled = record && p.range_selected >= 0;
    controls.remove_enabled = p.selected >= 0;
    controls.save_enabled = p.modified;
    return controls;
}
