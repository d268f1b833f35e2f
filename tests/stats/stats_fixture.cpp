#include "tests/stats/stats_fixture.h"

#include "api/session.h"

void StatsServerTest::open_session(const char* fixture) {
    start(fixture);
    session_reset();
    PipeSession* session = nullptr;
    ASSERT_EQ(session_open(nullptr, &session), 0);
    set_current_session(session);
}

void StatsServerTest::close_session() {
    session_reset();
    stop();
}

std::string session_line(const char* user, const char* client, const char* port, const char* time, const char* ip,
                         const char* dn, const char* session_id) {
    return std::string("session \"user=") + user + "\" \"client=" + client + "\" port=" + port + " \"time=" + time +
           "\" ip=" + ip + " \"dn=" + (dn ? dn : user) + "\" session-id=" + session_id + " port-type=Async\n";
}
