#include "panels/proxies.h"

#include <stdio.h>
#include <string.h>

#include "api/report.h"
#include "api/status.h"
#include "api/text_field.h"
#include "attrs/error_box.h"
#include "panels/record_names.h"
#include "panels/record_panel.h"
#include "platform/charset.h"
#include "resources/strings.h"
#include "ui/filled_prompt.h"
#include "ui/wait_cursor.h"

namespace {

ProxiesPanel empty_panel() {
    ProxiesPanel p;
    memset(&p, 0, sizeof p);
    p.selected = -1;
    p.acct_mode = PROXY_ACCT_FORWARD;
    return p;
}

ProxiesPanel g_panel = empty_panel();

ProxiesPanel& panel() { return g_panel; }

bool editable() { return panel().selected >= 0 && panel().loaded; }

PromptAnswer ask(uint16_t title_id, uint16_t text_id, const char* value, PromptIcon icon, PromptButtons buttons) {
    return show_filled_prompt(panel().owner, title_id, text_id, &value, 1, icon, buttons);
}

// The radio button a stored accounting value selects.
uint32_t mode_of(uint32_t flags) {
    if (!(flags & PROXY_ACCT_FORWARD)) return PROXY_ACCT_RECORD;
    return (flags & PROXY_ACCT_RECORD) ? PROXY_ACCT_BOTH : PROXY_ACCT_FORWARD;
}

// The check box follows the secret, except that recording locally has no
// use for one (the secret itself stays in the record).
void follow_accounting_mode() {
    ProxiesPanel& p = panel();
    p.accounting_checked = p.acct_mode != PROXY_ACCT_RECORD && secret_is_set(p.current.acct_secret);
}

void display() {
    ProxiesPanel& p = panel();
    const ProxyRecord& record = p.current;
    static const uint8_t NONE[PROXY_ADDRESS_SIZE] = {};
    bool shown = editable() && !is_roaming_proxy(record.name);
    address_field_show(&p.address, shown ? record.address : NONE);
    p.retry_count_text[0] = 0;
    p.retry_ms_text[0] = 0;
    if (editable()) {
        snprintf(p.retry_count_text, sizeof p.retry_count_text, "%u", record.retry_count);
        snprintf(p.retry_ms_text, sizeof p.retry_ms_text, "%u", record.retry_ms);
    }
    p.acct_mode = mode_of(record.acct_flags);
    follow_accounting_mode();
    p.modified = false;
}

void select_index(int64_t index) {
    ProxiesPanel& p = panel();
    p.selected = index;
    memset(&p.current, 0, sizeof p.current);
    p.loaded = false;
    if (index >= 0) {
        copy_text(p.current.name, sizeof p.current.name, name_list_at(&p.names, (uint32_t)index));
        uint16_t status = while_waiting([&] { return read_proxy(&p.current); });
        p.loaded = status == 0;
        if (status != 0) report_status(IDS_TITLE_ERROR_DB, IDS_LOAD_FAILED, status);
    }
    p.snapshot = p.current;
    display();
}

void clear_after_failed_write(uint16_t status) {
    ProxiesPanel& p = panel();
    clear_proxy_fields(&p.current);
    p.loaded = false;
    display();
    report_status(IDS_TITLE_ERROR_DB, IDS_SAVE_FAILED, status);
}

void report_listed_failure(ListedFailure failure, uint16_t status) {
    if (failure == LISTED_DELETE_FAILED)
        clear_after_failed_write(status);
    else
        report_status(IDS_TITLE_ERROR_DB, failure == LISTED_CREATE_FAILED ? IDS_SAVE_FAILED : IDS_LOAD_FAILED, status);
}

ListedRecords listed_proxies() {
    ProxiesPanel& p = panel();
    return {p.owner,      &p.names,     &p.lists_version, IDS_PROXY_EXISTS, IDS_CONFIRM_DELETE_PROXY, list_proxies,
            create_proxy, delete_proxy, proxies_select,   select_index,     report_listed_failure};
}

bool run_save_prompt() {
    ProxiesPanel& p = panel();
    if (!p.modified) return true;
    char name[PROXY_NAME_SIZE];
    oem_to_ansi(p.current.name, name, sizeof name);
    PromptAnswer answer =
        ask(IDS_PRODUCT_TITLE, IDS_SAVE_PROXY_PROMPT, name, PROMPT_ICON_QUESTION, PROMPT_YES_NO_CANCEL);
    return follow_save_answer(answer, proxies_save, proxies_revert);
}

ScrambledSecret& secret_of(ProxyRecord& record, ProxySecretKind kind) {
    return kind == PROXY_ACCT_SECRET ? record.acct_secret : record.secret;
}

void mark_modified() {
    if (editable()) panel().modified = true;
}

}  // namespace

uint32_t retry_field_value(const char* text, uint32_t fallback) {
    if (!*text) return fallback;
    uint64_t value = 0;
    for (const char* at = text; *at; ++at) {
        if (*at < '0' || *at > '9') return fallback;
        value = value * 10 + (uint64_t)(*at - '0');
        if (value > 0xFFFFFFFFu) return fallback;
    }
    return (uint32_t)value;
}

ProxiesPanel& proxies_panel() { return panel(); }

void proxies_set_owner(void* owner) { panel().owner = owner; }

void proxies_activate() { load_listed_records(listed_proxies(), &panel().initialised); }

bool proxies_may_leave() { return run_save_prompt(); }

void proxies_reset() {
    ProxiesPanel& p = panel();
    name_list_free(&p.names);
    void* owner = p.owner;
    uint32_t version = p.lists_version;
    p = empty_panel();
    p.owner = owner;
    p.lists_version = version + 1;
}

void proxies_select(uint32_t index) {
    auto& p = panel();
    choose_listed_record(listed_proxies(), index, &p.selected, p.loaded, p.current.name, run_save_prompt);
}

void proxies_edit_address(const char* text) {
    ProxiesPanel& p = panel();
    if (!editable() || is_roaming_proxy(p.current.name)) return;
    address_field_edit(&p.address, text);
    p.modified = true;
}

bool proxies_resolve_address() { return address_field_leave(&panel().address, panel().owner); }

void proxies_edit_retry_count(const char* text) {
    if (!editable()) return;
    copy_text(panel().retry_count_text, sizeof panel().retry_count_text, text);
    mark_modified();
}

void proxies_edit_retry_ms(const char* text) {
    if (!editable()) return;
    copy_text(panel().retry_ms_text, sizeof panel().retry_ms_text, text);
    mark_modified();
}

void proxies_choose_accounting(uint32_t mode) {
    ProxiesPanel& p = panel();
    if (!editable() || mode < PROXY_ACCT_FORWARD || mode > PROXY_ACCT_BOTH) return;
    p.acct_mode = mode;
    follow_accounting_mode();
    p.modified = true;
}

void proxies_check_accounting(bool checked) {
    ProxiesPanel& p = panel();
    if (!editable() || p.acct_mode == PROXY_ACCT_RECORD) return;
    p.accounting_checked = checked;
    if (!checked) secret_clear(&p.current.acct_secret);
    p.modified = true;
}

const ScrambledSecret& proxies_secret(ProxySecretKind kind) { return secret_of(panel().current, kind); }

void proxies_store_secret(ProxySecretKind kind, const ScrambledSecret& secret) {
    if (!editable()) return;
    secret_of(panel().current, kind) = secret;
    panel().modified = true;
}

bool proxies_begin_add() { return run_save_prompt(); }

void proxies_add(const char* typed) { add_listed_record(listed_proxies(), typed, PROXY_NAME_SIZE); }

void proxies_remove() { remove_listed_record(listed_proxies(), panel().selected, panel().current.name); }

bool proxies_save() {
    ProxiesPanel& p = panel();
    if (!p.current.name[0]) return true;  // nothing to save
    if (!p.loaded) return false;
    ProxyRecord record = p.current;
    if (!address_and_accounting_ready(&p.address, p.owner, record.address, p.accounting_checked, record.acct_secret))
        return false;
    record.retry_count = retry_field_value(p.retry_count_text, DEFAULT_RETRY_COUNT);
    record.retry_ms = retry_field_value(p.retry_ms_text, DEFAULT_RETRY_MS);
    record.acct_flags = p.acct_mode;
    uint16_t status = while_waiting([&] { return write_proxy(record); });
    if (status != 0) {
        clear_after_failed_write(status);
        return false;
    }
    p.current = record;
    p.snapshot = record;
    display();  // as stored: the retry fields show what was saved
    return true;
}

void proxies_revert() {
    ProxiesPanel& p = panel();
    p.current = p.snapshot;
    display();
}

bool proxies_take_address_rejected() { return address_field_take_rejected(&panel().address); }

void proxies_list_name(uint32_t index, char* text, uint32_t text_size) {
    list_name_shown(panel().names, index, text, text_size);
}

ProxiesControls proxies_controls() {
    ProxiesPanel& p = panel();
    bool record = editable();
    bool accounting = record && p.acct_mode != PROXY_ACCT_RECORD;
    ProxiesControls controls = {};
    controls.address_enabled = record && !is_roaming_proxy(p.current.name);
    controls.secret_enabled = record;
    controls.retries_enabled = record;
    controls.accounting_mode_enabled = record;
    controls.accounting_enabled = accounting;
    controls.acct_secret_enabled = accounting && p.accounting_checked;
    controls.remove_enabled = p.selected >= 0;
    controls.save_enabled = p.modified;
    return controls;
}
