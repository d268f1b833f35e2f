// The "Import Options" dialog of a users-file import apart from its window:
// the import dictionary pairs to choose the file format from, the profiles,
// the two choices, and the loading of the chosen pair on OK.
#pragma once

#include <stdint.h>

#include "api/db_lists.h"
#include "transfer/users_file_dictionaries.h"
#include "transfer/users_file_import.h"

struct UsersImportChoices {
    char* dictionary_names;  // the server's named dictionaries, as listed
    NameList formats;        // base names of the pairs, sorted
    NameList profiles;       // the server's profiles, sorted (OEM)
    int64_t format;          // index in formats; the first when the dialog opens
    int64_t profile;         // index in profiles; -1: "<no profile>"
    bool ignore_attributes;
    bool pap_only;  // false: "Allow PAP or CHAP", the default
};

// Fills the lists from the server, the first format chosen. False when the
// import cannot go on: "No import dictionaries are available" has been shown
// (owned by `owner`) when the server has no pair, the load error otherwise.
bool users_import_options_start(void* owner, UsersImportChoices* choices);
// OK: loads the chosen pair beside the default dictionary and fills the
// options the reader takes (valid while `choices` and `tables` live).
// False, with "Error opening import dictionary file" shown, when it fails.
bool users_import_options_accept(void* owner, UsersImportChoices* choices, ImportDictionaryTables* tables,
                                 UsersImportOptions* options);
void users_import_options_free(UsersImportChoices* choices);
