#include "panels/user_types.h"

#include <stdio.h>
#include <string.h>

#include "resources/strings.h"

const UserType USER_TYPE_TABLE[USER_TYPE_COUNT] = {
    {0, 7, 0, "++b-Native-User", IDS_KIND_NATIVE_USER},
    {1, 2, 0, "++e-NDS-User", IDS_KIND_NDS_USER},
    {2, 2, 0, "++f-NDS-Group", IDS_KIND_NDS_GROUP},
    {3, 2, 0, "++g-NDS-Context", IDS_KIND_NDS_CONTEXT},
    {4, 3, 0, "++c-Bindery-User", IDS_KIND_BINDERY_USER},
    {5, 3, 0, "++d-Bindery-Group", IDS_KIND_BINDERY_GROUP},
    {6, 4, 0x01, "++h-NT-Domain-User", IDS_KIND_NT_DOMAIN_USER},
    {7, 4, 0x01, "++i-NT-Domain-Group", IDS_KIND_NT_DOMAIN_GROUP},
    {8, 4, 0x02, "++j-NT-Host-User", IDS_KIND_NT_HOST_USER},
    {9, 4, 0x02, "++k-NT-Host-Group", IDS_KIND_NT_HOST_GROUP},
    {10, 7, 0, "++m-SecurID", IDS_KIND_SECURID_USER},
    {11, 7, 0, "++n-SecurID-Prefix", IDS_KIND_SECURID_PREFIX},
    {12, 7, 0, "++o-SecurID-Suffix", IDS_KIND_SECURID_SUFFIX},
};

bool user_type_available(const UserType& type, uint16_t platform_mask, uint32_t option_mask) {
    if ((type.platform_mask & platform_mask) == 0) return false;
    return type.option_bits == 0 || (type.option_bits & option_mask) != 0;
}

const UserType* user_type_of_class(const char* class_name) {
    for (const UserType& type : USER_TYPE_TABLE)
        if (strcmp(type.class_name, class_name) == 0) return &type;
    return nullptr;
}

static const UserKindInfo KINDS[USER_KIND_COUNT] = {
    {"++b-Native-User", IDS_KIND_NATIVE_USER, IDS_PAGE_NATIVE, true},
    {"++h-NT-Domain-User", IDS_KIND_NT_DOMAIN_USER, IDS_PAGE_DOMAIN, false},
    {"++i-NT-Domain-Group", IDS_KIND_NT_DOMAIN_GROUP, IDS_PAGE_DOMAIN, false},
    {"++j-NT-Host-User", IDS_KIND_NT_HOST_USER, IDS_PAGE_HOST, false},
    {"++k-NT-Host-Group", IDS_KIND_NT_HOST_GROUP, IDS_PAGE_HOST, false},
    {"++m-SecurID", IDS_KIND_SECURID_USER, IDS_PAGE_SECURID, false},
    {"++n-SecurID-Prefix", IDS_KIND_SECURID_PREFIX, IDS_PAGE_SECURID, false},
    {"++o-SecurID-Suffix", IDS_KIND_SECURID_SUFFIX, IDS_PAGE_SECURID, false},
};
static const UserKindInfo UNKNOWN_KIND = {"", IDS_NOT_APPLICABLE, 0, false};

const UserKindInfo& user_kind_info(UserKind kind) { return kind < USER_KIND_COUNT ? KINDS[kind] : UNKNOWN_KIND; }

UserKind user_kind_of_class(const char* class_name) {
    for (uint8_t kind = 0; kind < USER_KIND_COUNT; ++kind)
        if (strcmp(KINDS[kind].class_name, class_name) == 0) return static_cast<UserKind>(kind);
    return USER_KIND_UNKNOWN;
}

bool user_listed_name(UserKind kind, const char* object, char* listed, uint32_t listed_size) {
    // Called once per user when the list is filled: plain copies, no formatting.
    const size_t object_length = strlen(object);
    const bool marked = kind == USER_SECURID_PREFIX || kind == USER_SECURID_SUFFIX;
    const size_t mark_length = marked ? strlen(USERNAME_MARK) : 0;
    if (object_length + mark_length >= listed_size) {
        if (listed_size > 0) listed[0] = '\0';
        return false;
    }
    char* at = listed;
    if (kind == USER_SECURID_SUFFIX) at = static_cast<char*>(memcpy(at, USERNAME_MARK, mark_length)) + mark_length;
    at = static_cast<char*>(memcpy(at, object, object_length)) + object_length;
    if (kind == USER_SECURID_PREFIX) at = static_cast<char*>(memcpy(at, USERNAME_MARK, mark_length)) + mark_length;
    *at = '\0';
    return true;
}

UserKind user_marked_object(const char* listed, char* object, uint32_t object_size) {
    if (object_size > 0) object[0] = '\0';
    const size_t mark_length = strlen(USERNAME_MARK);
    if (strncmp(listed, USERNAME_MARK, mark_length) == 0) {
        snprintf(object, object_size, "%s", listed + mark_length);
        return USER_SECURID_SUFFIX;
    }
    const char* mark = strstr(listed, USERNAME_MARK);
    if (mark == nullptr) return USER_KIND_UNKNOWN;
    const int length = static_cast<int>(mark - listed);
    snprintf(object, object_size, "%.*s", length, listed);
    return USER_SECURID_PREFIX;
}
