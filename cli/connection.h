// Reaching the server and being admitted by it, as the console's Servers
// panel does: the pipe opened by computer name, then the version checks in
// both directions and the access level.
#pragma once

#include <stdint.h>

#include <string>

#include "api/admission.h"

struct Output;

// Where --server points.
struct ServerTarget {
    bool local_form;  // "\\.\pipe\...": --server "."
    char name[256];   // the computer whose pipe is opened; "" with local_form
};

const uint32_t SERVER_NAME_MAX = 127;  // as the console's server field

// Without an option: this computer by name, as the console's Local mode.
// Leading backslashes are dropped ("\\HOST" as Windows writes it). An empty
// name, one over 127 characters, or one holding "\" or "/" is refused.
bool resolve_server(const char* option, ServerTarget* target, std::string* error);
// Opens the session and makes it current; a failure is reported and gives
// EXIT_CONNECT.
int open_connection(const ServerTarget& target, Output* output);
void close_connection();

// The console's note on a refusal, or "Connected to Radius service v01.30.00"
// when admitted.
std::string admission_text(const Admission& admission);
