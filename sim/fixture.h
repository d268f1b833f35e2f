// Reading and writing the server's state in the fixture format of README.md.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <string>

#include "sim/sim.h"
#include "sim/state.h"

// Applies the statements of `text` to *state. Dictionary files are read
// relative to `base_dir` ("" = the current directory). Counters set here start
// counting at `now_ms`. On failure returns 3 with the line in *error; *state
// may then be half changed, so callers apply to a copy.
uint16_t fixture_apply(SimState* state, const char* text, size_t length, const std::string& base_dir, uint32_t now_ms,
                       std::string* error);

// Loads a fixture file over *state: 0, 1 when the file cannot be read, 3 when
// it is not understood.
uint16_t fixture_load_file(SimState* state, const char* path, std::string* error);

// The state as fixture text; counters are written with their values at `now_ms`.
std::string fixture_text(const SimState& state, uint32_t now_ms);

// Writes fixture_text to `path` through a temporary file in the same
// directory and a rename, so a reader never sees half a file. 0, or 3.
uint16_t fixture_save_file(const SimState& state, uint32_t now_ms, const char* path, std::string* error);

// The directory part of a path ("" when it has none), with its separator.
std::string directory_of(const std::string& path);

// Reads a dictionary file (attribute and value statements): 0, 1 when the
// file cannot be read, 3 when it is not understood.
uint16_t dictionary_load_file(const char* path, SimDictionary* dictionary, std::string* error);
// The same from text in memory.
uint16_t dictionary_parse(const char* text, size_t length, SimDictionary* dictionary, std::string* error);
