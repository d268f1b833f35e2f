// The statistics models against keelsim in this process: a server per test
// on a fixture text and a session to it.
#pragma once

#include <string>

#include "api/current_users.h"
#include "tests/sim/sim_test_support.h"

class StatsServerTest : public SimServerTest {
protected:
    void open_session(const char* fixture);
    // Ends the session and stops the server: a table's next case starts afresh.
    void close_session();
    void TearDown() override { close_session(); }
};

// A fixture line for one session; fields are given as "key=value" pairs.
std::string session_line(const char* user, const char* client, const char* port, const char* time, const char* ip,
                         const char* dn = nullptr, const char* session_id = "S1");
