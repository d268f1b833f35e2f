// The small read-only services: statistics (2), access level (4), status
// text (6), products (8), keep-alive (9) and versions (11).
#include "sim/handlers.h"

namespace {

uint16_t statistics(HandlerContext* context, MessageBuffer* reply) {
    SimServer* server = context->server;
    uint32_t now = server_now_ms(server);
    std::map<uint16_t, SimCounter> counters = server->state.counters;
    counters[0];  // the up time is always reported
    std::string block;
    for (const auto& entry : counters) {
        uint8_t record[6];
        put_le16(record, entry.first);
        put_le32(record + 2, counter_value(entry.first, entry.second, now));
        block.append((const char*)record, sizeof record);
    }
    msg_put_bytes(reply, 3, block.data(), (uint32_t)block.size());
    return STATUS_OK;
}

uint16_t status_text(HandlerContext* context, const Request& request, MessageBuffer* reply) {
    uint16_t capacity;
    if (!read_u16(find_item(request, 2), &capacity)) return STATUS_BAD_REQUEST;
    const std::string& text = context->server->state.status_text;
    // Room is left for the NUL the client puts after the text.
    uint32_t length = capacity > 0 ? capacity - 1u : 0u;
    if (text.size() < length) length = (uint32_t)text.size();
    msg_put_u16(reply, 2, (uint16_t)length);
    msg_put_bytes(reply, 3, text.data(), length);
    return STATUS_OK;
}

uint16_t products(HandlerContext* context, MessageBuffer* reply) {
    const std::vector<SimProduct>& list = context->server->state.products;
    msg_put_u32(reply, 1, (uint32_t)list.size());
    for (const SimProduct& product : list) {
        msg_put_bytes(reply, 5, product.name.c_str(), (uint32_t)product.name.size() + 1);
        msg_put_u32(reply, 10, product.value);
        msg_put_bytes(reply, 9, "", 0);
    }
    return STATUS_OK;
}

uint16_t versions(HandlerContext* context, const Request& request, MessageBuffer* reply) {
    const SimState& state = context->server->state;
    switch (request.function) {
    case 1:
        msg_put_u32(reply, 2, state.option_mask);
        return STATUS_OK;
    case 2:
        msg_put_u32(reply, 3, state.service_version);
        return STATUS_OK;
    case 3: {
        uint32_t console_version;
        if (!read_u32(find_item(request, 3), &console_version)) return STATUS_BAD_REQUEST;
        // The required version goes back either way, for the refusal message.
        msg_put_u32(reply, 3, state.required_console_version);
        return console_version >= state.required_console_version ? STATUS_OK : STATUS_DENIED;
    }
    default:
        return STATUS_UNKNOWN_REQUEST;
    }
}

}  // namespace

uint16_t handle_info(HandlerContext* context, const Request& request, MessageBuffer* reply) {
    uint16_t function = request.function;
    switch (request.service) {
    case 2:
        if (function == 1) return statistics(context, reply);
        break;
    case 4:
        if (function == 5) {
            msg_put_u16(reply, 4, context->server->state.access_level);
            return STATUS_OK;
        }
        break;
    case 6:
        if (function == 1) return status_text(context, request, reply);
        break;
    case 8:
        if (function == 2) return products(context, reply);
        break;
    case 9:
        if (function == 1) return STATUS_OK;
        break;
    case 11:
        return versions(context, request, reply);
    }
    return STATUS_UNKNOWN_REQUEST;
}
