// The user classes the server's database may hold, in the order every walk
// over users takes (the users list, the profile-removal scan, the
// configuration's methods, export, import and the report), and the eight
// kinds the users panel edits with the form each is listed in.
#pragma once

#include <stdint.h>

struct UserType {
    uint16_t code;
    uint16_t platform_mask;  // shares a bit with the connection's: offered there
    uint32_t option_bits;    // 0, or shares a bit with the server's option mask
    char class_name[32];
    uint32_t display_id;  // string id of the kind's name
};

// The platform bit of the servers this console connects to (Windows NT).
const uint16_t PLATFORM_NT = 4;

const uint32_t USER_TYPE_COUNT = 13;
extern const UserType USER_TYPE_TABLE[USER_TYPE_COUNT];

// The platform every front end connects as: the types it offers follow it.
const uint16_t CONNECT_PLATFORM_MASK = PLATFORM_NT;

// Whether the connected server offers the type.
bool user_type_available(const UserType& type, uint16_t platform_mask, uint32_t option_mask);
// The row of a class, or null.
const UserType* user_type_of_class(const char* class_name);

// The kinds the users panel edits, in the order it searches for a name.
enum UserKind : uint8_t {
    USER_NATIVE,
    USER_DOMAIN_USER,
    USER_DOMAIN_GROUP,
    USER_HOST_USER,
    USER_HOST_GROUP,
    USER_SECURID,
    USER_SECURID_PREFIX,
    USER_SECURID_SUFFIX,
    USER_KIND_COUNT,
    USER_KIND_UNKNOWN = USER_KIND_COUNT,
};

const char* const USERNAME_MARK = "<USERNAME>";
const char* const SECURID_ANY_USER = "<ANY>";

struct UserKindInfo {
    const char* class_name;
    uint16_t display_id;
    uint16_t page_id;  // the Add New User page it is added from
    bool password;     // has a "--Password"
};
const UserKindInfo& user_kind_info(UserKind kind);
// USER_KIND_UNKNOWN for a class the panel does not edit.
UserKind user_kind_of_class(const char* class_name);

// The form a stored name is listed in: prefixes and suffixes carry the
// "<USERNAME>" mark; every other kind is listed by its object name. False
// when the form does not fit `listed_size`.
bool user_listed_name(UserKind kind, const char* object, char* listed, uint32_t listed_size);
// A listed name holding the mark: the prefix or suffix object it names.
// USER_KIND_UNKNOWN (and `object` empty) for a name without the mark.
UserKind user_marked_object(const char* listed, char* object, uint32_t object_size);
