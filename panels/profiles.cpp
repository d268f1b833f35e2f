#include "panels/profiles.h"

#include <string.h>

#include "api/db.h"
#include "api/report.h"
#include "api/requests.h"
#include "api/text_field.h"
#include "attrs/list_store.h"
#include "panels/profile_record.h"
#include "panels/profile_scan.h"
#include "panels/record_names.h"
#include "panels/record_panel.h"
#include "platform/charset.h"
#include "resources/strings.h"
#include "ui/filled_prompt.h"
#include "ui/panel_commands.h"
#include "ui/wait_cursor.h"

namespace {

ProfilesPanel empty_panel() {
    ProfilesPanel p;
    memset(&p, 0, sizeof p);
    p.selected = -1;
    return p;
}

ProfilesPanel g_panel = empty_panel();

ProfilesPanel& panel() { return g_panel; }

void tell_users(uint32_t argument) {
    if (panel().notice) panel().notice(panel().notice_context, argument);
}

const char* shown_name(char* text, uint32_t text_size) {
    oem_to_ansi(panel().record.current.object_name, text, text_size);
    return text;
}

uint16_t create_and_tell(const char* name) {
    uint16_t status = create_profile(name);
    if (status == 0) tell_users(PROFILE_LIST_CHANGED);
    return status;
}

// Shows entry `index` (-1: none). A profile gone from the server leaves the
// record empty; one that cannot be read is reported and shows nothing.
void select_index(int64_t index) {
    ProfilesPanel& p = panel();
    p.selected = index;
    attribute_panel_clear(&p.record);
    if (index < 0) return;
    const char* name = name_list_at(&p.names, (uint32_t)index);
    bool exists = false;
    uint16_t status = while_waiting([&] { return profile_exists(name, &exists); });
    if (status == 0 && exists) {
        status = while_waiting(
            [&] { return attribute_panel_read(&p.record, PROFILE_CLASS, name, program_dictionary(), p.owner); });
    }
    if (status != 0) {
        report_status(IDS_TITLE_ERROR_DB, IDS_LOAD_FAILED, status);
        return;
    }
    if (exists) attribute_panel_take_snapshot(&p.record, p.owner);
}

// After a failed write nothing half-saved stays on screen.
void clear_after_failed_write(uint16_t status) {
    attribute_panel_clear(&panel().record);
    report_status(IDS_TITLE_ERROR_DB, IDS_SAVE_FAILED, status);
}

void report_listed_failure(ListedFailure failure, uint16_t status) {
    report_status(IDS_TITLE_ERROR_DB, failure == LISTED_CREATE_FAILED ? IDS_SAVE_FAILED : IDS_LOAD_FAILED, status);
}

ListedRecords listed_profiles() {
    ProfilesPanel& p = panel();
    return {p.owner,
            &p.names,
            &p.lists_version,
            0,
            IDS_CONFIRM_DELETE_PROFILE,
            list_profiles,
            create_and_tell,
            nullptr,
            profiles_select,
            select_index,
            report_listed_failure};
}

bool run_save_prompt() {
    ProfilesPanel& p = panel();
    if (!p.record.modified) return true;
    char name[PROFILE_NAME_LIMIT + 1];
    const char* value = shown_name(name, sizeof name);
    PromptAnswer answer = show_filled_prompt(p.owner, IDS_PRODUCT_TITLE, IDS_SAVE_PROFILE_PROMPT, &value, 1,
                                             PROMPT_ICON_QUESTION, PROMPT_YES_NO_CANCEL);
    return follow_save_answer(answer, profiles_save, profiles_revert);
}

PromptAnswer ask_warning(uint16_t text_id, const char* const* values, uint32_t count) {
    return show_filled_prompt(panel().owner, IDS_TITLE_WARNING, text_id, values, count, PROMPT_ICON_EXCLAMATION,
                              PROMPT_YES_NO);
}

// Whether removal may go on: a user still linking the profile is named
// (only the first found) and the administrator decides.
bool may_remove(const char* name, const char* shown) {
    LinkingUser user;
    uint16_t status = while_waiting([&] { return find_linking_user(name, &user); });
    if (status != 0) {
        // Without the scan nobody knows who links it: keep it.
        report_status(IDS_TITLE_ERROR_DB, IDS_LOAD_FAILED, status);
        return false;
    }
    if (!user.found) return true;
    char user_shown[PROFILE_NAME_SIZE + 16];
    linking_user_shown(user, user_shown, sizeof user_shown);
    const char* values[2] = {shown, user_shown};
    return ask_warning(IDS_PROFILE_IN_USE, values, 2) == ANSWER_YES;
}

// The names as the server now has them; the entry at the removed one's
// place is shown, or, when the delete failed, the name stays chosen with
// nothing shown.
void refill_after_removal(const char* name, uint32_t position, bool deleted) {
    ProfilesPanel& p = panel();
    name_list_free(&p.names);
    uint16_t status = while_waiting([&] { return list_profiles(&p.names); });
    ++p.lists_version;
    if (status != 0) {
        report_status(IDS_TITLE_ERROR_DB, IDS_LOAD_FAILED, status);
        p.initialised = false;  // read again at the next showing
        select_index(-1);
        return;
    }
    if (deleted)
        select_index(entry_after_removal(position, p.names.count));
    else
        p.selected = name_list_find(&p.names, name);
}

}  // namespace

ProfilesPanel& profiles_panel() { return panel(); }

void profiles_set_owner(void* owner) { panel().owner = owner; }

void profiles_set_users_notice(UsersNotice notice, void* context) {
    panel().notice = notice;
    panel().notice_context = context;
}

void profiles_activate() {
    ProfilesPanel& p = panel();
    if (p.initialised) return;
    Dictionary* dictionary = program_dictionary();
    p.dictionary_ok = dictionary_loaded(dictionary) || load_dictionary(p.owner, nullptr);
    load_listed_records(listed_profiles(), &p.initialised);
}

bool profiles_may_leave() { return run_save_prompt(); }

void profiles_reset() {
    ProfilesPanel& p = panel();
    name_list_free(&p.names);
    attribute_panel_clear(&p.record);
    // The program's dictionary is the users panel's to forget: it may be
    // showing a user read with it when an import resets every panel.
    ProfilesPanel kept = p;
    p = empty_panel();
    p.owner = kept.owner;
    p.notice = kept.notice;
    p.notice_context = kept.notice_context;
    p.lists_version = kept.lists_version + 1;
    p.record.version = kept.record.version + 1;
}

void profiles_select(uint32_t index) {
    ProfilesPanel& p = panel();
    choose_listed_record(listed_profiles(), index, &p.selected, attribute_panel_has_record(p.record),
                         p.record.current.object_name, run_save_prompt);
}

bool profiles_begin_add() { return run_save_prompt(); }

void profiles_add(const char* typed) {
    char name[PROFILE_NAME_LIMIT + 1];
    stored_name_of_typed(typed, name, sizeof name);
    if (!name[0]) return;
    // A name already there is simply shown.
    int64_t existing = name_list_find(&panel().names, name);
    if (existing >= 0)
        select_index(existing);
    else
        add_listed_record(listed_profiles(), typed, sizeof name);
}

void profiles_remove() {
    ProfilesPanel& p = panel();
    if (p.selected < 0) return;
    char name[PROFILE_NAME_LIMIT + 1];
    copy_text(name, sizeof name, name_list_at(&p.names, (uint32_t)p.selected));
    char shown[PROFILE_NAME_LIMIT + 1];
    oem_to_ansi(name, shown, sizeof shown);
    const char* value = shown;
    if (ask_warning(IDS_CONFIRM_DELETE_PROFILE, &value, 1) != ANSWER_YES) return;
    if (!may_remove(name, shown)) return;
    uint16_t status = while_waiting([&] { return delete_profile(name); });
    if (status != 0) clear_after_failed_write(status);
    tell_users(PROFILE_LIST_CHANGED);
    refill_after_removal(name, (uint32_t)p.selected, status == 0);
}

bool profiles_save() {
    ProfilesPanel& p = panel();
    if (!attribute_panel_has_record(p.record)) return true;  // nothing to save
    uint16_t status = while_waiting([&] { return save_attribute_lists(&p.record.current); });
    if (status != 0) {
        clear_after_failed_write(status);
        return false;
    }
    tell_users(PROFILE_CONTENTS_CHANGED);
    attribute_panel_take_snapshot(&p.record, p.owner);
    return true;
}

void profiles_revert() { attribute_panel_restore(&panel().record, panel().owner); }

void profiles_modified() { attribute_panel_mark_modified(&panel().record); }

void profiles_list_name(uint32_t index, char* text, uint32_t text_size) {
    list_name_shown(panel().names, index, text, text_size);
}

ProfilesControls profiles_controls() {
    const ProfilesPanel& p = panel();
    ProfilesControls controls = {};
    controls.remove_enabled = p.selected >= 0;
    controls.lists_enabled = attribute_panel_has_record(p.record) && p.dictionary_ok;
    controls.save_enabled = p.record.modified;
    return controls;
}
