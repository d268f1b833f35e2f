// The state of one export while it runs, shared by the step and the
// writers of each kind of object (internal to the engine).
#pragma once

#include <stdint.h>

#include "transfer/export_engine.h"
#include "transfer/object_text.h"
#include "transfer/rif_format.h"

struct ExportRun {
    const ExportSelection* selection;
    const Dictionary* dictionary;
    RifOutput* output;
    TransferLog* log;
    const ExportCallbacks* callbacks;
    ExportResult* result;
    ExportProgress progress;
    uint8_t* value;       // one property value as read (VALUE_AREA_SIZE)
    uint32_t value_size;  // capacity of `value`
    ObjectText lines;     // the lines of the object being read
    char line[RIF_LINE_SIZE];
};

// Writes one object's properties into run->lines; false when the object
// is not to be written (the failure is logged).
typedef bool (*ObjectWriter)(ExportRun* run, const char* cls, const char* object);

bool write_plain_object(ExportRun* run, const char* cls, const char* object);
bool write_attribute_object(ExportRun* run, const char* cls, const char* object);
bool write_pool_object(ExportRun* run, const char* cls, const char* object);
// The administrators under the class line "Access".
void export_access(ExportRun* run);

// The log lines for a value left out of the file, with its length.
void log_value_too_long(ExportRun* run, const char* cls, const char* object, const char* property, uint32_t length);
// Adds run->line to the object's lines; false (logged) when memory runs out.
bool add_line(ExportRun* run, const char* cls, const char* object);
// Adds the line, or logs a value too long for one: the result of the
// line builder decides.
bool add_built_line(ExportRun* run, bool built, const char* cls, const char* object, const char* property,
                    uint32_t length);
void report_progress(ExportRun* run, const char* object);
