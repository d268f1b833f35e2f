#include "panels/profile_record.h"

#include "api/db.h"
#include "api/requests.h"
#include "attrs/list_store.h"

uint16_t list_profiles(NameList* names) {
    return under_server_lock([&] { return db_list_sorted(PROFILE_CLASS, names); });
}

uint16_t profile_exists(const char* name, bool* exists) {
    return under_server_lock([&] { return db_exists(PROFILE_CLASS, name, nullptr, exists); });
}

uint16_t create_profile(const char* name) {
    return under_server_lock([&] { return db_create(PROFILE_CLASS, name); });
}

uint16_t delete_profile(const char* name) {
    return under_server_lock([&] { return db_delete(PROFILE_CLASS, name, nullptr); });
}
