// The test copy of keelntbrs.dll browses the scripted network; these
// exports let a test write the script and read what the library showed.
#include <windows.h>

#include <stdio.h>

#include "netbrowse/library_win32.h"
#include "tests/netbrowse/fake_directory.h"

namespace {

FakeDirectory g_fake;
std::vector<std::string> g_notices;

void record_notice(void*, NoticeTitle title, const char16_t* text) {
    g_notices.push_back(std::string(notice_title(title)) + ": " + narrow(text));
}

const Notices RECORDER = {nullptr, record_notice};

}  // namespace

NetworkDirectory library_directory() { return fake_directory(&g_fake); }

extern "C" {

// Forgets the script, the calls and the messages; messages are recorded
// from now on instead of shown.
__declspec(dllexport) void fake_net_reset(void) {
    std::lock_guard<std::mutex> hold(g_fake.mutex);
    g_fake.domains.clear();
    g_fake.servers.clear();
    g_fake.calls.clear();
    g_fake.provider_status = PROVIDER_FOUND;
    g_notices.clear();
    library_set_notices(&RECORDER);
}

// `controller` empty: the domain has none. `servers`: names separated by commas.
__declspec(dllexport) void fake_net_add_domain(const char* name, const char* controller, const char* servers) {
    std::vector<std::string> list;
    std::string rest = servers;
    while (!rest.empty()) {
        size_t comma = rest.find(',');
        list.push_back(rest.substr(0, comma));
        rest = comma == std::string::npos ? "" : rest.substr(comma + 1);
    }
    fake_add_domain(&g_fake, name, controller, list);
}

// which: 0 users, 1 global groups, 2 local groups.
__declspec(dllexport) void fake_net_add_account(const char* server, int which, const char* name) {
    FakeServer* s = fake_server(&g_fake, server);
    std::lock_guard<std::mutex> hold(g_fake.mutex);
    (which == 0 ? s->users : which == 1 ? s->groups : s->local_groups).push_back(name);
}

// which: 0 users, 1 global groups, 2 local groups, 3 the IPC$ connection.
__declspec(dllexport) void fake_net_fail(const char* server, int which, uint32_t code) {
    FakeServer* s = fake_server(&g_fake, server);
    std::lock_guard<std::mutex> hold(g_fake.mutex);
    (which == 0   ? s->users_error
     : which == 1 ? s->groups_error
     : which == 2 ? s->local_groups_error
                  : s->connect_error) = code;
}

__declspec(dllexport) void fake_net_hold(int call, int held) {
    if (held)
        fake_hold(&g_fake, FakeCall(call));
    else
        fake_release(&g_fake, FakeCall(call));
}

// The messages shown since the reset, one a line, as "TITLE: text".
__declspec(dllexport) void fake_net_notices(char* out, uint32_t size) {
    std::string all;
    for (const std::string& notice : g_notices) all += notice + "\n";
    snprintf(out, size, "%s", all.c_str());
}

}  // extern "C"
