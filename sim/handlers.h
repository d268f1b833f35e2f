// One handler per service. Each reads the request, writes its answer items
// into `reply` after the header and returns the status for header word 0.
// They run with the server mutex held (`guard`).
#pragma once

#include <stdint.h>

#include <mutex>

#include "api/codec.h"
#include "api/protocol.h"
#include "sim/request.h"
#include "sim/server.h"

// The statuses this server answers with; the client's own are apart, in api/status.h.
const uint16_t SIM_STATUS_OK = 0;
const uint16_t SIM_STATUS_DENIED = 2;
const uint16_t SIM_STATUS_BAD_REQUEST = 3;
const uint16_t SIM_STATUS_EXISTS = 5;
const uint16_t SIM_STATUS_NOT_FOUND = 7;
const uint16_t SIM_STATUS_TOO_LARGE = 101;
const uint16_t SIM_STATUS_UNKNOWN_REQUEST = 105;

struct HandlerContext {
    SimServer* server;
    uint32_t connection;
    std::unique_lock<std::mutex>* guard;
    bool changed;  // set when the store, administrators or sessions changed
};

uint16_t handle_database(HandlerContext* context, const Request& request, MessageBuffer* reply);
uint16_t handle_admins(HandlerContext* context, const Request& request, MessageBuffer* reply);
uint16_t handle_dictionary(HandlerContext* context, const Request& request, MessageBuffer* reply);
uint16_t handle_sessions(HandlerContext* context, const Request& request, MessageBuffer* reply);
uint16_t handle_locks(HandlerContext* context, const Request& request, MessageBuffer* reply);
// Statistics, access level, status text, products, keep-alive, versions.
uint16_t handle_info(HandlerContext* context, const Request& request, MessageBuffer* reply);

// Bytes left for items, keeping room for the terminator.
inline uint32_t reply_room(const MessageBuffer* reply) {
    uint32_t used = (uint32_t)reply->position + 2;
    return used < reply->capacity ? reply->capacity - used : 0;
}
