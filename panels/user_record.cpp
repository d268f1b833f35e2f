#include "panels/user_record.h"

#include <stdio.h>
#include <string.h>

#include "api/db.h"
#include "api/requests.h"
#include "api/status.h"
#include "attrs/list_store.h"
#include "platform/wipe.h"

namespace {

// Appends the listed forms of one class's names.
uint16_t list_kind(UserKind kind, NameList* names) {
    const char* cls = user_kind_info(kind).class_name;
    // The first kind with users, listed by their object names, is the list.
    if (names->count == 0 && kind != USER_SECURID_PREFIX && kind != USER_SECURID_SUFFIX) {
        name_list_free(names);
        return under_server_lock([&] { return db_list_sorted(cls, names); });
    }
    const uint32_t first = names->count;
    NameList stored = {};
    uint16_t status = under_server_lock([&] { return db_list_sorted(cls, &stored); });
    for (uint32_t i = 0; status == 0 && i < stored.count; ++i) {
        char listed[512];
        if (!user_listed_name(kind, name_list_at(&stored, i), listed, sizeof listed)) continue;
        if (!name_list_append(names, listed)) status = STATUS_OUT_OF_MEMORY;
    }
    name_list_free(&stored);
    name_list_merge_from(names, first);  // what was listed before a failure stays usable
    return status;
}

}  // namespace

uint16_t list_users(NameList* names) {
    memset(names, 0, sizeof *names);
    for (uint8_t kind = 0; kind < USER_KIND_COUNT; ++kind) {
        uint16_t status = list_kind(static_cast<UserKind>(kind), names);
        if (status != 0) return status;
    }
    return STATUS_OK;
}

uint16_t find_user(const char* listed, UserKind* kind, char* object, uint32_t object_size) {
    *kind = USER_KIND_UNKNOWN;
    if (object_size > 0) object[0] = '\0';
    for (uint8_t k = USER_NATIVE; k <= USER_SECURID; ++k) {
        bool exists = false;
        uint16_t status = db_exists(user_kind_info(static_cast<UserKind>(k)).class_name, listed, nullptr, &exists);
        if (status != 0 && status != STATUS_NOT_FOUND) return status;
        if (exists) {
            *kind = static_cast<UserKind>(k);
            snprintf(object, object_size, "%s", listed);
            return STATUS_OK;
        }
    }
    *kind = user_marked_object(listed, object, object_size);
    return STATUS_OK;
}

uint16_t read_user_password(const char* cls, const char* object, PasswordProperty* password) {
    uint8_t bytes[PASSWORD_PROPERTY_MAX];
    uint16_t length = sizeof bytes;
    uint16_t status = db_get(cls, object, PASSWORD_PROPERTY, bytes, &length);
    *password = status == 0 ? password_decode(bytes, length) : password_none();
    secret_wipe(bytes, sizeof bytes);
    return status == STATUS_NOT_FOUND ? STATUS_OK : status;
}

uint16_t write_user_password(const char* cls, const char* object, const PasswordProperty& password) {
    uint8_t bytes[PASSWORD_PROPERTY_MAX];
    const uint32_t length = password_encode(password, bytes);
    const uint16_t status = length ? db_set(cls, object, PASSWORD_PROPERTY, bytes, length) : STATUS_OK;
    secret_wipe(bytes, sizeof bytes);
    return status;
}

uint16_t write_profile_link(const char* cls, const char* object, const char* profile) {
    if (!profile[0]) {
        const uint16_t status = db_delete(cls, object, PROFILE_LINK_PROPERTY);
        return status == STATUS_NOT_FOUND ? STATUS_OK : status;
    }
    uint8_t bytes[PROFILE_LINK_HEADER + PROFILE_NAME_SIZE];
    const uint32_t length = profile_link_encode(profile, bytes, sizeof bytes);
    return db_set(cls, object, PROFILE_LINK_PROPERTY, bytes, length);
}

uint16_t read_user(const char* listed, const Dictionary* dictionary, void* owner, StoredUser* user) {
    AttributeRecord& record = user->record;
    attribute_record_free(&record);
    memset(&record, 0, sizeof record);
    user->password = password_none();
    user->profile[0] = '\0';
    uint16_t status = find_user(listed, &user->kind, record.object_name, sizeof record.object_name);
    if (status != 0 || user->kind == USER_KIND_UNKNOWN) return status;
    const char* cls = user_kind_info(user->kind).class_name;
    snprintf(record.class_name, sizeof record.class_name, "%s", cls);
    status = read_profile_link(cls, record.object_name, PROFILE_LINK_READ_LIMIT, user->profile, sizeof user->profile);
    if (status == 0) status = load_attribute_lists(&record, dictionary, owner);
    if (status == 0 && user_kind_info(user->kind).password)
        status = read_user_password(cls, record.object_name, &user->password);
    return status;
}

uint16_t save_user(AttributeRecord* record, UserKind kind, const PasswordProperty& password, const char* profile,
                   SaveFailure* failure) {
    uint16_t status = save_attribute_lists(record, failure);
    if (status != 0) return status;
    // The lists were written over the whole object: the password and the
    // link follow.
    const char* cls = record->class_name;
    const char* object = record->object_name;
    const char* property = PASSWORD_PROPERTY;
    if (user_kind_info(kind).password && password_is_set(password)) status = write_user_password(cls, object, password);
    if (status == 0) {
        property = PROFILE_LINK_PROPERTY;
        status = write_profile_link(cls, object, profile);
    }
    if (status != 0) {
        db_delete(cls, object, nullptr);
        if (failure) {
            failure->step = BUILD_WRITE;
            snprintf(failure->property, sizeof failure->property, "%s", property);
        }
    }
    return status;
}
