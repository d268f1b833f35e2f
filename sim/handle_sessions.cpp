// Service 7: the current users, listed in batches and deleted by key.
#include "sim/handlers.h"

namespace {

const uint16_t KEY_FIELD_COUNT = 6;

// The fields that identify a session, in the order clients send them, with
// the width (NUL included) the console cuts each to: it sends its cut copy
// back as the key.
struct KeyField {
    uint16_t tag;
    std::string SimSession::*field;
    uint16_t width;
};
const KeyField KEY_FIELDS[KEY_FIELD_COUNT] = {
    {CU_TAG_RAS_CLIENT, &SimSession::client, CU_WIDTH_RAS_CLIENT},
    {CU_TAG_USER, &SimSession::user, CU_WIDTH_USER},
    {CU_TAG_DN, &SimSession::dn, CU_WIDTH_DN},
    {CU_TAG_SESSION_ID, &SimSession::session_id, CU_WIDTH_SESSION_ID},
    {CU_TAG_PORT, &SimSession::port, CU_WIDTH_PORT},
    {CU_TAG_PORT_TYPE, &SimSession::port_type, CU_WIDTH_PORT_TYPE},
};

struct SessionKey {
    bool present[KEY_FIELD_COUNT] = {};
    std::string value[KEY_FIELD_COUNT];
    bool any = false;
};

SessionKey read_key(const Request& request) {
    SessionKey key;
    for (size_t i = 0; i < KEY_FIELD_COUNT; ++i) {
        key.present[i] = read_text(find_item(request, KEY_FIELDS[i].tag), &key.value[i]);
        key.any = key.any || key.present[i];
    }
    return key;
}

// Equal as far as the console keeps of the field, so both a cut key and a
// whole one match.
bool field_matches(const std::string& field, const std::string& key, uint16_t width) {
    size_t kept = (size_t)width - 1;
    return field.compare(0, kept, key, 0, kept) == 0;
}

// A session matches when every key field the client sent is equal.
size_t find_session(const std::vector<SimSession>& sessions, const SessionKey& key) {
    for (size_t s = 0; s < sessions.size(); ++s) {
        bool equal = true;
        for (size_t i = 0; i < KEY_FIELD_COUNT && equal; ++i) {
            const KeyField& field = KEY_FIELDS[i];
            equal = !key.present[i] || field_matches(sessions[s].*field.field, key.value[i], field.width);
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
    uint16_t batch = CU_MAX_BATCH;
    const RequestItem* batch_item = find_item(request, CU_TAG_BATCH);
    if (batch_item && !read_u16(batch_item, &batch)) return SIM_STATUS_BAD_REQUEST;
    if (batch == 0 || batch > CU_MAX_BATCH) batch = CU_MAX_BATCH;

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
    if (last == first && first < sessions.size()) return SIM_STATUS_TOO_LARGE;
    msg_put_u16(reply, CU_TAG_COUNT, (uint16_t)(last - first));
    for (size_t s = first; s < last; ++s) {
        const SimSession& session = sessions[s];
        put_text(reply, CU_TAG_RAS_CLIENT, session.client);
        put_text(reply, CU_TAG_USER, session.user);
        put_text(reply, CU_TAG_DN, session.dn);
        put_text(reply, CU_TAG_SESSION_ID, session.session_id);
        put_text(reply, CU_TAG_TIME, session.time);
        put_text(reply, CU_TAG_PORT, session.port);
        put_text(reply, CU_TAG_PORT_TYPE, session.port_type);
        put_text(reply, CU_TAG_IP, session.ip);
        msg_put_u8(reply, CU_TAG_END, 0);
    }
    return SIM_STATUS_OK;
}

uint16_t delete_session(HandlerContext* context, const Request& request) {
    SessionKey key = read_key(request);
    if (!key.any) return SIM_STATUS_BAD_REQUEST;
    std::vector<SimSession>& sessions = context->server->state.sessions;
    size_t found = find_session(sessions, key);
    if (found == sessions.size()) return SIM_STATUS_NOT_FOUND;
    sessions.erase(sessions.begin() + (ptrdiff_t)found);
    context->changed = true;
    return SIM_STATUS_OK;
}

}  // namespace

uint16_t handle_sessions(HandlerContext* context, const Request& request, MessageBuffer* reply) {
    switch (request.function) {
        case CURRENT_USERS_LIST: return list_sessions(context, request, reply);
        case CURRENT_USERS_DELETE: return delete_session(context, request);
        default: return SIM_STATUS_UNKNOWN_REQUEST;
    }
}
