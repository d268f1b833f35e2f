// Service 7: the current users, listed in batches and deleted by key.
#include "sim/handlers.h"

namespace {

enum SessionTag : uint16_t {
    TAG_BATCH = 2,
    TAG_COUNT = 3,
    TAG_CLOSE = 4,
    TAG_CLIENT = 5,
    TAG_USER = 6,
    TAG_DN = 7,
    TAG_SESSION_ID = 8,
    TAG_TIME = 9,
    TAG_PORT = 10,
    TAG_PORT_TYPE = 11,
    TAG_IP = 12,
};

const uint16_t MAX_BATCH = 72;

// The fields that identify a session, in the order clients send them.
struct KeyField {
    uint16_t tag;
    std::string SimSession::*field;
};
const KeyField KEY_FIELDS[] = {
    {TAG_CLIENT, &SimSession::client},         {TAG_USER, &SimSession::user},
    {TAG_DN, &SimSession::dn},                 {TAG_SESSION_ID, &SimSession::session_id},
    {TAG_PORT, &SimSession::port},             {TAG_PORT_TYPE, &SimSession::port_type},
};

struct SessionKey {
    bool present[6] = {};
    std::string value[6];
    bool any = false;
};

SessionKey read_key(const Request& request) {
    SessionKey key;
    for (size_t i = 0; i < 6; ++i) {
        key.present[i] = read_text(find_item(request, KEY_FIELDS[i].tag), &key.value[i]);
        key.any = key.any || key.present[i];
    }
    return key;
}

// A session matches when every key field the client sent is equal.
size_t find_session(const std::vector<SimSession>& sessions, const SessionKey& key) {
    for (size_t s = 0; s < sessions.size(); ++s) {
        bool equal = true;
        for (size_t i = 0; i < 6 && equal; ++i) {
            equal = !key.present[i] || sessions[s].*KEY_FIELDS[i].field == key.value[i];
        }
        if (equal) return s;
    }
    return sessions.size();
}

uint32_t text_item_size(const std::string& text) { return 4 + (uint32_t)text.size() + 1; }

uint32_t record_size(const SimSession& session) {
    return text_item_size(session.client) + text_item_size(session.user) + text_item_size(session.dn) +
           text_item_size(session.session_id) + text_item_size(session.time) + text_item_size(session.port) +
           text_item_size(session.port_type) + text_item_size(session.ip) + 5;
}

void put_text(MessageBuffer* reply, uint16_t tag, const std::string& text) {
    msg_put_bytes(reply, tag, text.c_str(), (uint32_t)text.size() + 1);
}

uint16_t list_sessions(HandlerContext* context, const Request& request, MessageBuffer* reply) {
    uint16_t batch = MAX_BATCH;
    const RequestItem* batch_item = find_item(request, TAG_BATCH);
    if (batch_item && !read_u16(batch_item, &batch)) return STATUS_BAD_REQUEST;
    if (batch == 0 || batch > MAX_BATCH) batch = MAX_BATCH;

    const std::vector<SimSession>& sessions = context->server->state.sessions;
    size_t first = 0;
    SessionKey key = read_key(request);
    if (key.any) {
        // Continue after the last record the client received; when it has gone
        // meanwhile, the list is over rather than started again.
        size_t found = find_session(sessions, key);
        first = found < sessions.size() ? found + 1 : sessions.size();
    }
    uint32_t room = reply_room(reply);
    room = room > 6 ? room - 6 : 0;  // the count item
    size_t last = first;
    while (last < sessions.size() && last - first < batch) {
        uint32_t size = record_size(sessions[last]);
        if (size > room) break;
        room -= size;
        ++last;
    }
    // A record too large for any answer must not read as the end of the list.
    if (last == first && first < sessions.size()) return STATUS_TOO_LARGE;
    msg_put_u16(reply, TAG_COUNT, (uint16_t)(last - first));
    for (size_t s = first; s < last; ++s) {
        const SimSession& session = sessions[s];
        put_text(reply, TAG_CLIENT, session.client);
        put_text(reply, TAG_USER, session.user);
        put_text(reply, TAG_DN, session.dn);
        put_text(reply, TAG_SESSION_ID, session.session_id);
        put_text(reply, TAG_TIME, session.time);
        put_text(reply, TAG_PORT, session.port);
        put_text(reply, TAG_PORT_TYPE, session.port_type);
        put_text(reply, TAG_IP, session.ip);
        msg_put_u8(reply, TAG_CLOSE, 0);
    }
    return STATUS_OK;
}

uint16_t delete_session(HandlerContext* context, const Request& request) {
    SessionKey key = read_key(request);
    if (!key.any) return STATUS_BAD_REQUEST;
    std::vector<SimSession>& sessions = context->server->state.sessions;
    size_t found = find_session(sessions, key);
    if (found == sessions.size()) return STATUS_NOT_FOUND;
    sessions.erase(sessions.begin() + (ptrdiff_t)found);
    context->changed = true;
    return STATUS_OK;
}

}  // namespace

uint16_t handle_sessions(HandlerContext* context, const Request& request, MessageBuffer* reply) {
    switch (request.function) {
    case 1: return list_sessions(context, request, reply);
    case 2: return delete_session(context, request);
    default: return STATUS_UNKNOWN_REQUEST;
    }
}
