// The walk over a users file both phases share: each record read whole and
// translated; the scan lists it on the Users page, the import reads a
// selected record again, with its messages in the log, and writes it.
#include <stdio.h>
#include <string.h>

#include "api/text_field.h"
#include "panels/user_types.h"
#include "transfer/export_selection.h"
#include "transfer/import_steps.h"
#include "transfer/rif_format.h"
#include "transfer/users_file_messages.h"
#include "transfer/users_file_write.h"

namespace {

// The Users page groups entries by their class in the user-type table.
uint16_t native_group() {
    for (uint16_t i = 0; i < USER_TYPE_COUNT; ++i)
        if (user_kind_of_class(USER_TYPE_TABLE[i].class_name) == USER_NATIVE) return i;
    return 0;
}

void list_user(ImportRun* run, const ImportedUser& user) {
    const char* cls = user.record.class_name;
    const char* name = user.record.object_name;
    char listed[USERS_NAME_SIZE + 16];
    char text[USERS_NAME_SIZE + 20];
    listed_object_text(PAGE_USERS, cls, name, listed, sizeof listed);
    snprintf(text, sizeof text, "%s%s", user.errors ? "** " : "", listed);
    if (!selection_add(&run->pages, PAGE_USERS, native_group(), name, text))
        transfer_log_error(&run->log, "Memory error occurred during import of class '%s' object '%s'\r\n", cls, name);
}

void import_user(ImportRun* run, ImportedUser* user) {
    const char* cls = user->record.class_name;
    const char* name = user->record.object_name;
    char shown_class[RIF_LINE_LIMIT + 1], shown_object[RIF_LINE_LIMIT + 1];
    shown_names(cls, name, shown_class, sizeof shown_class, shown_object, sizeof shown_object);
    bool exists = false;
    WriteDecision decision = decide_write(run, cls, name, shown_class, shown_object, &exists);
    if (decision == WRITE_CHECK_FAILED) transfer_log_error(&run->log, UF_CREATE_FAILED, cls, name);
    if (decision != WRITE_IT) return;
    if (run->callbacks.importing) run->callbacks.importing(run->callbacks.context, shown_class, shown_object);
    if (write_imported_user(user, &run->log) == 0) ++run->result.written;
}

}  // namespace

void walk_users_file(ImportRun* run, ImportPhase phase) {
    users_input_rewind(&run->users_input);
    ImportedUser* user = &run->users_user;
    uint32_t cursor = 0;  // the next entry of the Users page: the scan listed them in file order
    for (;;) {
        const UsersInputMark mark = users_input_mark(&run->users_input);
        // The import reads every record to find the selected ones; only
        // those are read again with their messages in the log.
        TransferLog quiet = {};
        TransferLog* log = phase == PHASE_SCAN ? &run->log : &quiet;
        if (run->result.stopped || !next_users_record(&run->users_input, *run->users, log, &run->users_reader, user))
            break;
        if (!user->record.object_name[0]) continue;  // a name that cannot be stored is not offered
        if (phase == PHASE_SCAN) {
            list_user(run, *user);
            continue;
        }
        const SelectionPage& page = run->pages.pages[PAGE_USERS];
        const uint32_t at = cursor++;
        if (at >= page.count || !page.entries[at].selected || strcmp(selection_object(page, at), user->record.object_name) != 0)
            continue;
        if (!users_input_seek(&run->users_input, mark)) {
            transfer_log_error(&run->log, UF_CREATE_FAILED, user->record.class_name, user->record.object_name);
            break;
        }
        next_users_record(&run->users_input, *run->users, &run->log, &run->users_reader, user);
        if (user->importable) import_user(run, user);
    }
}
