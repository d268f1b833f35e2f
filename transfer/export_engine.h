// Export of the server's database to a ".rif" file: the chosen parts, in
// the fixed order of the steps (clients, users, profiles, proxies, other
// data, address pools), each object read under the server lock and written
// whole or not at all. Progress goes to a callback; failures go to the log
// and are counted there. No windows: the console and keelcli both run it.
#pragma once

#include <stdint.h>

#include "attrs/dictionary.h"
#include "transfer/rif_output.h"
#include "transfer/transfer_log.h"

struct NameList;

#define MESSAGES_CLASS "Messages"
#define POLICY_CLASS "Policy"

// The object names of a class, sorted, under the server lock.
uint16_t list_class_objects(const char* cls, NameList* names);

// What can be chosen for export. Messages, Configuration and Access are the
// entries of the Other Data page.
enum ExportPart : uint8_t {
    EXPORT_CLIENTS,
    EXPORT_USERS,
    EXPORT_PROFILES,
    EXPORT_PROXIES,
    EXPORT_POOLS,
    EXPORT_MESSAGES,
    EXPORT_CONFIGURATION,
    EXPORT_ACCESS,
    EXPORT_PART_COUNT,
};

struct ExportSelection {
    bool parts[EXPORT_PART_COUNT];
    // Whether one object of a chosen part is exported; null: every object.
    bool (*object_selected)(void* context, ExportPart part, const char* cls, const char* object);
    void* context;
};

struct ExportProgress {
    const char* step;    // "Exporting Users", "Access (User)", ...
    const char* object;  // the object being read, "" between objects
    uint32_t done;       // objects written or failed so far
    uint32_t total;      // objects chosen, counted before the first step
};

struct ExportCallbacks {
    // Called before each object; may pump the window messages.
    void (*progress)(void* context, const ExportProgress& progress);
    void* context;
};

struct ExportResult {
    uint32_t objects;   // written whole
    bool write_failed;  // the export stopped at a failed write
};

// Writes the chosen objects after the version line already in `output`,
// using `dictionary` for the value names. Every failure is logged in `log`
// and counted in log->errors.
void export_database(const ExportSelection& selection, const Dictionary* dictionary, RifOutput* output,
                     TransferLog* log, const ExportCallbacks& callbacks, ExportResult* result);

// The whole run as both front ends do it: the file created, the log
// "export.log" opened for appending with its heading, the export, the
// file closed and the count written. A file that cannot be created or
// written is logged as "Error: Unable to write to file" and counted.
void export_to_file(const char* path, const ExportSelection& selection, const Dictionary* dictionary,
                    const char* log_path, const ExportCallbacks& callbacks, ExportResult* result, uint32_t* errors);
