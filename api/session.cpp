#include "api/session.h"

#include <stdio.h>
#include <stdlib.h>

#include "api/requests.h"
#include "api/status.h"
#include "platform/ticks.h"

namespace {

struct SessionState {
    PipeSession* current;
    uint32_t last_exchange_tick;
    const Transport* transport;
    uint32_t (*ticks)();
    void (*disconnect_hook)();
    MessageBuffer request;
    MessageBuffer response;
    uint8_t request_data[MSG_BUFFER_SIZE];
    uint8_t response_data[MSG_BUFFER_SIZE];
};

SessionState g_session = {};

const Transport* transport() { return g_session.transport ? g_session.transport : platform_transport(); }

uint32_t now() { return g_session.ticks ? g_session.ticks() : tick_count(); }

}  // namespace

const char* bare_server_name(const char* name) {
    while (*name == '\\') ++name;
    return name;
}

uint16_t session_open(const char* server, PipeSession** out) {
    if (server) server = bare_server_name(server);
    PipeSession* session = (PipeSession*)calloc(1, sizeof(PipeSession));
    if (!session) return STATUS_TRANSPORT;

    char name[512];
    int written = server ? snprintf(name, sizeof name, "\\\\%s\\pipe\\%s", server, SERVER_PIPE_NAME)
                         : snprintf(name, sizeof name, "\\\\.\\pipe\\%s", SERVER_PIPE_NAME);
    if (written <= 0 || (size_t)written >= sizeof name) {
        free(session);
        return STATUS_TRANSPORT;
    }
    uint16_t status = transport()->open(name, &session->handle);
    if (status != 0) {
        free(session);
        return status == STATUS_ACCESS_REFUSED ? STATUS_ACCESS_REFUSED : STATUS_TRANSPORT;
    }
    *out = session;
    return 0;
}

void session_close(PipeSession* session) {
    if (!session) return;
    if (session->handle) transport()->close(session->handle);
    free(session);
}

uint16_t session_transact(PipeSession* session, MessageBuffer* request, MessageBuffer* response) {
    if (!session) return STATUS_NO_SESSION;
    g_session.last_exchange_tick = now();
    session->bytes_read = 0;
    session->last_response = nullptr;
    uint32_t read = 0;
    if (transport()->transact(session->handle, request->data, request->position, response->data, response->capacity,
                              &read) != 0)
        return STATUS_TRANSPORT;
    session->bytes_read = read;
    session->last_response = response;
    return 0;
}

uint16_t session_receive(PipeSession* session, MessageBuffer** response) {
    if (!session) return STATUS_NO_SESSION;
    if (transport()->receive) {
        uint32_t read = session->bytes_read;
        uint16_t status = transport()->receive(session->handle, &read);
        if (status != 0) return status == STATUS_READ_AGAIN ? STATUS_READ_AGAIN : STATUS_TRANSPORT;
        session->bytes_read = read;
    }
    // A reply too short to hold a header is as good as none: its status
    // would otherwise read as success.
    if (session->bytes_read < MSG_HEADER_SIZE || !session->last_response) return STATUS_TRANSPORT;
    MessageBuffer* received = session->last_response;
    // Parse no further than what arrived: bytes past it are left from an
    // earlier exchange.
    if (session->bytes_read < received->capacity) received->capacity = (uint16_t)session->bytes_read;
    if (response) *response = received;
    session->last_response = nullptr;
    return 0;
}

PipeSession* current_session() { return g_session.current; }

void set_current_session(PipeSession* session) {
    if (g_session.current && g_session.current != session) session_close(g_session.current);
    g_session.current = session;
}

void disconnect() {
    if (g_session.current) {
        session_close(g_session.current);
        g_session.current = nullptr;
    }
    if (g_session.disconnect_hook) g_session.disconnect_hook();
}

void set_disconnect_hook(void (*hook)()) { g_session.disconnect_hook = hook; }

MessageBuffer* api_begin(uint16_t service, uint16_t function) {
    msg_init(&g_session.request, g_session.request_data, MSG_BUFFER_SIZE);
    msg_init(&g_session.response, g_session.response_data, MSG_BUFFER_SIZE);
    msg_put_header(&g_session.request, 0, service, function);
    return &g_session.request;
}

uint16_t api_exchange(MessageBuffer** response) {
    PipeSession* session = g_session.current;
    if (!session) return STATUS_NO_SESSION;
    msg_put_end(&g_session.request);
    if (g_session.request.overflowed) return STATUS_REQUEST_TOO_LARGE;

    uint16_t status = session_transact(session, &g_session.request, &g_session.response);
    if (status != 0) return status;
    // Lock requests may wait on the server; give it a moment between polls.
    bool is_lock = get_le16(g_session.request_data + 2) == SERVICE_LOCK;
    while ((status = session_receive(session, response)) == STATUS_READ_AGAIN) {
        if (is_lock) sleep_ms(1);
    }
    return status;
}

void keep_alive_if_idle() {
    if (!g_session.current) return;
    if ((uint32_t)(now() - g_session.last_exchange_tick) > KEEP_ALIVE_IDLE_MS) keep_alive();
}

void session_set_transport(const Transport* transport) { g_session.transport = transport; }

void session_set_tick_source(uint32_t (*ticks)()) { g_session.ticks = ticks; }

void session_reset() {
    set_current_session(nullptr);
    g_session = SessionState();
}
