#include "transfer/import_classes.h"

#include <string.h>

#include "attrs/list_store.h"
#include "panels/client_record.h"
#include "panels/pool_record.h"
#include "panels/proxy_record.h"
#include "panels/user_types.h"
#include "transfer/export_selection.h"

namespace {

const ImportClass FIXED_CLASSES[] = {
    {CLIENT_CLASS, PAGE_RAS_CLIENTS, 0, EXPORT_CLIENTS},
    {PROFILE_CLASS, PAGE_PROFILES, 0, EXPORT_PROFILES},
    {PROXY_CLASS, PAGE_PROXIES, 0, EXPORT_PROXIES},
    {POOL_CLASS, PAGE_ADDRESS_POOLS, 0, EXPORT_POOLS},
    {MESSAGES_CLASS, PAGE_OTHER_DATA, OTHER_MESSAGES, EXPORT_MESSAGES},
    {POLICY_CLASS, PAGE_OTHER_DATA, OTHER_CONFIGURATION, EXPORT_CONFIGURATION},
    {ACCESS_CLASS, PAGE_OTHER_DATA, OTHER_ACCESS, EXPORT_ACCESS},
};

bool tail_match(const char* name, uint32_t length, const char* cls) {
    uint32_t cls_length = (uint32_t)strlen(cls);
    if (length <= cls_length) return memcmp(cls + cls_length - length, name, length) == 0;
    return memcmp(name + length - cls_length, cls, cls_length) == 0;
}

}  // namespace

bool import_class_of(const char* name, uint32_t length, ImportClass* out) {
    if (length == 0) return false;
    for (const ImportClass& fixed : FIXED_CLASSES) {
        if (!tail_match(name, length, fixed.cls)) continue;
        *out = fixed;
        return true;
    }
    for (uint16_t i = 0; i < USER_TYPE_COUNT; ++i) {
        if (!tail_match(name, length, USER_TYPE_TABLE[i].class_name)) continue;
        *out = ImportClass{USER_TYPE_TABLE[i].class_name, PAGE_USERS, i, EXPORT_USERS};
        return true;
    }
    return false;
}
