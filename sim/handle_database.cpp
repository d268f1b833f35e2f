// Service 1: the object store.
#include "sim/handlers.h"
#include "sim/names_block.h"

namespace {

// The value or names item, its length and the flag take this many
// bytes of the reply besides the value itself.
const uint32_t DATA_REPLY_OVERHEAD = 4 + 6 + 6;

struct Names {
    std::string cls, object, property;
    bool has_object = false, has_property = false;
};

uint16_t read_names(const Request& request, bool need_object, Names* names) {
    if (!read_text(find_item(request, DB_TAG_CLASS), &names->cls)) return SIM_STATUS_BAD_REQUEST;
    names->has_object = read_text(find_item(request, DB_TAG_OBJECT), &names->object);
    names->has_property = read_text(find_item(request, DB_TAG_PROPERTY), &names->property);
    return need_object && !names->has_object ? SIM_STATUS_BAD_REQUEST : SIM_STATUS_OK;
}

SimProperties* find_object(SimState* state, const Names& names) {
    auto cls = state->classes.find(names.cls);
    if (cls == state->classes.end()) return nullptr;
    auto object = cls->second.find(names.object);
    return object == cls->second.end() ? nullptr : &object->second;
}

uint16_t set_property(HandlerContext* context, const Request& request, bool text) {
    Names names;
    uint16_t status = read_names(request, true, &names);
    const RequestItem* value = find_item(request, DB_TAG_VALUE);
    if (status != SIM_STATUS_OK || !names.has_property || !value) return SIM_STATUS_BAD_REQUEST;
    std::string bytes;
    if (text) {
        // Texts are stored with their NUL, whether or not the client sent one.
        read_text(value, &bytes);
        bytes.push_back('\0');
    } else {
        uint16_t length;
        if (!read_u16(find_item(request, DB_TAG_LENGTH), &length) || length != value->length)
            return SIM_STATUS_BAD_REQUEST;
        bytes.assign((const char*)value->value, value->length);
    }
    SimProperties* object = find_object(&context->server->state, names);
    if (!object) return SIM_STATUS_NOT_FOUND;
    (*object)[names.property] = bytes;
    context->changed = true;
    return SIM_STATUS_OK;
}

uint16_t get_property(HandlerContext* context, const Request& request, MessageBuffer* reply) {
    Names names;
    uint16_t status = read_names(request, true, &names);
    if (status != SIM_STATUS_OK || !names.has_property) return SIM_STATUS_BAD_REQUEST;
    uint16_t capacity = 0xFFFF;
    const RequestItem* capacity_item = find_item(request, DB_TAG_CAPACITY);
    if (capacity_item && !read_u16(capacity_item, &capacity)) return SIM_STATUS_BAD_REQUEST;
    SimProperties* object = find_object(&context->server->state, names);
    if (!object) return SIM_STATUS_NOT_FOUND;
    auto property = object->find(names.property);
    if (property == object->end()) return SIM_STATUS_NOT_FOUND;
    uint32_t length = (uint32_t)property->second.size();
    if (length > capacity) length = capacity;
    if (length + DATA_REPLY_OVERHEAD > reply_room(reply)) return SIM_STATUS_TOO_LARGE;
    msg_put_bytes(reply, DB_TAG_VALUE, property->second.data(), length);
    msg_put_u16(reply, DB_TAG_LENGTH, (uint16_t)length);
    return SIM_STATUS_OK;
}

uint16_t create_object(HandlerContext* context, const Request& request) {
    Names names;
    if (read_names(request, true, &names) != SIM_STATUS_OK || names.object.empty()) return SIM_STATUS_BAD_REQUEST;
    SimObjects& objects = context->server->state.classes[names.cls];
    if (objects.count(names.object)) return SIM_STATUS_EXISTS;
    objects[names.object];
    context->changed = true;
    return SIM_STATUS_OK;
}

// Deleting what is not there succeeds: clients clear leftovers this way.
uint16_t delete_object(HandlerContext* context, const Request& request) {
    Names names;
    if (read_names(request, true, &names) != SIM_STATUS_OK) return SIM_STATUS_BAD_REQUEST;
    auto cls = context->server->state.classes.find(names.cls);
    if (cls == context->server->state.classes.end()) return SIM_STATUS_OK;
    auto object = cls->second.find(names.object);
    if (object == cls->second.end()) return SIM_STATUS_OK;
    if (names.has_property) {
        if (object->second.erase(names.property)) context->changed = true;
    } else {
        cls->second.erase(object);
        context->changed = true;
    }
    return SIM_STATUS_OK;
}

uint16_t object_exists(HandlerContext* context, const Request& request, MessageBuffer* reply) {
    Names names;
    if (read_names(request, true, &names) != SIM_STATUS_OK) return SIM_STATUS_BAD_REQUEST;
    SimProperties* object = find_object(&context->server->state, names);
    bool exists = object && (!names.has_property || object->count(names.property));
    msg_put_u16(reply, DB_TAG_FLAG, exists ? 1 : 0);
    return SIM_STATUS_OK;
}

uint16_t enumerate(HandlerContext* context, const Request& request, MessageBuffer* reply) {
    Names names;
    std::string after;
    uint16_t capacity;
    if (read_names(request, false, &names) != SIM_STATUS_OK) return SIM_STATUS_BAD_REQUEST;
    bool has_after = read_text(find_item(request, DB_TAG_VALUE), &after);
    if (!read_u16(find_item(request, DB_TAG_CAPACITY), &capacity)) return SIM_STATUS_BAD_REQUEST;
    uint32_t room = reply_room(reply);
    uint32_t limit = room > DATA_REPLY_OVERHEAD ? room - DATA_REPLY_OVERHEAD : 0;
    if (capacity < limit) limit = capacity;

    NamesBlock block;
    const SimState& state = context->server->state;
    auto cls = state.classes.find(names.cls);
    if (names.has_object) {
        const SimProperties* object = nullptr;
        if (cls != state.classes.end()) {
            auto found = cls->second.find(names.object);
            if (found != cls->second.end()) object = &found->second;
        }
        if (!object) return SIM_STATUS_NOT_FOUND;
        auto first = has_after ? object->upper_bound(after) : object->begin();
        block = pack_names(
            first, object->end(), [](const SimProperties::value_type& p) -> const std::string& { return p.first; },
            limit);
    } else {
        // A class nobody has created yet simply has no objects.
        static const SimObjects NO_OBJECTS;
        const SimObjects& objects = cls != state.classes.end() ? cls->second : NO_OBJECTS;
        auto first = has_after ? objects.upper_bound(after) : objects.begin();
        block = pack_names(
            first, objects.end(), [](const SimObjects::value_type& o) -> const std::string& { return o.first; }, limit);
    }
    msg_put_bytes(reply, DB_TAG_VALUE, block.bytes.data(), (uint32_t)block.bytes.size());
    msg_put_u16(reply, DB_TAG_LENGTH, (uint16_t)block.bytes.size());
    msg_put_u16(reply, DB_TAG_FLAG, block.more ? 1 : 0);
    return SIM_STATUS_OK;
}

// An object already holding the new name is replaced.
uint16_t rename_object(HandlerContext* context, const Request& request) {
    Names names;
    std::string new_name;
    if (read_names(request, true, &names) != SIM_STATUS_OK || !read_text(find_item(request, DB_TAG_VALUE), &new_name) ||
        new_name.empty()) {
        return SIM_STATUS_BAD_REQUEST;
    }
    auto cls = context->server->state.classes.find(names.cls);
    if (cls == context->server->state.classes.end()) return SIM_STATUS_NOT_FOUND;
    auto object = cls->second.find(names.object);
    if (object == cls->second.end()) return SIM_STATUS_NOT_FOUND;
    if (new_name == names.object) return SIM_STATUS_OK;
    SimProperties properties;
    properties.swap(object->second);
    cls->second.erase(object);
    cls->second[new_name].swap(properties);
    context->changed = true;
    return SIM_STATUS_OK;
}

}  // namespace

uint16_t handle_database(HandlerContext* context, const Request& request, MessageBuffer* reply) {
    switch (request.function) {
        case DB_SET_TEXT: return set_property(context, request, true);
        case DB_SET: return set_property(context, request, false);
        case DB_GET: return get_property(context, request, reply);
        case DB_CREATE: return create_object(context, request);
        case DB_DELETE: return delete_object(context, request);
        case DB_EXISTS: return object_exists(context, request, reply);
        case DB_ENUMERATE: return enumerate(context, request, reply);
        case DB_RENAME: return rename_object(context, request);
        default: return SIM_STATUS_UNKNOWN_REQUEST;
    }
}
