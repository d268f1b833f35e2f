// Service 3: the administrators, user accounts and groups, all at level 2.
#include "sim/handlers.h"
#include "sim/names_block.h"

namespace {

enum AdminTag : uint16_t {
    TAG_KIND = 2,
    TAG_LEVEL = 3,
    TAG_NAME = 4,  // the name to set, or the name to continue after
    TAG_NAMES = 5,
    TAG_CAPACITY = 6,
    TAG_MORE = 7,
};

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
    if (!read_u16(find_item(request, TAG_KIND), &kind) || !read_u16(find_item(request, TAG_LEVEL), &level) ||
        !read_u16(find_item(request, TAG_CAPACITY), &capacity)) {
        return STATUS_BAD_REQUEST;
    }
    // No name, or an empty one, starts from the beginning.
    read_text(find_item(request, TAG_NAME), &after);
    std::set<std::string>* admins = admins_of_kind(&context->server->state, kind);
    if (!admins) return STATUS_BAD_REQUEST;
    static const std::set<std::string> NOBODY;
    // Every administrator holds level 2; no one is listed at another level.
    const std::set<std::string>& listed = level == LEVEL_ADMINISTRATOR ? *admins : NOBODY;

    const uint32_t overhead = 4 + 6 + 6;
    uint32_t room = reply_room(reply);
    uint32_t limit = room > overhead ? room - overhead : 0;
    if (capacity < limit) limit = capacity;
    auto first = after.empty() ? listed.begin() : listed.upper_bound(after);
    NamesBlock block = pack_names(first, listed.end(), [](const std::string& s) -> const std::string& { return s; },
                                  limit);
    msg_put_bytes(reply, TAG_NAMES, block.bytes.data(), (uint32_t)block.bytes.size());
    msg_put_u16(reply, TAG_CAPACITY, (uint16_t)block.bytes.size());
    msg_put_u16(reply, TAG_MORE, block.more ? 1 : 0);
    return STATUS_OK;
}

uint16_t set_admin(HandlerContext* context, const Request& request) {
    std::string name;
    uint16_t kind, level;
    if (!read_text(find_item(request, TAG_NAME), &name) || name.empty() ||
        !read_u16(find_item(request, TAG_KIND), &kind) || !read_u16(find_item(request, TAG_LEVEL), &level)) {
        return STATUS_BAD_REQUEST;
    }
    std::set<std::string>* admins = admins_of_kind(&context->server->state, kind);
    if (!admins) return STATUS_BAD_REQUEST;
    if (level == LEVEL_ADMINISTRATOR) {
        if (admins->insert(name).second) context->changed = true;
        return STATUS_OK;
    }
    if (level == LEVEL_NONE) {
        if (!admins->erase(name)) return STATUS_NOT_FOUND;
        context->changed = true;
        return STATUS_OK;
    }
    return STATUS_BAD_REQUEST;
}

}  // namespace

uint16_t handle_admins(HandlerContext* context, const Request& request, MessageBuffer* reply) {
    switch (request.function) {
    case 1: return enumerate(context, request, reply);
    case 2: return set_admin(context, request);
    default: return STATUS_UNKNOWN_REQUEST;
    }
}
