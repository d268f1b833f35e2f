// The ".rif" file being written: lines with CR LF, and whether any write
// has failed (a full disk, a target that went away), after which nothing
// more is written.
#pragma once

#include <stdint.h>
#include <stdio.h>

struct RifOutput {
    FILE* file;
    bool failed;
};

// Creates (or truncates) `path` and writes the version line. False when the
// file cannot be created or the line not written.
bool rif_output_create(RifOutput* output, const char* path);
// `length` bytes of `text`, then CR LF.
void rif_output_line(RifOutput* output, const char* text, uint32_t length);
// Bytes already ending in CR LF (whole lines gathered elsewhere).
void rif_output_bytes(RifOutput* output, const char* bytes, uint32_t length);
// Flushes and closes; false when any write failed, now or before.
bool rif_output_close(RifOutput* output);

#define RIF_VERSION_LINE "Radius Import Export Version 1.0"
