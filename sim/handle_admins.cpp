// Service 3: the administrators, user accounts and groups, all at level 2.
#include "sim/handlers.h"
#include "sim/names_block.h"

namespace {

const uint16_t KIND_USER = 0;
const uint16_t KIND_GROUP = 1;
const uint16_t LEVEL_NONE = 0;
const uint16_t LEVEL_ADMINISTRATOR = 2;

std::set<std::string>* admins_of_kind(SimState* state, uint16_t kind) {
    if (kind == KIND_USER) return &state->admin_users;
    if (kind == KIND_GROUP) return &state->admin_groups;
    return nullptr;
}

uint16_t enumerate(HandlerContext* context, const Request& request, MessageBuffer* reply) {
    std::string after;
    uint16_t kind, level, capacity;
    if (!read_u16(find_item(request, ADMIN_TAG_KIND), &kind) ||
        !read_u16(find_item(request, ADMIN_TAG_LEVEL), &level) ||
        !read_u16(find_item(request, ADMIN_TAG_CAPACITY), &capacity)) {
        return SIM_STATUS_BAD_REQUEST;
    }
    // No name, or an empty one, starts from the beginning.
    read_text(find_item(request, ADMIN_TAG_NAME), &after);
    std::set<std::string>* admins = admins_of_kind(&context->server->state, kind);
    if (!admins) return SIM_STATUS_BAD_REQUEST;
    static const std::set<std::string> NOBODY;
    // Every administrator holds level 2; no one is listed at another level.
    const std::set<std::string>& listed = level == LEVEL_ADMINISTRATOR ? *admins : NOBODY;

    const uint32_t overhead = 4 + 6 + 6;
    uint32_t room = reply_room(reply);
    uint32_t limit = room > overhead ? room - overhead : 0;
    if (capacity < limit) limit = capacity;
    auto first = after.empty() ? listed.begin() : listed.upper_bound(after);
    NamesBlock block = pack_names(
        first, listed.end(), [](const std::string& s) -> const std::string& { return s; }, limit);
    msg_put_bytes(reply, ADMIN_TAG_NAMES, block.bytes.data(), (uint32_t)block.bytes.size());
    msg_put_u16(reply, ADMIN_TAG_LENGTH, (uint16_t)block.bytes.size());
    msg_put_u16(reply, ADMIN_TAG_MORE, block.more ? 1 : 0);
    return SIM_STATUS_OK;
}

uint16_t set_admin(HandlerContext* context, const Request& request) {
    std::string name;
    uint16_t kind, level;
    if (!read_text(find_item(request, ADMIN_TAG_NAME), &name) || name.empty() ||
        !read_u16(find_item(request, ADMIN_TAG_KIND), &kind) ||
        !read_u16(find_item(request, ADMIN_TAG_LEVEL), &level)) {
        return SIM_STATUS_BAD_REQUEST;
    }
    std::set<std::string>* admins = admins_of_kind(&context->server->state, kind);
    if (!admins) return SIM_STATUS_BAD_REQUEST;
    if (level == LEVEL_ADMINISTRATOR) {
        if (admins->insert(name).second) context->changed = true;
        return SIM_STATUS_OK;
    }
    if (level == LEVEL_NONE) {
        if (!admins->erase(name)) return SIM_STATUS_NOT_FOUND;
        context->changed = true;
        return SIM_STATUS_OK;
    }
    return SIM_STATUS_BAD_REQUEST;
}

}  // namespace

uint16_t handle_admins(HandlerContext* context, const Request& request, MessageBuffer* reply) {
    switch (request.function) {
        case ADMIN_ENUMERATE: return enumerate(context, request, reply);
        case ADMIN_SET: return set_admin(context, request);
        default: return SIM_STATUS_UNKNOWN_REQUEST;
    }
}
