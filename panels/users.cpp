#include "panels/users.h"

#include <stdio.h>
#include <string.h>

#include "api/db.h"
#include "api/report.h"
#include "api/requests.h"
#include "api/status.h"
#include "api/text_field.h"
#include "attrs/dictionary.h"
#include "attrs/error_box.h"
#include "attrs/list_rules.h"
#include "attrs/list_store.h"
#include "panels/profile_record.h"
#include "panels/record_names.h"
#include "panels/record_panel.h"
#include "panels/user_record.h"
#include "platform/charset.h"
#include "resources/strings.h"
#include "ui/filled_prompt.h"
#include "ui/panel_commands.h"
#include "ui/wait_cursor.h"

namespace {

UsersPanel g_panel;
bool g_panel_ready = false;

UsersPanel& panel() {
    if (!g_panel_ready) {
        memset(&g_panel, 0, sizeof g_panel);
        g_panel.selected = -1;
        g_panel.kind = USER_KIND_UNKNOWN;
        g_panel.password = password_none();
        g_panel_ready = true;
    }
    return g_panel;
}

const uint32_t PENDING_LIST = 1u << PROFILE_LIST_CHANGED;
const uint32_t PENDING_CONTENTS = 1u << PROFILE_CONTENTS_CHANGED;

Dictionary* dictionary() { return program_dictionary(); }

void free_record() {
    UsersPanel& p = panel();
    attribute_record_free(&p.record);
    attribute_record_free(&p.snapshot);
    attribute_list_free(&p.profile_list);
    memset(&p.record, 0, sizeof p.record);
    memset(&p.snapshot, 0, sizeof p.snapshot);
    password_wipe(&p.password);
    password_wipe(&p.snapshot_password);
    p.password = p.snapshot_password = password_none();
    p.profile[0] = p.snapshot_profile[0] = '\0';
    p.loaded = false;
    p.modified = false;
    ++p.record_version;
}

// After a failed write nothing half-saved stays on screen.
void clear_after_failed_write(uint16_t status) {
    free_record();
    panel().kind = USER_KIND_UNKNOWN;
    report_status(IDS_TITLE_ERROR_DB, IDS_SAVE_FAILED, status);
}

void take_snapshot() {
    UsersPanel& p = panel();
    attribute_record_free(&p.snapshot);
    if (!attribute_record_copy(&p.snapshot, p.record)) show_error(p.owner, IDS_MEMORY_ALLOCATION_FAILURE);
    p.snapshot_password = p.password;
    copy_text(p.snapshot_profile, sizeof p.snapshot_profile, p.profile);
}

int64_t profile_index(const char* name) { return name[0] ? name_list_find(&panel().profiles, name) : -1; }

// The profile's instances in the lists, after the user's own: none when no
// profile is linked or it cannot be read.
void merge_linked_profile() {
    UsersPanel& p = panel();
    attribute_list_free(&p.profile_list);
    bool linked = false;
    if (p.profile[0]) {
        uint16_t status =
            while_waiting([&] { return load_profile_instances(p.profile, dictionary(), p.owner, &p.profile_list); });
        if (status != 0) report_status(IDS_TITLE_ERROR_DB, IDS_LOAD_FAILED, status);
        linked = status == 0;
    }
    merge_profile(&p.record, linked ? &p.profile_list : nullptr, dictionary(), p.owner);
    ++p.record_version;
}

// A link to a profile the list no longer holds is dropped, and the user
// must be saved to make that stick.
bool drop_missing_profile() {
    UsersPanel& p = panel();
    if (!p.profile[0] || profile_index(p.profile) >= 0) return false;
    char shown[PROFILE_NAME_SIZE];
    oem_to_ansi(p.profile, shown, sizeof shown);
    const char* value = shown;
    show_filled_prompt(p.owner, IDS_TITLE_WARNING_DB, IDS_PROFILE_DELETED, &value, 1, PROMPT_ICON_EXCLAMATION,
                       PROMPT_OK);
    p.profile[0] = '\0';
    return true;
}

// Shows entry `index` (-1: none).
void show_user(int64_t index) {
    UsersPanel& p = panel();
    free_record();
    p.selected = index;
    p.kind = USER_KIND_UNKNOWN;
    p.listed[0] = '\0';
    if (index < 0) return;
    copy_text(p.listed, sizeof p.listed, name_list_at(&p.names, (uint32_t)index));
    StoredUser user;
    memset(&user, 0, sizeof user);
    uint16_t status = while_waiting([&] { return read_user(p.listed, dictionary(), p.owner, &user); });
    p.record = user.record;
    p.kind = user.kind;
    p.password = user.password;
    copy_text(p.profile, sizeof p.profile, user.profile);
    password_wipe(&user.password);
    if (status != 0) {
        free_record();
        p.kind = USER_KIND_UNKNOWN;
        report_status(IDS_TITLE_ERROR_DB, IDS_LOAD_FAILED, status);
        return;
    }
    if (p.kind == USER_KIND_UNKNOWN) {
        free_record();
        show_error(p.owner, IDS_UNKNOWN_USER_TYPE);
        return;
    }
    const bool dropped_link = drop_missing_profile();
    validate_lists(&p.record, dictionary());
    merge_linked_profile();
    take_snapshot();
    p.loaded = true;
    p.modified = dropped_link;
}

bool fill_profiles() {
    UsersPanel& p = panel();
    name_list_free(&p.profiles);
    uint16_t status = while_waiting([&] { return list_profiles(&p.profiles); });
    ++p.profiles_version;
    if (status != 0) report_status(IDS_TITLE_ERROR_DB, IDS_LOAD_FAILED, status);
    return status == 0;
}

uint16_t delete_shown_user(const char*) {
    UsersPanel& p = panel();
    return db_delete(p.record.class_name, p.record.object_name, nullptr);
}

void report_listed_failure(ListedFailure failure, uint16_t status) {
    if (failure == LISTED_DELETE_FAILED)
        clear_after_failed_write(status);
    else
        report_status(IDS_TITLE_ERROR_DB, failure == LISTED_CREATE_FAILED ? IDS_SAVE_FAILED : IDS_LOAD_FAILED, status);
}

uint16_t no_create(const char*) { return STATUS_OK; }

ListedRecords listed_users() {
    UsersPanel& p = panel();
    return {p.owner,   &p.names,          &p.lists_version, 0,         IDS_CONFIRM_DELETE_USER, list_users,
            no_create, delete_shown_user, users_select,     show_user, report_listed_failure};
}

bool run_save_prompt() {
    UsersPanel& p = panel();
    if (!p.modified) return true;
    char name[sizeof p.listed];
    oem_to_ansi(p.listed, name, sizeof name);
    const char* value = name;
    PromptAnswer answer = show_filled_prompt(p.owner, IDS_PRODUCT_TITLE, IDS_SAVE_USER_PROMPT, &value, 1,
                                             PROMPT_ICON_QUESTION, PROMPT_YES_NO_CANCEL);
    return follow_save_answer(answer, users_save, users_revert);
}

// The profile notices kept since the panel was last shown.
void apply_pending() {
    UsersPanel& p = panel();
    const uint32_t pending = p.pending;
    p.pending = 0;
    if (pending & PENDING_LIST) {
        fill_profiles();
        if (p.loaded && drop_missing_profile()) {
            remove_profile_instances(&p.record);
            merge_linked_profile();
            take_snapshot();  // as on loading: Reset cannot bring the link back
            p.modified = true;
        }
    }
    if ((pending & PENDING_CONTENTS) && p.loaded && p.profile[0]) {
        remove_profile_instances(&p.record);
        char linked[PROFILE_NAME_SIZE];
        uint16_t status = while_waiting([&] {
            return read_profile_link(p.record.class_name, p.record.object_name, PROFILE_LINK_READ_LIMIT, linked,
                                     sizeof linked);
        });
        if (status == 0 && linked[0]) copy_text(p.profile, sizeof p.profile, linked);
        merge_linked_profile();
    }
}

bool may_edit() { return panel().loaded && !panel().no_dictionary; }

}  // namespace

UsersPanel& users_panel() { return panel(); }

void users_set_owner(void* owner) { panel().owner = owner; }

void users_activate(uint32_t option_mask) {
    UsersPanel& p = panel();
    p.option_mask = option_mask;
    if (p.initialised) {
        apply_pending();
        return;
    }
    p.pending = 0;
    if (!dictionary_loaded(dictionary())) p.no_dictionary = !load_dictionary(p.owner, nullptr);
    if (!fill_profiles()) return;
    load_listed_records(listed_users(), &p.initialised);
}

bool users_may_leave() { return run_save_prompt(); }

void users_reset(uint32_t argument) {
    UsersPanel& p = panel();
    if (argument == PROFILE_LIST_CHANGED || argument == PROFILE_CONTENTS_CHANGED) {
        if (p.initialised) p.pending |= 1u << argument;
        return;
    }
    dictionary_free(dictionary());
    free_record();
    name_list_free(&p.names);
    name_list_free(&p.profiles);
    void* owner = p.owner;
    const uint32_t versions[3] = {p.lists_version + 1, p.profiles_version + 1, p.record_version + 1};
    g_panel_ready = false;
    UsersPanel& fresh = panel();
    fresh.owner = owner;
    fresh.lists_version = versions[0];
    fresh.profiles_version = versions[1];
    fresh.record_version = versions[2];
}

void users_select(uint32_t index) {
    UsersPanel& p = panel();
    choose_listed_record(listed_users(), index, &p.selected, p.loaded, p.listed, run_save_prompt);
}

void users_choose_profile(int64_t index) {
    UsersPanel& p = panel();
    if (!may_edit() || index >= (int64_t)p.profiles.count) return;
    const char* chosen = index >= 0 ? name_list_at(&p.profiles, (uint32_t)index) : "";
    if (strcmp(chosen, p.profile) == 0) return;
    copy_text(p.profile, sizeof p.profile, chosen);
    remove_profile_instances(&p.record);
    merge_linked_profile();
    p.modified = true;
}

void users_lists_changed() {
    if (panel().loaded) panel().modified = true;
}

bool users_begin_add() { return run_save_prompt(); }

bool users_add(UserKind kind, const char* typed) {
    UsersPanel& p = panel();
    if (kind >= USER_KIND_COUNT) return false;
    char name[RECORD_NAME_SIZE];
    stored_name_of_typed(typed, name, sizeof name);
    if (!name[0]) return false;
    if ((kind == USER_SECURID_PREFIX || kind == USER_SECURID_SUFFIX) && strstr(name, USERNAME_MARK)) {
        show_error(p.owner, IDS_SECURID_USERNAME_REFUSED);
        return false;
    }
    char listed[sizeof p.listed];
    if (!user_listed_name(kind, name, listed, sizeof listed)) return false;
    const int64_t existing = name_list_find(&p.names, listed);
    if (existing >= 0) {
        show_user(existing);
        return true;
    }
    const char* cls = user_kind_info(kind).class_name;
    uint16_t status = while_waiting([&] { return db_create(cls, name); });
    if (status != 0) {
        // Nothing was created: the list and the user shown stay as they were.
        report_status(IDS_TITLE_ERROR_DB, IDS_SAVE_FAILED, status);
        return true;
    }
    const int64_t index = name_list_insert(&p.names, listed);
    ++p.lists_version;
    if (index < 0) {
        report_status(IDS_TITLE_ERROR_DB, IDS_LOAD_FAILED, STATUS_OUT_OF_MEMORY);
        return true;
    }
    show_user(index);
    return true;
}

void users_remove() {
    UsersPanel& p = panel();
    if (!p.loaded) return;
    remove_listed_record(listed_users(), p.selected, p.listed);
}

bool users_save() {
    UsersPanel& p = panel();
    if (!p.loaded || !p.record.class_name[0] || !p.record.object_name[0]) return true;
    uint16_t status = while_waiting([&] { return save_user(&p.record, p.kind, p.password, p.profile); });
    if (status != 0) {
        clear_after_failed_write(status);
        return false;
    }
    take_snapshot();
    p.modified = false;
    return true;
}

void users_revert() {
    UsersPanel& p = panel();
    if (!p.loaded) return;
    AttributeRecord restored;
    if (!attribute_record_copy(&restored, p.snapshot)) {
        show_error(p.owner, IDS_MEMORY_ALLOCATION_FAILURE);
        return;
    }
    attribute_record_free(&p.record);
    p.record = restored;
    p.password = p.snapshot_password;
    const bool profile_changed = strcmp(p.profile, p.snapshot_profile) != 0;
    copy_text(p.profile, sizeof p.profile, p.snapshot_profile);
    if (profile_changed) {
        // The snapshot holds the old profile's instances: bring the list
        // of them back in step.
        remove_profile_instances(&p.record);
        merge_linked_profile();
    }
    p.modified = false;
    ++p.record_version;
}

void users_password_start(PasswordDialogStart* start) {
    const UsersPanel& p = panel();
    memset(start, 0, sizeof *start);
    start->pap_only = p.password.type == PASSWORD_PAP_ONLY;
    start->validate = password_is_set(p.password);
    if (!start->pap_only && (p.option_mask & OPTION_SHOW_PASSWORD)) password_text(p.password, start->text);
}

void users_set_password(const char* text, bool pap_only) {
    UsersPanel& p = panel();
    if (!may_edit() || !user_kind_info(p.kind).password) return;
    password_set(&p.password, text, pap_only);
    p.modified = true;
}

bool users_validate_password(const char* text) {
    UsersPanel& p = panel();
    const bool correct = password_matches(p.password, text);
    PromptRequest request = {p.owner,
                             string_text(IDS_VALIDATION_TITLE),
                             string_text(correct ? IDS_PASSWORD_CORRECT : IDS_PASSWORD_INCORRECT),
                             correct ? PROMPT_ICON_INFORMATION : PROMPT_ICON_STOP,
                             PROMPT_OK,
                             false};
    show_prompt(request);
    return correct;
}

UsersControls users_controls() {
    const UsersPanel& p = panel();
    UsersControls c;
    memset(&c, 0, sizeof c);
    const bool usable = !p.no_dictionary && p.initialised;
    c.lists_editable = usable && p.loaded;
    c.add = usable;
    c.remove = usable && p.selected >= 0;
    c.profile = usable && p.loaded;
    c.set_password = c.lists_editable && user_kind_info(p.kind).password;
    c.save_reset = c.lists_editable && p.modified;
    c.kind_text_id = p.selected >= 0 ? user_kind_info(p.kind).display_id : 0;
    c.profile_index = profile_index(p.profile);
    return c;
}

void users_list_name(uint32_t index, char* text, uint32_t text_size) {
    list_name_shown(panel().names, index, text, text_size);
}

void users_profile_name(uint32_t index, char* text, uint32_t text_size) {
    list_name_shown(panel().profiles, index, text, text_size);
}
