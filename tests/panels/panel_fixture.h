// A record panel's model against keelsim in this process: a server per test
// on a fixture text (or the demo database), a session to it, and the
// scripted prompt answering and recording every message.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "tests/sim/sim_test_support.h"
#include "tests/support/scripted_prompt.h"

// A fixture line holding `text` scrambled under `seed`.
std::string secret_property(const char* property, const char* text, uint32_t seed);
// 16-bit numbers as stored: little-endian, one after the other.
std::string le16_words(std::initializer_list<uint16_t> words);

class PanelTest : public SimServerTest {
protected:
    ScriptedPrompt prompt;

    // Starts the server on `fixture` (null: the demo database) and opens
    // the session.
    void open_session(const char* fixture);
    // Ends the session and stops the server; a table-driven test starts
    // each case afresh with it.
    void close_session();
    void TearDown() override { close_session(); }

    // A property as stored, or "<missing>".
    std::string stored_property(const char* cls, const char* object, const char* property);
    // The listed properties of an object as stored, for comparing before and after.
    std::string stored_object(const char* cls, const char* object, std::initializer_list<const char*> properties);
    std::vector<std::string> messages() const;
    // Database and lock requests so far: writes leave a trace here.
    uint32_t requests() { return sim_request_count(server, 1, 0) + sim_request_count(server, 10, 0); }
};
