// Import of a ".rif" file into the server's database, in two phases over
// the same open file: the scan reads every line, checks it and lists the
// objects found on the pages of the selection dialog ("** " before those
// whose lines hold errors); the import reads the file again and writes the
// selected objects, each gathered whole from its lines first, then built
// under the temporary name and renamed over the stored one. The replace
// question and the progress go to callbacks; failures go to "import.log"
// and are counted there. No windows: the console and keelcli both run it.
#pragma once

#include <stdint.h>
#include <stdio.h>

#include "attrs/dictionary.h"
#include "transfer/import_object.h"
#include "transfer/rif_reader.h"
#include "transfer/selection_model.h"
#include "transfer/transfer_log.h"
#include "transfer/users_file_import.h"
#include "transfer/users_file_input.h"

#define IMPORT_LOG_HEADING "Importing data from file '%s'\r\n"
#define IMPORT_LOG_COUNT "%d Import Errors logged\r\n"

enum ImportOpenResult : uint8_t {
    IMPORT_OPENED,
    IMPORT_CANNOT_OPEN,   // the file, or the log, cannot be opened
    IMPORT_INVALID_FILE,  // the first line is not the version line: nothing was read further
};

// What happens to an object that is already in the database.
enum ReplaceMode : uint8_t {
    REPLACE_ASK,   // ask through the callback
    REPLACE_ALL,   // write it without asking
    REPLACE_NONE,  // leave it as it is
};

enum ReplaceAnswer : uint8_t {
    ANSWER_REPLACE,      // this one
    ANSWER_REPLACE_ALL,  // this one and every later one, without asking
    ANSWER_SKIP,
    ANSWER_STOP,  // Cancel: the import ends before this object
};

struct ImportCallbacks {
    // The object exists; `cls` is the class as a class line names it, the
    // object name converted from the OEM character set. Null: skip it.
    ReplaceAnswer (*ask_replace)(void* context, const char* cls, const char* object);
    // Before each object is written (the same two texts); may pump messages.
    void (*importing)(void* context, const char* cls, const char* object);
    void* context;
};

struct ImportResult {
    uint32_t written;   // objects and administrator entries written whole
    uint32_t partial;   // new objects created without a property that failed
    uint32_t kept;      // stored objects left as they were after a failure
    uint32_t skipped;   // existing objects not replaced (Skip, or REPLACE_NONE)
    uint32_t selected;  // entries selected on the pages
    bool stopped;       // Cancel ended the import
};

struct ImportRun {
    FILE* file;
    TransferLog log;
    const Dictionary* dictionary;
    SelectionModel pages;
    ImportObject object;
    RifReader reader;
    RifLevels levels;
    RifLine line;
    AttributeLine attribute;
    ReplaceMode mode;
    ImportCallbacks callbacks;
    ImportResult result;
    uint32_t scan_errors;  // counted by the scan, for its message
    uint32_t scan_warnings;
    // Set for a users file: its options (they must outlive the run), its
    // reading and the record read last.
    const UsersImportOptions* users;
    UsersFileInput users_input;
    UsersFileReader users_reader;
    ImportedUser users_user;
};

// Opens the file, checks its first line, and opens the log at `log_path`
// with its heading. On any result but IMPORT_OPENED nothing is left open.
ImportOpenResult import_open(ImportRun* run, const char* path, const char* log_path);
// The same for a users file (any first line), read with `options`; only
// its Users page is offered.
ImportOpenResult import_open_users_file(ImportRun* run, const char* path, const char* log_path,
                                        const UsersImportOptions* options);
// The scan: the pages filled from the file. `dictionary` checks the
// attribute names; without one (null or empty) the pages stay empty.
void import_scan(ImportRun* run, const Dictionary* dictionary);
// The import of what is selected on the pages; `dictionary` gives the value
// names. The counts are in run->log and run->result.
void import_selected(ImportRun* run, ReplaceMode mode, const ImportCallbacks& callbacks);
// Ends the log with the count and closes everything.
void import_close(ImportRun* run);

// The messages that close each phase, through the prompt interface: the
// scan's errors and warnings, and the import's (or that nothing was
// selected).
void import_tell_scan(const ImportRun* run, void* owner);
void import_tell_outcome(const ImportRun* run, void* owner);
