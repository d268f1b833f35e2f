// Writing one gathered object: asked about when it exists, built under the
// temporary name and renamed over the stored one under the server lock. A
// property that fails never lets the half-built object replace a stored one.
#include <stdio.h>
#include <string.h>

#include "api/db.h"
#include "api/requests.h"
#include "platform/charset.h"
#include "transfer/import_steps.h"
#include "transfer/rif_format.h"

namespace {

const char ADD_FAILED[] = "DataBase Error: Unable to Add to the Database: Line No. %d  Class = '%s' Object = '%s'\r\n";

struct Shown {
    char cls[RIF_LINE_LIMIT + 1];
    char object[RIF_LINE_LIMIT + 1];
};

// Whether the object may be written: asked when it exists and the mode
// says so. *exists is whether it was found (false also when not looked for).
bool may_write(ImportRun* run, const Shown& shown, bool* exists) {
    const ImportObject& object = run->object;
    WriteDecision decision = decide_write(run, object.cls.cls, object.name, shown.cls, shown.object, exists);
    if (decision == WRITE_CHECK_FAILED)
        transfer_log_error(&run->log, ADD_FAILED, (int)object.line, object.cls.cls, object.name);
    return decision == WRITE_IT;
}

// Every property onto the temporary object; the number that failed.
uint32_t write_properties(ImportRun* run) {
    const ImportObject& object = run->object;
    uint32_t failed = 0;
    for (uint32_t i = 0; i < object.count; ++i) {
        const ImportProperty& property = object.properties[i];
        if (db_set(object.cls.cls, TEMP_OBJECT_NAME, property.name, property.bytes, property.length) == 0) continue;
        transfer_log_error(&run->log,
                           "DataBase Error: Unable to set Property into Database - Line No. %d  Class = '%s' Object "
                           "= '%s' Property = '%s'\r\n",
                           (int)property.line, object.cls.cls, object.name, property.name);
        ++failed;
    }
    return failed;
}

// After a failed property: the stored object, when there is one, stays as
// it was; a new object is still made from the properties that were written.
bool keep_stored_object(ImportRun* run, bool exists_known) {
    const ImportObject& object = run->object;
    bool exists = exists_known;
    // When the check fails the stored side is the safe one to keep.
    if (!exists && run->mode == REPLACE_ALL && db_exists(object.cls.cls, object.name, nullptr, &exists) != 0)
        exists = true;
    if (!exists) return false;
    db_delete(object.cls.cls, TEMP_OBJECT_NAME, nullptr);
    transfer_log_banner(&run->log,
                        "DataBase Error: Object not replaced; the stored object was kept as it was - Line No. %d  "
                        "Class = '%s' Object = '%s'\r\n",
                        (int)object.line, object.cls.cls, object.name);
    ++run->result.kept;
    return true;
}

void build_object(ImportRun* run, bool exists) {
    const ImportObject& object = run->object;
    const char* cls = object.cls.cls;
    uint16_t status = db_delete(cls, TEMP_OBJECT_NAME, nullptr);
    if (status == 0) status = db_create(cls, TEMP_OBJECT_NAME);
    if (status != 0) {
        transfer_log_error(&run->log, ADD_FAILED, (int)object.line, cls, object.name);
        return;
    }
    uint32_t failed = write_properties(run);
    if (failed > 0 && keep_stored_object(run, exists)) return;
    if (db_rename(cls, TEMP_OBJECT_NAME, object.name) != 0) {
        transfer_log_error(&run->log,
                           "DataBase Error: Unable to rename property in Database - Line No. %d  Class =  '%s' Object "
                           "= '%s'\r\n",
                           (int)object.line, cls, object.name);
        db_delete(cls, TEMP_OBJECT_NAME, nullptr);
        return;
    }
    if (failed == 0) {
        ++run->result.written;
        return;
    }
    transfer_log_banner(&run->log,
                        "DataBase Error: Object created without the properties that failed - Line No. %d  Class = "
                        "'%s' Object = '%s'\r\n",
                        (int)object.line, cls, object.name);
    ++run->result.partial;
}

}  // namespace

WriteDecision decide_write(ImportRun* run, const char* cls, const char* name, const char* shown_class,
                           const char* shown_object, bool* exists) {
    *exists = false;
    if (run->mode == REPLACE_ALL) return WRITE_IT;
    if (db_exists(cls, name, nullptr, exists) != 0) return WRITE_CHECK_FAILED;
    if (!*exists) return WRITE_IT;
    ReplaceAnswer answer = ANSWER_SKIP;
    if (run->mode == REPLACE_ASK && run->callbacks.ask_replace)
        answer = run->callbacks.ask_replace(run->callbacks.context, shown_class, shown_object);
    switch (answer) {
        case ANSWER_REPLACE: return WRITE_IT;
        case ANSWER_REPLACE_ALL: run->mode = REPLACE_ALL; return WRITE_IT;
        case ANSWER_STOP: run->result.stopped = true; return WRITE_NOT;
        case ANSWER_SKIP: break;
    }
    ++run->result.skipped;
    return WRITE_NOT;
}

void shown_names(const char* cls, const char* object, char* shown_class, uint32_t class_size, char* shown_object,
                 uint32_t object_size) {
    snprintf(shown_class, class_size, "%s", rif_class_text(cls));
    oem_to_ansi(object, shown_object, object_size);
}

void write_object(ImportRun* run) {
    const ImportObject& object = run->object;
    Shown shown;
    shown_names(object.cls.cls, object.name, shown.cls, sizeof shown.cls, shown.object, sizeof shown.object);
    bool exists = false;
    if (!may_write(run, shown, &exists)) return;
    if (run->callbacks.importing) run->callbacks.importing(run->callbacks.context, shown.cls, shown.object);
    if (lock_server() != 0) {
        transfer_log_error(&run->log, ADD_FAILED, (int)object.line, object.cls.cls, object.name);
        return;
    }
    build_object(run, exists);
    unlock_server();
}

void write_access_entry(ImportRun* run, const char* kind, const char* account, uint32_t line) {
    Shown shown;
    shown_names(ACCESS_CLASS, account, shown.cls, sizeof shown.cls, shown.object, sizeof shown.object);
    if (run->callbacks.importing) run->callbacks.importing(run->callbacks.context, shown.cls, shown.object);
    uint16_t code = 0;
    if (strcmp(kind, "User") == 0) {
        code = ADMIN_USER;
    } else if (strcmp(kind, "Group") == 0) {
        code = ADMIN_GROUP;
    } else {
        transfer_log_error(&run->log, "Error: Unable to find Access Type - line %d  Access Type = '%s' User = '%s'\r\n",
                           (int)line, kind, account);
        return;
    }
    if (lock_server() != 0) {
        transfer_log_error(&run->log, ADD_FAILED, (int)line, ACCESS_CLASS, account);
        return;
    }
    if (admin_set(account, code, ACCESS_FULL) == 0)
        ++run->result.written;
    else
        transfer_log_error(&run->log,
                           "Error: Unable to set Access Rights - Line No. %d  Access Type = '%s' User ='%s'\r\n",
                           (int)line, kind, account);
    unlock_server();
}
