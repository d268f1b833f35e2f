#include "api/create_object.h"

#include "api/db.h"
#include "api/requests.h"

uint16_t build_object(const char* cls, const char* final_name, WriteProperties write, void* context,
                      TempDeleteRule rule, TempWriteFailureRule on_write_failure) {
    uint16_t status = db_delete(cls, TEMP_OBJECT_NAME, nullptr);
    if (status != 0 && rule == TEMP_DELETE_MUST_SUCCEED) return status;
    status = db_create(cls, TEMP_OBJECT_NAME);
    if (status != 0) return status;
    if (write) status = write(context, cls, TEMP_OBJECT_NAME);
    if (status != 0) {
        if (on_write_failure == TEMP_DELETE_AFTER_WRITE_FAILURE) db_delete(cls, TEMP_OBJECT_NAME, nullptr);
        return status;
    }
    return db_rename(cls, TEMP_OBJECT_NAME, final_name);
}

uint16_t create_object(const char* cls, const char* final_name, WriteProperties write, void* context,
                       TempDeleteRule rule, TempWriteFailureRule on_write_failure) {
    uint16_t status = lock_server();
    if (status != 0) return status;
    status = build_object(cls, final_name, write, context, rule, on_write_failure);
    unlock_server();
    return status;
}
