// Reaching the server and being admitted by it, as the console's Servers
// panel does: the pipe opened by computer name, then the version checks in
// both directions and the access level.
#pragma once

#include <stdint.h>

#include <string>

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

enum AdmissionVerdict { ADMITTED, SERVICE_OUT_OF_DATE, CONSOLE_REFUSED, INSUFFICIENT_RIGHTS };

struct Admission {
    uint32_t service_version;  // 0 when the request failed, as the console takes it
    bool console_checked;
    uint16_t console_status;  // nonzero: the service refuses this client's version
    bool has_required;
    uint32_t required_version;  // the client version the service asks for
    bool level_read;
    uint16_t access_level;  // 0 when the request failed
    AdmissionVerdict verdict;
};

// The console's steps, stopping at the first refusal.
void check_admission(Admission* admission);
// The console's texts: "Radius service v01.29.00 out of date (...)", "...
// requires v... admin (this is v...)", "Connected to Radius service v...
// (insufficient rights)", or "Connected to Radius service v01.30.00" when admitted.
std::string admission_text(const Admission& admission);
