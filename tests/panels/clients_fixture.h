// The clients panel's model against keelsim in this process: a server per
// test on a fixture text (or the demo database), a session to it, and the
// scripted prompt answering and recording every message.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "api/session.h"
#include "panels/clients.h"
#include "platform/resolver.h"
#include "tests/sim/sim_test_support.h"
#include "tests/support/scripted_prompt.h"

// A fixture line holding `text` scrambled under `seed`.
std::string secret_property(const char* property, const char* text, uint32_t seed);

class ClientsTest : public SimServerTest {
protected:
    ScriptedPrompt prompt;

    // Starts the server on `fixture` (null: the demo database), opens the
    // session and shows the panel.
    void open(const char* fixture);
    // Undoes open, so that a table of cases can open afresh for each.
    void close();
    void TearDown() override { close(); }

    void choose(const char* name);
    std::string stored(const char* client, const char* property);
    // Every property of a client as stored, for comparing before and after.
    std::string stored_client(const char* client);
    std::vector<std::string> messages() const;
    // Database and lock requests so far: writes leave a trace here.
    uint32_t requests() { return sim_request_count(server, 1, 0) + sim_request_count(server, 10, 0); }
};
