// The statistics models against keelsim in this process, on the record
// panels' fixture: a server per test on a fixture text and a session to it.
#pragma once

#include <string>

#include "tests/panels/panel_fixture.h"

// A fixture line for one session.
std::string session_line(const char* user, const char* client, const char* port, const char* time, const char* ip,
                         const char* dn = nullptr, const char* session_id = "S1");
