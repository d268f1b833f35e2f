// Service 10: the whole-server lock and named locks (rules in locks.h).
#include <chrono>

#include "sim/handlers.h"

namespace {

// Takes the lock, waiting up to `wait_ms` for its holder to let go.
uint16_t take_lock(HandlerContext* context, const char* name, uint32_t wait_ms) {
    SimServer* server = context->server;
    uint16_t result = lock_try(&server->locks, name, context->connection);
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(wait_ms);
    while (result == LOCK_HELD_BY_OTHER && !server->stopping) {
        bool timed_out = server->changed.wait_until(*context->guard, deadline) == std::cv_status::timeout;
        result = lock_try(&server->locks, name, context->connection);
        if (timed_out) break;
    }
    return result;
}

}  // namespace

uint16_t handle_locks(HandlerContext* context, const Request& request, MessageBuffer* reply) {
    if (request.function != LOCK_TAKE && request.function != LOCK_RELEASE) return SIM_STATUS_UNKNOWN_REQUEST;
    uint16_t scope;
    if (!read_u16(find_item(request, LOCK_TAG_SCOPE), &scope)) return SIM_STATUS_BAD_REQUEST;
    std::string name;
    if (scope == LOCK_SCOPE_NAMED) {
        if (!read_text(find_item(request, LOCK_TAG_NAME), &name)) return SIM_STATUS_BAD_REQUEST;
    } else if (scope != LOCK_SCOPE_SERVER) {
        return SIM_STATUS_BAD_REQUEST;
    }
    const char* lock_name = scope == LOCK_SCOPE_NAMED ? name.c_str() : nullptr;
    uint32_t wait_ms = 0;
    const RequestItem* wait_item = find_item(request, LOCK_TAG_WAIT);
    if (wait_item && !read_u32(wait_item, &wait_ms)) return SIM_STATUS_BAD_REQUEST;
    uint32_t cap = context->server->lock_wait_cap_ms;
    if (cap != 0 && wait_ms > cap) wait_ms = cap;

    uint16_t result;
    if (request.function == LOCK_TAKE) {
        result = take_lock(context, lock_name, wait_ms);
    } else {
        result = lock_release(&context->server->locks, lock_name, context->connection);
        if (result == LOCK_RELEASED) context->server->changed.notify_all();
    }
    msg_put_u16(reply, LOCK_TAG_RESULT, result);
    return SIM_STATUS_OK;
}
