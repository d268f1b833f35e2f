// keelsim, the reference server of the API pipe, as a library: tests run it
// on threads of their own process, main.cpp runs it as a program.
//
// Natively the server listens on the SOCK_SEQPACKET socket that
// pipe_socket_path() gives for "\\HOST\pipe\RADIUS Server API"; on Windows it
// serves the named pipe "\\.\pipe\RADIUS Server API". Every connection gets
// its own thread; the state is shared under one mutex.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

struct SimServer;

struct SimOptions {
    const char* fixture_path = nullptr;  // null: start from an empty state
    bool save = false;                   // write the state back to fixture_path after each change and at stop
    const char* host = nullptr;          // socket name's host part; null: this computer (ignored on Windows)
    uint32_t lock_wait_cap_ms = 0;       // longest lock wait granted; 0: the wait the request asks for
    std::string* error = nullptr;        // receives why sim_start failed, when not null
};

enum SimFaultKind : uint16_t {
    SIM_FAULT_FAIL = 1,      // answer the status in `value`, without running the request
    SIM_FAULT_DROP = 2,      // close the connection instead of answering, without running the request
    SIM_FAULT_TRUNCATE = 3,  // run the request, send only the first `value` bytes of the answer
    SIM_FAULT_DELAY = 4,     // run the request, answer `value` ms late
};

struct SimFault {
    uint16_t service = 0;
    uint16_t function = 0;  // 0: any function of the service
    uint32_t nth = 1;       // fires on the nth matching request after it was armed, counted over all connections
    SimFaultKind kind = SIM_FAULT_FAIL;
    uint32_t value = 0;
};

// Statuses of the server's own operations; the answers it sends use those
// of handlers.h.
const uint16_t SIM_FILE_UNREADABLE = 1;  // a fixture or dictionary file cannot be read
const uint16_t SIM_NOT_UNDERSTOOD = 3;   // a fixture, dictionary file or fault text is malformed
const uint16_t SIM_CANNOT_LISTEN = 104;  // another server holds the name, or the socket failed
const uint16_t SIM_CANNOT_SAVE = 3;

// 0 when listening, or one of the statuses above.
uint16_t sim_start(const SimOptions& options, SimServer** out);
// Closes every connection, joins every thread, saves when asked, frees the server.
void sim_stop(SimServer* server);
// The socket path or pipe name the server listens on.
const char* sim_listen_name(const SimServer* server);

// Applies fixture statements at run time ("access-level 0", "session user=...").
// All or nothing: 0, or 3 with nothing changed (the reason in *error).
uint16_t sim_apply(SimServer* server, const char* fixture_text, std::string* error = nullptr);

// Arms a fault. Faults fire once; several armed at once count independently.
void sim_inject_fault(SimServer* server, const SimFault& fault);
// Parses "SERVICE:FUNCTION:N:ACTION" (ACTION: fail=STATUS, drop, truncate=BYTES,
// delay=MS) into *fault; false when the text is malformed.
bool sim_parse_fault(const char* text, SimFault* fault);
// sim_parse_fault then sim_inject_fault: 0, or 3 when the text is malformed.
uint16_t sim_add_fault(SimServer* server, const char* text);

// Requests received since start, malformed ones included; function 0 counts
// every function of the service.
uint32_t sim_request_count(SimServer* server, uint16_t service, uint16_t function);

// Direct looks into the store, for tests.
bool sim_get_property(SimServer* server, const char* cls, const char* obj, const char* prop, std::string* value);
bool sim_object_exists(SimServer* server, const char* cls, const char* obj);
std::vector<std::string> sim_object_names(SimServer* server, const char* cls);
