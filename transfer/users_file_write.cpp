#include "transfer/users_file_write.h"

#include "panels/user_record.h"
#include "transfer/users_file_messages.h"

uint16_t write_imported_user(ImportedUser* user, TransferLog* log) {
    SaveFailure failure = {BUILD_OK, ""};
    AttributeRecord* record = &user->record;
    const uint16_t status = save_user(record, USER_NATIVE, user->password, user->profile, &failure);
    if (status == 0) return 0;
    const char* cls = record->class_name;
    const char* object = record->object_name;
    if (failure.step == BUILD_WRITE)
        transfer_log_error(log, UF_SET_FAILED, cls, object, failure.property);
    else if (failure.step == BUILD_RENAME)
        transfer_log_error(log, UF_RENAME_FAILED, (int)user->line, cls, object);
    else
        transfer_log_error(log, UF_CREATE_FAILED, cls, object);
    return status;
}
