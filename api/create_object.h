// Building a new or rewritten object: it is assembled under the temporary
// name and renamed only when complete, so a name never shows a half-built
// object; a leftover temporary object is removed by the next creation.
#pragma once

#include <stdint.h>

// Writes the object's properties onto (cls, TEMP_OBJECT_NAME); returns the
// first failing status, or 0.
typedef uint16_t (*WriteProperties)(void* context, const char* cls, const char* temp_name);

// How the removal of a leftover temporary object counts: some callers stop
// when it fails, others go on to the creation (which then fails itself if
// the leftover is still there).
enum TempDeleteRule { TEMP_DELETE_MUST_SUCCEED, TEMP_DELETE_IGNORE_RESULT };

// What becomes of the half-built object when writing a property fails: most
// callers leave it for the next creation to remove; a rewrite of attribute
// lists removes it at once.
enum TempWriteFailureRule { TEMP_KEEP_AFTER_WRITE_FAILURE, TEMP_DELETE_AFTER_WRITE_FAILURE };

// The step at which a creation failed, for callers that log each step in
// its own words.
enum BuildStep : uint8_t { BUILD_OK, BUILD_LOCK, BUILD_TEMP_OBJECT, BUILD_WRITE, BUILD_RENAME };

// The steps inside an already held server lock: delete the temporary object,
// create it, write the properties, rename it to `final_name`.
uint16_t build_object(const char* cls, const char* final_name, WriteProperties write, void* context,
                      TempDeleteRule rule, TempWriteFailureRule on_write_failure = TEMP_KEEP_AFTER_WRITE_FAILURE,
                      BuildStep* failed_step = nullptr);
// The same bracketed by lock_server and unlock_server; the lock's own
// failure is returned without any other request.
uint16_t create_object(const char* cls, const char* final_name, WriteProperties write, void* context,
                       TempDeleteRule rule, TempWriteFailureRule on_write_failure = TEMP_KEEP_AFTER_WRITE_FAILURE,
                       BuildStep* failed_step = nullptr);
