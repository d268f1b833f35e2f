// Record names between the administrator and the database: typed names are
// stored upper case in the OEM character set and shown in the ANSI set.
#pragma once

#include <stdint.h>

#include "api/db_lists.h"

// A name typed for a new record as it is stored (cut to name_size - 1).
void stored_name_of_typed(const char* typed, char* name, uint32_t name_size);
// Entry `index` of a list as shown; "" past its end.
void list_name_shown(const NameList& names, uint32_t index, char* text, uint32_t text_size);
