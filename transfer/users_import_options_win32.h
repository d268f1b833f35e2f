// The "Import Options" dialog of a users-file import.
#pragma once

#include <windows.h>

#include "transfer/users_import_options.h"

// Offers the server's dictionary pairs and profiles, and on OK loads the
// chosen pair into `tables` and fills `options` (valid while `choices` and
// `tables` live; the caller frees both). False when the import ends here:
// Cancel, no pair on the server, or a pair that cannot be loaded (each
// failure has been shown).
bool users_import_options_run(HWND owner, UsersImportChoices* choices, ImportDictionaryTables* tables,
                              UsersImportOptions* options);
