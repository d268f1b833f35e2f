// A scripted transport: records every request and answers each with the
// bytes the test's handler returns, so tests see exactly what goes on the wire.
#pragma once

#include <stdint.h>

#include <functional>
#include <string>
#include <vector>

#include "api/codec.h"
#include "platform/transport.h"

typedef std::vector<uint8_t> Bytes;

struct FakeTransport {
    std::vector<std::string> opened_names;
    std::vector<Bytes> requests;
    std::function<Bytes(const Bytes& request)> answer;
    uint16_t open_status = 0;      // what open returns
    uint16_t transact_status = 0;  // what transact returns
    int pending_receives = 0;      // receive answers 0x8000 this many times first
    int receive_calls = 0;
    int closes = 0;
};

// Installs `fake` as the session's transport, and opens and makes current a
// session on it. Restores everything on destruction.
struct FakeConnection {
    explicit FakeConnection(FakeTransport* fake, bool connect = true);
    ~FakeConnection();
};

// Builds a response: header (status, service, function) then items.
struct ResponseBuilder {
    Bytes bytes;
    explicit ResponseBuilder(uint16_t status = 0, uint16_t service = 0, uint16_t function = 0);
    ResponseBuilder& item(uint16_t tag, const Bytes& value);
    ResponseBuilder& text(uint16_t tag, const std::string& value);  // with its NUL
    ResponseBuilder& u8(uint16_t tag, uint8_t value);
    ResponseBuilder& u16(uint16_t tag, uint16_t value);
    ResponseBuilder& u32(uint16_t tag, uint32_t value);
    Bytes end() const;  // with the terminator
};

// "01 02 0a" -> bytes; blanks are ignored.
Bytes hex(const std::string& text);
std::string to_hex(const Bytes& bytes);
MessageBuffer response_buffer(Bytes& bytes);
