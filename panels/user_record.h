// Users as the database holds them: one object per user, its class naming
// the kind; the attribute properties hold the lists, beside the password and
// the profile link.
#pragma once

#include <stdint.h>

#include "api/db_lists.h"
#include "attrs/attribute_list.h"
#include "attrs/dictionary.h"
#include "attrs/list_store.h"
#include "panels/profile_link.h"
#include "panels/user_password.h"
#include "panels/user_types.h"

// Every user of the eight kinds in its listed form, in one sorted list;
// each class is listed under the server lock. The first failing listing
// stops the filling and its status is returned.
uint16_t list_users(NameList* names);

// The user a listed name stands for: the first kind, in search order, with
// an object of that name; else the prefix or suffix the name's mark makes
// it. USER_KIND_UNKNOWN when no class holds it.
uint16_t find_user(const char* listed, UserKind* kind, char* object, uint32_t object_size);

// A user without a "--Password" has none (PAP or CHAP, length 0).
uint16_t read_user_password(const char* cls, const char* object, PasswordProperty* password);
// Writes a set password (a password of length 0 is never written).
uint16_t write_user_password(const char* cls, const char* object, const PasswordProperty& password);
// Writes the link to `profile`, or deletes it for "".
uint16_t write_profile_link(const char* cls, const char* object, const char* profile);

// A user as read: its kind, its lists (without its profile's rows), its
// password and the profile it links.
struct StoredUser {
    UserKind kind;  // USER_KIND_UNKNOWN: no class holds the listed name
    AttributeRecord record;
    PasswordProperty password;
    char profile[PROFILE_NAME_SIZE];
};
// Reads the user a listed name stands for; a name no class holds reads as
// USER_KIND_UNKNOWN with nothing loaded. Memory trouble in the lists is
// shown once, owned by `owner`.
uint16_t read_user(const char* listed, const Dictionary* dictionary, void* owner, StoredUser* user);
// Writes a user whole: the lists over the stored object (which any failure
// there leaves as it was), then the password and the profile link. A user
// left without them is deleted, so no half-written user stays stored.
// `failure` (when given) names the step and the property that failed.
uint16_t save_user(AttributeRecord* record, UserKind kind, const PasswordProperty& password, const char* profile,
                   SaveFailure* failure = nullptr);
