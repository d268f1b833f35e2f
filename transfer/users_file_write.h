// Writing one imported user into the database, through the users' record
// module: built under the temporary name, renamed to the user's name, then
// its password and profile link.
#pragma once

#include <stdint.h>

#include "transfer/transfer_log.h"
#include "transfer/users_file_import.h"

// Writes an importable user over any stored user of its name. A failure is
// logged (and counted) in the words of the step that failed, and leaves no
// half-written user: the stored one stays as it was when the lists could
// not be written, and is gone when its password or link could not. Returns
// the status of the failed request, or 0.
uint16_t write_imported_user(ImportedUser* user, TransferLog* log);
