// The pipe session: one open pipe to the server's API, the one current
// session of the process, the shared request and response buffers, the
// exchange every request goes through, and the idle keep-alive.
#pragma once

#include <stdint.h>

#include "api/codec.h"
#include "platform/transport.h"

#define SERVER_PIPE_NAME "RADIUS Server API"

struct PipeSession {
    TransportConnection* handle;
    MessageBuffer* last_response;  // set by a successful exchange, cleared when received
    uint32_t bytes_read;           // 0 until an exchange completes
};

// A server name as typed, without the "\\" a UNC-minded administrator may
// put before it.
const char* bare_server_name(const char* name);

// Opens "\\SERVER\pipe\RADIUS Server API", or "\\.\pipe\..." without a server;
// leading backslashes of `server` are dropped.
// Returns 0, 104 or 113.
uint16_t session_open(const char* server, PipeSession** out);
void session_close(PipeSession* session);
uint16_t session_transact(PipeSession* session, MessageBuffer* request, MessageBuffer* response);
uint16_t session_receive(PipeSession* session, MessageBuffer** response);

PipeSession* current_session();
// Makes `session` current, closing any previous one.
void set_current_session(PipeSession* session);
// Closes and forgets the current session, then runs the disconnect hook.
void disconnect();
// Called after every disconnect (the connection panel zeroes its access level).
void set_disconnect_hook(void (*hook)());

// Starts a request in the shared request buffer: both buffers are reset and
// the header (0, service, function) is written. Add items, then api_exchange.
MessageBuffer* api_begin(uint16_t service, uint16_t function);
// Ends the request, runs one exchange on the current session and receives
// its response (repeating while the transport says 0x8000). Returns the
// exchange status; on 0 `*response` is ready to be parsed. A request that
// overflowed its buffer is not sent and returns 106.
uint16_t api_exchange(MessageBuffer** response);

// Sends a keep-alive when the current session has been idle more than 30 s.
void keep_alive_if_idle();
const uint32_t KEEP_ALIVE_IDLE_MS = 30000;

// Seams for tests: another transport, a fake clock. Null restores the default.
void session_set_transport(const Transport* transport);
void session_set_tick_source(uint32_t (*ticks)());
// Closes any session without running the hook and restores every default.
void session_reset();
