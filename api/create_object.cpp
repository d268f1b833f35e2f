#include "api/create_object.h"

#include "api/db.h"
#include "api/requests.h"

uint16_t build_object(const char* cls, const char* final_name, WriteProperties write, void* context,
                      TempDeleteRule rule) {
    uint16_t status = db_delete(cls, TEMP_OBJECT_NAME, nullptr);
    if (status != 0 && rule == TEMP_DELETE_MUST_SUCCEED) return status;
    status = db_create(cls, TEMP_OBJECT_NAME);
    if (status == 0 && write) status = write(context, cls, TEMP_OBJECT_NAME);
    if (status == 0) status = db_rename(cls, TEMP_OBJECT_NAME, final_name);
    return status;
}

uint16_t create_object(const char* cls, const char* final_name, WriteProperties write, void* context,
                       TempDeleteRule rule) {
    uint16_t status = lock_server();
    if (status != 0) return status;
    status = build_object(cls, final_name, write, context, rule);
    unlock_server();
    return status;
}
