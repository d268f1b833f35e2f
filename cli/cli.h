// keelcli: the server API from the command line. One invocation opens the
// session, runs one command and closes it again.
#pragma once

#include <stdint.h>

#include <string>

// Exit statuses, so scripts can tell a refusal from a typing error.
const int EXIT_OK = 0;
const int EXIT_NO = 1;       // `exists` answered no
const int EXIT_USAGE = 2;    // bad command line; nothing was sent
const int EXIT_CONNECT = 3;  // no connection, or the service and this client do not accept each other
const int EXIT_FAILED = 4;   // a request failed, or the panels' rules refused a value; the reason is on stderr

// What a command prints; the program writes it out when the command ends.
struct Output {
    std::string out;
    std::string err;
};

// "keelcli: CONTEXT (0007: record not found)" on the error stream.
void report_failure(Output* output, const std::string& context, uint16_t status);
// The same for a failed request; returns EXIT_FAILED.
int request_failed(Output* output, const std::string& context, uint16_t status);
// "keelcli: TEXT" on the error stream.
void report_error(Output* output, const std::string& text);

// The whole program: parse, connect, run, disconnect. Returns the exit status.
int keelcli_main(int argc, char** argv, Output* output);
