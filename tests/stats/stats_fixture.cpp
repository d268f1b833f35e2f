#include "tests/stats/stats_fixture.h"

std::string session_line(const char* user, const char* client, const char* port, const char* time, const char* ip,
                         const char* dn, const char* session_id) {
    return std::string("session \"user=") + user + "\" \"client=" + client + "\" port=" + port + " \"time=" + time +
           "\" ip=" + ip + " \"dn=" + (dn ? dn : user) + "\" session-id=" + session_id + " port-type=Async\n";
}
