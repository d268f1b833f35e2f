// The server record shared by the portable core and the platform listeners.
#pragma once

#include <stdint.h>

#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "sim/faults.h"
#include "sim/locks.h"
#include "sim/sim.h"
#include "sim/state.h"

struct SimListener;  // the platform's accept loop and connections

struct SimServer {
    std::string fixture_path;
    std::string base_dir;  // dictionary files named at run time are relative to it
    bool save = false;
    std::string host;
    uint32_t lock_wait_cap_ms = 0;
    uint32_t start_tick = 0;
    std::string listen_name;
    SimListener* listener = nullptr;

    // Everything below is guarded by `mutex`; `changed` is signalled when a
    // lock is released and when the server stops.
    std::mutex mutex;
    std::condition_variable changed;
    bool stopping = false;
    SimState state;
    LockTable locks;
    std::vector<ArmedFault> faults;
    std::map<uint32_t, uint32_t> request_counts;  // service << 16 | function
    uint32_t next_connection = 1;
};

// Milliseconds since the server started.
uint32_t server_now_ms(const SimServer* server);

// Writes the state to the fixture when saving was asked; call with the mutex held.
void server_save_locked(SimServer* server);

// What the listeners call for each connection.
uint32_t connection_opened(SimServer* server);
enum ServeAction { SERVE_ANSWER, SERVE_DROP };
// Answers one request. `oversized` says the message was longer than the
// buffer and only its first `length` bytes were kept. *reply receives the
// bytes to send unless the answer is SERVE_DROP.
ServeAction serve_request(SimServer* server, uint32_t connection, const uint8_t* request, uint32_t length,
                          bool oversized, std::vector<uint8_t>* reply);
void connection_closed(SimServer* server, uint32_t connection);

// The platform part: listening when listener_start returns 0 (and
// server->listen_name set); listener_stop closes every connection and joins
// every thread.
uint16_t listener_start(SimServer* server, SimListener** out, std::string* error);
void listener_stop(SimListener* listener);
