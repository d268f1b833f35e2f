// Which user links a profile: the walk a profile's removal makes over every
// user class the server's database may hold.
#pragma once

#include <stdint.h>

#include "panels/profile_link.h"

struct LinkingUser {
    bool found;
    char class_name[32];
    char object_name[PROFILE_NAME_SIZE];
};

// The first user, class after class in the user-type table's order and by
// name within a class, whose "--User-Profile" names `profile` exactly. One
// listing per class and one read per user, all under one hold of the server
// lock; a class that cannot be listed, or a user whose link cannot be read,
// is passed over. Returns the lock's status when it is refused.
uint16_t find_linking_user(const char* profile, LinkingUser* user);
// The user as the administrator knows it: the listed form of a kind the
// users panel edits, the object name otherwise; in the ANSI character set.
void linking_user_shown(const LinkingUser& user, char* text, uint32_t text_size);
