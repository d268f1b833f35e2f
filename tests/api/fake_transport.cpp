#include "tests/api/fake_transport.h"

#include <stdio.h>
#include <string.h>

#include "api/session.h"

static FakeTransport* g_fake = nullptr;

struct TransportConnection {
    int unused;
};
static TransportConnection g_connection;

static uint16_t fake_open(const char* name, TransportConnection** out) {
    g_fake->opened_names.push_back(name);
    if (g_fake->open_status != 0) return g_fake->open_status;
    *out = &g_connection;
    return 0;
}

static uint16_t fake_transact(TransportConnection*, const uint8_t* request, uint32_t length, uint8_t* response,
                              uint32_t capacity, uint32_t* bytes_read) {
    g_fake->requests.push_back(Bytes(request, request + length));
    if (g_fake->transact_status != 0) return g_fake->transact_status;
    Bytes answer = g_fake->answer ? g_fake->answer(g_fake->requests.back()) : ResponseBuilder().end();
    if (answer.size() > capacity) return 104;
    if (!answer.empty()) memcpy(response, answer.data(), answer.size());
    *bytes_read = (uint32_t)answer.size();
    return 0;
}

static uint16_t fake_receive(TransportConnection*, uint32_t*) {
    ++g_fake->receive_calls;
    if (g_fake->pending_receives > 0) {
        --g_fake->pending_receives;
        return 0x8000;
    }
    return 0;
}

static void fake_close(TransportConnection*) { ++g_fake->closes; }

static const Transport FAKE = {fake_open, fake_transact, fake_receive, fake_close};

FakeConnection::FakeConnection(FakeTransport* fake, bool connect) {
    session_reset();
    g_fake = fake;
    session_set_transport(&FAKE);
    if (connect) {
        PipeSession* session = nullptr;
        if (session_open("HOST", &session) == 0) set_current_session(session);
        fake->opened_names.clear();
    }
}

FakeConnection::~FakeConnection() {
    session_reset();
    g_fake = nullptr;
}

ResponseBuilder::ResponseBuilder(uint16_t status, uint16_t service, uint16_t function) {
    bytes = {(uint8_t)status,         (uint8_t)(status >> 8), (uint8_t)service,
             (uint8_t)(service >> 8), (uint8_t)function,      (uint8_t)(function >> 8)};
}

ResponseBuilder& ResponseBuilder::item(uint16_t tag, const Bytes& value) {
    bytes.push_back((uint8_t)tag);
    bytes.push_back((uint8_t)(tag >> 8));
    bytes.push_back((uint8_t)value.size());
    bytes.push_back((uint8_t)(value.size() >> 8));
    bytes.insert(bytes.end(), value.begin(), value.end());
    return *this;
}

ResponseBuilder& ResponseBuilder::text(uint16_t tag, const std::string& value) {
    Bytes data(value.begin(), value.end());
    data.push_back(0);
    return item(tag, data);
}

ResponseBuilder& ResponseBuilder::u8(uint16_t tag, uint8_t value) { return item(tag, {value}); }

ResponseBuilder& ResponseBuilder::u16(uint16_t tag, uint16_t value) {
    return item(tag, {(uint8_t)value, (uint8_t)(value >> 8)});
}

ResponseBuilder& ResponseBuilder::u32(uint16_t tag, uint32_t value) {
    return item(tag, {(uint8_t)value, (uint8_t)(value >> 8), (uint8_t)(value >> 16), (uint8_t)(value >> 24)});
}

Bytes ResponseBuilder::end() const {
    Bytes done = bytes;
    done.push_back(0);
    done.push_back(0);
    return done;
}

Bytes hex(const std::string& text) {
    Bytes out;
    int high = -1;
    for (char c : text) {
        int digit = (c >= '0' && c <= '9')   ? c - '0'
                    : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                    : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                             : -1;
        if (digit < 0) continue;
        if (high < 0) {
            high = digit;
        } else {
            out.push_back((uint8_t)(high * 16 + digit));
            high = -1;
        }
    }
    return out;
}

std::string to_hex(const Bytes& bytes) {
    std::string out;
    char two[4];
    for (size_t i = 0; i < bytes.size(); ++i) {
        snprintf(two, sizeof two, i ? " %02x" : "%02x", bytes[i]);
        out += two;
    }
    return out;
}

MessageBuffer response_buffer(Bytes& bytes) {
    MessageBuffer buffer;
    msg_init(&buffer, bytes.data(), (uint16_t)bytes.size());
    return buffer;
}
