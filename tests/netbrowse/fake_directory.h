// A scripted network for the browser's tests: domains with or without a
// controller, servers, accounts, failures by call, slow calls, and gates
// that hold a call until the test lets it go. It records every call.
#pragma once

#include <stdint.h>

#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "netbrowse/directory.h"

enum FakeCall {
    CALL_PROVIDER,
    CALL_DOMAINS,
    CALL_CONTROLLER,
    CALL_SERVERS,
    CALL_USERS,
    CALL_GLOBAL_GROUPS,
    CALL_LOCAL_GROUPS,
    CALL_CONNECT,
    CALL_CANCEL,
    CALL_COUNT
};

struct FakeDomain {
    std::string name;
    std::string controller;  // empty: no controller (2453)
    uint32_t controller_error;
    std::vector<std::string> servers;
    uint32_t servers_error;
};

struct FakeServer {
    std::vector<std::string> users, groups, local_groups;
    uint32_t users_error = 0, groups_error = 0, local_groups_error = 0, connect_error = 0;
};

struct FakeDirectory {
    std::mutex mutex;
    std::condition_variable changed;
    ProviderStatus provider_status = PROVIDER_FOUND;
    std::string provider = "Microsoft Windows Network";
    uint32_t provider_reads = 0;
    uint32_t domains_error = 0;
    std::vector<FakeDomain> domains;
    std::map<std::string, FakeServer> servers;  // by "\\NAME"
    bool has_extended_error = false;
    uint32_t extended_code = 0;
    std::string extended_text;
    uint32_t delay_ms[CALL_COUNT] = {};
    std::vector<std::string> held;  // "controller" holds every such call, "controller A" one
    uint32_t entered[CALL_COUNT] = {};
    std::vector<std::string> calls;  // "users \\HOST", "connect \\HOST", ...
};

NetworkDirectory fake_directory(FakeDirectory* fake);

void fake_add_domain(FakeDirectory* fake, const std::string& name, const std::string& controller,
                     const std::vector<std::string>& servers = {});
FakeServer* fake_server(FakeDirectory* fake, const std::string& name);

// Calls of the kind (or of the kind for one target) wait at the gate until
// it opens again.
void fake_hold(FakeDirectory* fake, FakeCall call, const std::string& target = "");
void fake_release(FakeDirectory* fake, FakeCall call, const std::string& target = "");
// True once `count` calls of the kind have begun, within `milliseconds`.
bool fake_wait_entered(FakeDirectory* fake, FakeCall call, uint32_t count, uint32_t milliseconds);
std::vector<std::string> fake_calls(FakeDirectory* fake);

std::string narrow(const char16_t* text);
std::u16string widen(const std::string& text);
