// The message transport under the pipe session: a reliable, message-preserving
// channel to the server's API pipe. Win32 uses the named pipe itself; POSIX
// uses a SOCK_SEQPACKET Unix socket standing in for it.
#pragma once

#include <stdint.h>

struct TransportConnection;

// The statuses a transport returns besides 0; the session passes them on.
const uint16_t TRANSPORT_FAILED = 104;   // cannot open, switch to message mode, or exchange
const uint16_t TRANSPORT_REFUSED = 113;  // the open was refused: access denied or a logon failure

struct Transport {
    // Opens the pipe by its full name ("\\HOST\pipe\NAME" or "\\.\pipe\NAME").
    // Returns 0, 113 when the open was refused (access denied or a logon
    // failure), or 104 for any other failure.
    uint16_t (*open)(const char* pipe_name, TransportConnection** out);
    // One request/response transaction. Returns 0 with the response length in
    // *bytes_read, or 104 (including a response larger than the capacity).
    uint16_t (*transact)(TransportConnection* connection, const uint8_t* request, uint32_t request_length,
                         uint8_t* response, uint32_t response_capacity, uint32_t* bytes_read);
    // For transports that deliver a response in pieces: 0x8000 while more of
    // the last response is still to come, 0 when it is complete, 104 on
    // failure. May be null (the response is complete when transact returns).
    uint16_t (*receive)(TransportConnection* connection, uint32_t* bytes_read);
    void (*close)(TransportConnection* connection);
};

// The transport of this platform.
const Transport* platform_transport();

// Where the POSIX transport keeps its socket files: $KEEL_PIPE_DIR or /tmp.
// The socket file of a pipe name is "<dir>/<HOST>@<NAME>", the host upper-cased
// and "." meaning this computer. Fills `path` (NUL-terminated) and returns
// false when the name is malformed or the path does not fit.
bool pipe_socket_path(const char* pipe_name, char* path, uint32_t path_size);
