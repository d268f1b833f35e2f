// Profiles as the database holds them: one object of PROFILE_CLASS per
// profile, its attribute properties holding the two lists. Each step takes
// the server lock, as every front end's must.
#pragma once

#include <stdint.h>

#include "api/db_lists.h"

uint16_t list_profiles(NameList* names);
uint16_t profile_exists(const char* name, bool* exists);
// The empty object, created at once so the users panel can offer it.
uint16_t create_profile(const char* name);
uint16_t delete_profile(const char* name);
