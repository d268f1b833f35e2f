// The parts of an import run (internal to the engine): the walk over the
// file that both phases share, and the writing of what it gathered.
#pragma once

#include "transfer/import_engine.h"

enum ImportPhase : uint8_t { PHASE_SCAN, PHASE_IMPORT };

// Reads the file from its second line to the end (or to Cancel).
void walk_file(ImportRun* run, ImportPhase phase);
// The same over a users file: its records, each listed on the Users page,
// or read again and written when selected.
void walk_users_file(ImportRun* run, ImportPhase phase);

// Whether an object may be written: when it exists and the mode says so,
// the replace question decides (Replace All changes the mode, Cancel stops
// the run, Skip counts it). WRITE_CHECK_FAILED: the existence check failed
// and the caller logs it in its own words.
enum WriteDecision : uint8_t { WRITE_IT, WRITE_NOT, WRITE_CHECK_FAILED };
WriteDecision decide_write(ImportRun* run, const char* cls, const char* name, const char* shown_class,
                           const char* shown_object, bool* exists);

// Writes run->object: the existence check and replace question, then the
// temporary object built and renamed under the server lock.
void write_object(ImportRun* run);
// One administrator entry: `kind` "User" or "Group", `account` its name.
void write_access_entry(ImportRun* run, const char* kind, const char* account, uint32_t line);

// The class and object as the replace prompt and progress show them.
void shown_names(const char* cls, const char* object, char* shown_class, uint32_t class_size, char* shown_object,
                 uint32_t object_size);
