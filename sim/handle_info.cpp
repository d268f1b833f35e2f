// The small read-only services: statistics (2), access level (4), status
// text (6), products (8), keep-alive (9) and versions (11).
#include "sim/handlers.h"

namespace {

uint16_t statistics(HandlerContext* context, MessageBuffer* reply) {
    SimServer* server = context->server;
    uint32_t now = server_now_ms(server);
    std::map<uint16_t, SimCounter> counters = server->state.counters;
    counters[STATISTICS_UP_TIME];  // always reported
    std::string block;
    for (const auto& entry : counters) {
        uint8_t record[6];
        put_le16(record, entry.first);
        put_le32(record + 2, counter_value(entry.first, entry.second, now));
        block.append((const char*)record, sizeof record);
    }
    msg_put_bytes(reply, STATISTICS_TAG_COUNTERS, block.data(), (uint32_t)block.size());
    return SIM_STATUS_OK;
}

uint16_t status_text(HandlerContext* context, const Request& request, MessageBuffer* reply) {
    uint16_t capacity;
    if (!read_u16(find_item(request, STATUS_TEXT_TAG_CAPACITY), &capacity)) return SIM_STATUS_BAD_REQUEST;
    const std::string& text = context->server->state.status_text;
    // Room is left for the NUL the client puts after the text.
    uint32_t length = capacity > 0 ? capacity - 1u : 0u;
    if (text.size() < length) length = (uint32_t)text.size();
    msg_put_u16(reply, STATUS_TEXT_TAG_LENGTH, (uint16_t)length);
    msg_put_bytes(reply, STATUS_TEXT_TAG_TEXT, text.data(), length);
    return SIM_STATUS_OK;
}

uint16_t products(HandlerContext* context, MessageBuffer* reply) {
    const std::vector<SimProduct>& list = context->server->state.products;
    msg_put_u32(reply, PRODUCT_TAG_COUNT, (uint32_t)list.size());
    for (const SimProduct& product : list) {
        msg_put_bytes(reply, PRODUCT_TAG_NAME, product.name.c_str(), (uint32_t)product.name.size() + 1);
        msg_put_u32(reply, PRODUCT_TAG_VALUE, product.value);
        msg_put_bytes(reply, PRODUCT_TAG_END, "", 0);
    }
    return SIM_STATUS_OK;
}

uint16_t versions(HandlerContext* context, const Request& request, MessageBuffer* reply) {
    const SimState& state = context->server->state;
    switch (request.function) {
        case VERSION_OPTION_MASK: msg_put_u32(reply, VERSION_TAG_OPTION_MASK, state.option_mask); return SIM_STATUS_OK;
        case VERSION_SERVICE: msg_put_u32(reply, VERSION_TAG_VERSION, state.service_version); return SIM_STATUS_OK;
        case VERSION_CHECK_CONSOLE: {
            uint32_t console_version;
            if (!read_u32(find_item(request, VERSION_TAG_VERSION), &console_version)) return SIM_STATUS_BAD_REQUEST;
            // The required version goes back either way, for the refusal message.
            msg_put_u32(reply, VERSION_TAG_VERSION, state.required_console_version);
            return console_version >= state.required_console_version ? SIM_STATUS_OK : SIM_STATUS_DENIED;
        }
        default: return SIM_STATUS_UNKNOWN_REQUEST;
    }
}

}  // namespace

uint16_t handle_info(HandlerContext* context, const Request& request, MessageBuffer* reply) {
    uint16_t function = request.function;
    switch (request.service) {
        case SERVICE_STATISTICS:
            if (function == STATISTICS_GET) return statistics(context, reply);
            break;
        case SERVICE_ACCESS:
            if (function == ACCESS_GET_LEVEL) {
                msg_put_u16(reply, ACCESS_TAG_LEVEL, context->server->state.access_level);
                return SIM_STATUS_OK;
            }
            break;
        case SERVICE_STATUS_TEXT:
            if (function == STATUS_TEXT_GET) return status_text(context, request, reply);
            break;
        case SERVICE_PRODUCTS:
            if (function == PRODUCTS_GET) return products(context, reply);
            break;
        case SERVICE_KEEP_ALIVE:
            if (function == KEEP_ALIVE_SEND) return SIM_STATUS_OK;
            break;
        case SERVICE_VERSION: return versions(context, request, reply);
    }
    return SIM_STATUS_UNKNOWN_REQUEST;
}
