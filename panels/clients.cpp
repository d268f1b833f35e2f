#include "panels/clients.h"

#include <string.h>

#include "api/report.h"
#include "api/status.h"
#include "api/text_field.h"
#include "attrs/error_box.h"
#include "attrs/value_text.h"
#include "panels/product_list.h"
#include "panels/record_names.h"
#include "panels/record_panel.h"
#include "platform/charset.h"
#include "platform/prompt.h"
#include "resources/strings.h"
#include "ui/filled_prompt.h"
#include "ui/wait_cursor.h"

namespace {

// Nothing loaded, nothing chosen.
ClientsPanel empty_panel() {
    ClientsPanel p;
    memset(&p, 0, sizeof p);
    p.selected = -1;
    p.product_choice = -1;
    return p;
}

ClientsPanel g_panel = empty_panel();

ClientsPanel& panel() { return g_panel; }

// The client may be edited: one is chosen and it was read.
bool editable() { return panel().selected >= 0 && panel().loaded; }

// A text of the string table with its one "%s" filled in, shown in a box.
PromptAnswer ask(uint16_t title_id, uint16_t text_id, const char* value, PromptIcon icon, PromptButtons buttons) {
    return show_filled_prompt(panel().owner, title_id, text_id, &value, 1, icon, buttons);
}

void show_address(const ClientRecord& record) {
    static const uint8_t NONE[CLIENT_ADDRESS_SIZE] = {};
    bool shown = record.name[0] && !is_any_client(record.name);
    address_field_show(&panel().address, shown ? record.address : NONE);
}

// Puts the current record into the controls' state. A product the list
// does not hold is reported and dropped, which leaves the record modified.
void display() {
    ClientsPanel& p = panel();
    ClientRecord& record = p.current;
    show_address(record);
    p.accounting_checked = secret_is_set(record.acct_secret);
    p.modified = false;
    if (!p.products_held) {
        // Nothing to check against: the product stays as stored.
        p.product_choice = -1;
        return;
    }
    int64_t found = record.product[0] ? find_product(p.products, record.product) : -1;
    p.product_choice = found + 1;
    if (found >= 0 || !record.product[0]) return;
    show_filled_error(p.owner, IDS_INVALID_PRODUCT, record.product);
    record.product[0] = 0;
    p.modified = true;
}

// Makes entry `index` (-1: none) the current client and reads it.
void select_index(int64_t index) {
    ClientsPanel& p = panel();
    p.selected = index;
    memset(&p.current, 0, sizeof p.current);
    p.loaded = false;
    if (index >= 0) {
        copy_text(p.current.name, sizeof p.current.name, name_list_at(&p.names, (uint32_t)index));
        uint16_t status = while_waiting([&] { return read_client(&p.current); });
        p.loaded = status == 0;
        if (status != 0) report_status(IDS_TITLE_ERROR_DB, IDS_LOAD_FAILED, status);
    }
    p.snapshot = p.current;
    display();
}

// After a failed save or removal: every field but the name cleared, and
// read-only until the client is read again.
void clear_after_failed_write(uint16_t status) {
    ClientsPanel& p = panel();
    clear_client_fields(&p.current);
    p.loaded = false;
    display();
    report_status(IDS_TITLE_ERROR_DB, IDS_SAVE_FAILED, status);
}

// A new client holds the standard product, when the list is known.
uint16_t create_with_default_product(const char* name) {
    ClientsPanel& p = panel();
    return create_client(name, p.products_held ? default_product(p.products) : "");
}

void report_listed_failure(ListedFailure failure, uint16_t status) {
    if (failure == LISTED_DELETE_FAILED)
        clear_after_failed_write(status);
    else
        report_status(IDS_TITLE_ERROR_DB, failure == LISTED_CREATE_FAILED ? IDS_SAVE_FAILED : IDS_LOAD_FAILED, status);
}

ListedRecords listed_clients() {
    ClientsPanel& p = panel();
    return {p.owner,
            &p.names,
            &p.lists_version,
            IDS_CLIENT_EXISTS,
            IDS_CONFIRM_DELETE_CLIENT,
            list_clients,
            create_with_default_product,
            delete_client,
            clients_select,
            select_index,
            report_listed_failure};
}

// Before leaving the page, switching clients or adding: true to go on.
bool run_save_prompt() {
    ClientsPanel& p = panel();
    if (!p.modified) return true;
    char name[CLIENT_NAME_SIZE];
    oem_to_ansi(p.current.name, name, sizeof name);
    return follow_save_answer(
        ask(IDS_PRODUCT_TITLE, IDS_SAVE_CLIENT_PROMPT, name, PROMPT_ICON_QUESTION, PROMPT_YES_NO_CANCEL), clients_save,
        clients_revert);
}

ScrambledSecret& secret_of(ClientRecord& record, ClientSecretKind kind) {
    return kind == CLIENT_ACCT_SECRET ? record.acct_secret : record.secret;
}

}  // namespace

ClientsPanel& clients_panel() { return panel(); }

void clients_set_owner(void* owner) { panel().owner = owner; }

void clients_activate() {
    ClientsPanel& p = panel();
    if (!p.initialised && !p.products_held) p.products_held = fetch_product_list(p.owner, &p.products);
    load_listed_records(listed_clients(), &p.initialised);
}

bool clients_may_leave() { return run_save_prompt(); }

void clients_reset() {
    ClientsPanel& p = panel();
    product_list_free(&p.products);
    name_list_free(&p.names);
    void* owner = p.owner;
    uint32_t version = p.lists_version;
    p = empty_panel();
    p.owner = owner;
    p.lists_version = version + 1;
}

void clients_select(uint32_t index) {
    auto& p = panel();
    choose_listed_record(listed_clients(), index, &p.selected, p.loaded, p.current.name, run_save_prompt);
}

void clients_edit_address(const char* text) {
    ClientsPanel& p = panel();
    if (!editable() || is_any_client(p.current.name)) return;
    address_field_edit(&p.address, text);
    p.modified = true;
}

bool clients_resolve_address() { return address_field_leave(&panel().address, panel().owner); }

void clients_choose_product(int64_t choice) {
    ClientsPanel& p = panel();
    if (!editable() || !p.products_held || choice < 0 || choice > (int64_t)p.products.count) return;
    p.product_choice = choice;
    copy_text(p.current.product, sizeof p.current.product, choice == 0 ? "" : p.products.products[choice - 1].name);
    p.modified = true;
}

void clients_check_accounting(bool checked) {
    ClientsPanel& p = panel();
    if (!editable()) return;
    p.accounting_checked = checked;
    if (!checked) secret_clear(&p.current.acct_secret);
    // Unchecking drops the accounting secret: that too is a change to save.
    p.modified = true;
}

const ScrambledSecret& clients_secret(ClientSecretKind kind) { return secret_of(panel().current, kind); }

void clients_store_secret(ClientSecretKind kind, const ScrambledSecret& secret) {
    if (!editable()) return;
    secret_of(panel().current, kind) = secret;
    panel().modified = true;
}

bool clients_begin_add() { return run_save_prompt(); }

void clients_add(const char* typed) { add_listed_record(listed_clients(), typed, CLIENT_NAME_SIZE); }

void clients_remove() { remove_listed_record(listed_clients(), panel().selected, panel().current.name); }

bool clients_save() {
    ClientsPanel& p = panel();
    if (!p.current.name[0]) return true;  // nothing to save
    if (!p.loaded) return false;
    ClientRecord record = p.current;
    if (!address_and_accounting_ready(&p.address, p.owner, record.address, p.accounting_checked, record.acct_secret))
        return false;
    uint16_t status = while_waiting([&] { return write_client(record); });
    if (status != 0) {
        clear_after_failed_write(status);
        return false;
    }
    p.current = record;
    p.snapshot = record;
    p.modified = false;
    show_address(record);  // as stored: 010.0.0.1 reads 10.0.0.1
    return true;
}

void clients_revert() {
    ClientsPanel& p = panel();
    p.current = p.snapshot;
    display();
}

uint32_t clients_vendor_context() {
    ClientsPanel& p = panel();
    int64_t found = p.products_held ? find_product(p.products, p.current.product) : -1;
    return found >= 0 ? p.products.products[found].value : 0;
}

bool clients_take_address_rejected() { return address_field_take_rejected(&panel().address); }

uint32_t clients_product_entries() { return panel().products_held ? panel().products.count + 1 : 0; }

const char* clients_product_entry(uint32_t choice) {
    ClientsPanel& p = panel();
    if (choice == 0) return string_text(IDS_NO_PRODUCT);
    return p.products_held && choice <= p.products.count ? p.products.products[choice - 1].name : "";
}

void clients_list_name(uint32_t index, char* text, uint32_t text_size) {
    list_name_shown(panel().names, index, text, text_size);
}

ClientsControls clients_controls() {
    ClientsPanel& p = panel();
    bool record = editable();
    ClientsControls controls = {};
    controls.address_enabled = record && !is_any_client(p.current.name);
    controls.product_enabled = record && p.products_held;
    controls.vendor_enabled = record;
    controls.secret_enabled = record;
    controls.accounting_enabled = record;
    controls.acct_secret_enabled = record && p.accounting_checked;
    controls.remove_enabled = p.selected >= 0;
    controls.save_enabled = p.modified;
    return controls;
}
