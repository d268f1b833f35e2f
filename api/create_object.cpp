#include "api/create_object.h"

#include "api/db.h"
#include "api/requests.h"

namespace {

uint16_t failed_at(BuildStep step, uint16_t status, BuildStep* failed_step) {
    if (failed_step) *failed_step = status == 0 ? BUILD_OK : step;
    return status;
}

}  // namespace

uint16_t build_object(const char* cls, const char* final_name, WriteProperties write, void* context,
                      TempDeleteRule rule, TempWriteFailureRule on_write_failure, BuildStep* failed_step) {
    uint16_t status = db_delete(cls, TEMP_OBJECT_NAME, nullptr);
    if (status != 0 && rule == TEMP_DELETE_MUST_SUCCEED) return failed_at(BUILD_TEMP_OBJECT, status, failed_step);
    status = db_create(cls, TEMP_OBJECT_NAME);
    if (status != 0) return failed_at(BUILD_TEMP_OBJECT, status, failed_step);
    if (write) status = write(context, cls, TEMP_OBJECT_NAME);
    if (status != 0) {
        if (on_write_failure == TEMP_DELETE_AFTER_WRITE_FAILURE) db_delete(cls, TEMP_OBJECT_NAME, nullptr);
        return failed_at(BUILD_WRITE, status, failed_step);
    }
    return failed_at(BUILD_RENAME, db_rename(cls, TEMP_OBJECT_NAME, final_name), failed_step);
}

uint16_t create_object(const char* cls, const char* final_name, WriteProperties write, void* context,
                       TempDeleteRule rule, TempWriteFailureRule on_write_failure, BuildStep* failed_step) {
    uint16_t status = lock_server();
    if (status != 0) return failed_at(BUILD_LOCK, status, failed_step);
    status = build_object(cls, final_name, write, context, rule, on_write_failure, failed_step);
    unlock_server();
    return status;
}
