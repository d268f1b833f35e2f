#include "panels/record_panel.h"

#include <string.h>

#include "api/db_lists.h"
#include "api/status.h"
#include "attrs/error_box.h"
#include "panels/address_field.h"
#include "panels/record_names.h"
#include "panels/scrambled_secret.h"
#include "platform/charset.h"
#include "resources/strings.h"
#include "ui/filled_prompt.h"
#include "ui/wait_cursor.h"

bool follow_save_answer(PromptAnswer answer, bool (*save)(), void (*revert)()) {
    switch (answer) {
        case ANSWER_YES: return save();  // a failed save keeps the administrator here
        case ANSWER_NO: revert(); return true;
        default: return false;
    }
}

int64_t entry_after_removal(uint32_t removed, uint32_t count) {
    if (count == 0) return -1;
    return removed < count ? removed : 0;
}

void load_listed_records(const ListedRecords& records, bool* initialised) {
    if (*initialised) return;
    name_list_free(records.names);
    uint16_t status = while_waiting([&] { return records.list(records.names); });
    ++*records.lists_version;
    if (status != 0) {
        records.report_failure(LISTED_LIST_FAILED, status);
        records.show(-1);
        return;
    }
    *initialised = true;
    records.show(records.names->count > 0 ? 0 : -1);
}

void choose_listed_record(const ListedRecords& records, uint32_t index, int64_t* selected, bool loaded,
                          const char* current_name, bool (*save_prompt)()) {
    if (index >= records.names->count) return;
    // The same record again is read again only when it could not be read.
    if (loaded && strcmp(name_list_at(records.names, index), current_name) == 0) {
        *selected = index;
        return;
    }
    if (!save_prompt()) return;
    records.show(index);
}

void add_listed_record(const ListedRecords& records, const char* typed, uint32_t name_size) {
    char name[256];
    if (name_size > sizeof name) name_size = sizeof name;
    stored_name_of_typed(typed, name, name_size);
    if (!name[0]) return;
    int64_t existing = name_list_find(records.names, name);
    if (existing >= 0) {
        char shown[256];
        oem_to_ansi(name, shown, sizeof shown);
        show_filled_error(records.owner, records.exists_text_id, shown);
        records.choose((uint32_t)existing);
        return;
    }
    uint16_t status = while_waiting([&] { return records.create(name); });
    if (status != 0) {
        // Nothing was added: the list and the record shown stay as they were.
        records.report_failure(LISTED_CREATE_FAILED, status);
        return;
    }
    int64_t index = name_list_insert(records.names, name);
    ++*records.lists_version;
    if (index < 0) {
        records.report_failure(LISTED_LIST_FULL, STATUS_OUT_OF_MEMORY);
        return;
    }
    records.show(index);
}

void remove_listed_record(const ListedRecords& records, int64_t selected, const char* name) {
    if (selected < 0) return;
    char shown[256];
    oem_to_ansi(name, shown, sizeof shown);
    const char* value = shown;
    if (show_filled_prompt(records.owner, IDS_TITLE_WARNING, records.confirm_delete_text_id, &value, 1,
                           PROMPT_ICON_EXCLAMATION, PROMPT_YES_NO) != ANSWER_YES)
        return;
    uint16_t status = while_waiting([&] { return records.destroy(name); });
    if (status != 0) {
        // Still on the server, so still listed.
        records.report_failure(LISTED_DELETE_FAILED, status);
        return;
    }
    name_list_remove(records.names, (uint32_t)selected);
    ++*records.lists_version;
    records.show(entry_after_removal((uint32_t)selected, records.names->count));
}

bool address_and_accounting_ready(AddressField* address, void* owner, uint8_t* octets, bool accounting_checked,
                                  const ScrambledSecret& acct_secret) {
    address_field_resolve_now(address, owner);
    if (!address_field_octets(*address, octets)) {
        show_error(owner, IDS_INVALID_IP_ADDRESS);
        return false;
    }
    if (accounting_checked && !secret_is_set(acct_secret)) {
        show_error(owner, IDS_ACCT_SECRET_REQUIRED);
        return false;
    }
    return true;
}
