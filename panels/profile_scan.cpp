#include "panels/profile_scan.h"

#include <string.h>

#include "api/db_lists.h"
#include "api/requests.h"
#include "api/text_field.h"
#include "panels/user_types.h"
#include "platform/charset.h"

namespace {

// Stops at the first user of `cls` that links `profile`.
bool scan_class(const char* cls, const char* profile, LinkingUser* user) {
    NameList names;
    if (db_list_sorted(cls, &names) != 0) return false;  // passed over, not taken as unlinked
    char link[PROFILE_NAME_SIZE];
    for (uint32_t i = 0; i < names.count && !user->found; ++i) {
        const char* name = name_list_at(&names, i);
        if (read_profile_link(cls, name, PROFILE_SCAN_READ_LIMIT, link, sizeof link) != 0) continue;
        if (strcmp(link, profile) != 0) continue;
        user->found = true;
        copy_text(user->class_name, sizeof user->class_name, cls);
        copy_text(user->object_name, sizeof user->object_name, name);
    }
    name_list_free(&names);
    return user->found;
}

}  // namespace

uint16_t find_linking_user(const char* profile, LinkingUser* user) {
    memset(user, 0, sizeof *user);
    return under_server_lock([&] {
        for (const UserType& type : USER_TYPE_TABLE) {
            if (scan_class(type.class_name, profile, user)) break;
        }
        return (uint16_t)0;
    });
}

void linking_user_shown(const LinkingUser& user, char* text, uint32_t text_size) {
    char listed[PROFILE_NAME_SIZE + 16];
    UserKind kind = user_kind_of_class(user.class_name);
    if (kind == USER_KIND_UNKNOWN || !user_listed_name(kind, user.object_name, listed, sizeof listed))
        copy_text(listed, sizeof listed, user.object_name);
    oem_to_ansi(listed, text, text_size);
}
