// One request in, one answer out: counting, faults, the handler of the
// service, and the final shape of the answer.
#include <stdio.h>

#include <chrono>

#include "api/codec.h"
#include "platform/ticks.h"
#include "sim/fixture.h"
#include "sim/handlers.h"

uint32_t server_now_ms(const SimServer* server) { return tick_count() - server->start_tick; }

void server_save_locked(SimServer* server) {
    if (!server->save || server->fixture_path.empty()) return;
    std::string error;
    if (fixture_save_file(server->state, server_now_ms(server), server->fixture_path.c_str(), &error) != 0)
        fprintf(stderr, "keelsim: %s\n", error.c_str());
}

uint32_t connection_opened(SimServer* server) {
    std::lock_guard<std::mutex> guard(server->mutex);
    uint32_t id = server->next_connection++;
    if (server->next_connection == 0) server->next_connection = 1;  // 0 marks a free lock
    return id;
}

void connection_closed(SimServer* server, uint32_t connection) {
    std::lock_guard<std::mutex> guard(server->mutex);
    lock_release_all(&server->locks, connection);
    server->changed.notify_all();
}

static uint16_t run_handler(HandlerContext* context, const Request& request, MessageBuffer* reply) {
    switch (request.service) {
        case SERVICE_DATABASE: return handle_database(context, request, reply);
        case SERVICE_ADMIN: return handle_admins(context, request, reply);
        case SERVICE_DICTIONARY: return handle_dictionary(context, request, reply);
        case SERVICE_CURRENT_USERS: return handle_sessions(context, request, reply);
        case SERVICE_LOCK: return handle_locks(context, request, reply);
        case SERVICE_STATISTICS:
        case SERVICE_ACCESS:
        case SERVICE_STATUS_TEXT:
        case SERVICE_PRODUCTS:
        case SERVICE_KEEP_ALIVE:
        case SERVICE_VERSION: return handle_info(context, request, reply);
        default: return SIM_STATUS_UNKNOWN_REQUEST;
    }
}

ServeAction serve_request(SimServer* server, uint32_t connection, const uint8_t* data, uint32_t length, bool oversized,
                          std::vector<uint8_t>* reply_bytes) {
    Request request;
    bool well_formed = parse_request(data, length, &request) && !oversized;
    bool has_header = length >= MSG_HEADER_SIZE;

    std::unique_lock<std::mutex> guard(server->mutex);
    FaultOutcome outcome;
    if (has_header) {
        ++server->request_counts[(uint32_t)request.service << 16 | request.function];
        outcome = faults_take(&server->faults, request.service, request.function);
    }

    reply_bytes->assign(MSG_BUFFER_SIZE, 0);
    MessageBuffer reply;
    msg_init(&reply, reply_bytes->data(), MSG_BUFFER_SIZE);
    msg_put_header(&reply, 0, request.service, request.function);
    uint16_t status;
    if (outcome.kind == SIM_FAULT_FAIL) {
        status = (uint16_t)outcome.value;
    } else if (outcome.kind == SIM_FAULT_DROP) {
        status = 0;
    } else if (!well_formed) {
        status = SIM_STATUS_BAD_REQUEST;
    } else {
        HandlerContext context = {server, connection, &guard, false};
        status = run_handler(&context, request, &reply);
        if (context.changed) server_save_locked(server);
        if (reply.overflowed || reply.position + 2u > reply.capacity) {
            msg_put_header(&reply, 0, request.service, request.function);
            status = SIM_STATUS_TOO_LARGE;
        }
    }
    put_le16(reply_bytes->data(), status);
    msg_put_end(&reply);
    reply_bytes->resize(reply.position);
    if (outcome.kind == SIM_FAULT_TRUNCATE && outcome.value < reply_bytes->size()) reply_bytes->resize(outcome.value);

    if (outcome.delay_ms > 0) {
        server->changed.wait_for(guard, std::chrono::milliseconds(outcome.delay_ms),
                                 [server] { return server->stopping; });
    }
    return outcome.kind == SIM_FAULT_DROP ? SERVE_DROP : SERVE_ANSWER;
}
