// A raw client of the reference server for its tests: builds requests with
// the codec, sends them over the platform transport, and takes the answer
// apart into items.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "api/codec.h"
#include "platform/transport.h"
#include "sim/sim.h"

extern const char SIM_PIPE_NAME[];

struct ReplyItem {
    uint16_t tag;
    std::string value;
};

struct Reply {
    uint16_t status = 0xFFFF;
    uint16_t service = 0, function = 0;
    std::vector<ReplyItem> items;
    uint32_t length = 0;
    bool terminated = false;  // the items ended with a terminator inside the message

    // The nth item with the tag (0 = first), or null.
    const ReplyItem* find(uint16_t tag, int nth = 0) const;
    uint16_t u16(uint16_t tag) const;  // 0xFFFF... when absent or of another size
    uint32_t u32(uint16_t tag) const;
    std::string text(uint16_t tag) const;  // without the NUL
    size_t count(uint16_t tag) const;
};

struct RequestBuilder {
    uint8_t data[MSG_BUFFER_SIZE];
    MessageBuffer buffer;

    RequestBuilder(uint16_t service, uint16_t function);
    RequestBuilder& text(uint16_t tag, const std::string& value);
    RequestBuilder& bytes(uint16_t tag, const std::string& value);
    RequestBuilder& u8(uint16_t tag, uint8_t value);
    RequestBuilder& u16(uint16_t tag, uint16_t value);
    RequestBuilder& u32(uint16_t tag, uint32_t value);
    std::string message();  // adds the terminator
};

struct Client {
    TransportConnection* connection = nullptr;
    std::vector<uint8_t> response;  // one per client: clients run on threads of their own

    ~Client() { close(); }
    bool open();
    void close();
    // The transport status (0, or 104 when the exchange failed); *reply holds the answer.
    uint16_t send_raw(const std::string& message, Reply* reply);
    Reply call(RequestBuilder& request);
};

// The names of a names block (each with its NUL, then one more NUL).
std::vector<std::string> split_names(const std::string& block);

// A fresh directory for this test program; fixtures go there and, natively,
// the server's socket (KEEL_PIPE_DIR).
const std::string& test_directory();
std::string write_test_file(const std::string& name, const std::string& content);
std::string read_test_file(const std::string& path);
void set_environment(const char* name, const char* value);
// Makes the test directory the current one: programs write their logs there.
void enter_test_directory();

// Each test gets a server of its own, stopped in TearDown.
class SimServerTest : public ::testing::Test {
protected:
    SimServer* server = nullptr;
    std::string fixture_path;

    // Writes `fixture` (when not null) to a file and starts a server on it.
    void start(const char* fixture, SimOptions options = SimOptions());
    void stop();
    void TearDown() override { stop(); }
};
