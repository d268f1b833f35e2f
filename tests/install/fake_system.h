// A machine in memory behind the installation library's host table: one
// service manager, local users and rights, processes, registry values and
// files. Every call that changes something is recorded for the tests.
#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "install/install_host.h"

struct FakeService {
    std::string binary_path;
    std::string dependencies;  // entries joined by '|'
    std::string account;       // "" for the system account
    std::string password;
    bool system_account = false;
    uint32_t state = SERVICE_STATE_STOPPED;
    // After an accepted stop control the queries report these, one each,
    // and then `state_after_stop` for good.
    std::vector<uint32_t> states_after_stop;
    uint32_t state_after_stop = SERVICE_STATE_STOPPED;
};

struct FakeProcess {
    uint32_t id = 0;
    std::string path;
    bool openable = true;
    // Polls before it reports having ended once terminated.
    uint32_t polls_to_end = 0;
    bool terminated = false;
};

struct FakeSystem {
    // Service manager.
    uint32_t open_manager_error = 0;
    uint32_t open_service_error = 0;  // other than "does not exist"
    uint32_t create_error = 0;
    uint32_t start_error = 0;
    std::map<std::string, FakeService> services;
    std::vector<std::string> started;
    uint32_t stop_controls = 0;
    uint32_t queries = 0;

    // Network.
    uint32_t controllers_error = 0;
    std::vector<std::string> controllers;
    std::string computer = "HOST1";
    uint32_t computer_name_error = 0;

    // Accounts and rights.
    std::set<std::string> users;
    std::map<std::string, std::string> comments;
    uint32_t add_user_error = 0;
    uint32_t find_user_error = 0;
    uint32_t policy_error = 0;
    uint32_t policy_access = 0;
    std::map<std::string, uint32_t> right_errors;              // by right
    std::vector<std::pair<std::string, std::string>> granted;  // user, right

    // Counters.
    std::vector<std::string> counter_command_lines;
    uint32_t counter_error = 0;

    // Processes.
    std::vector<FakeProcess> processes;
    uint32_t own_id = 1;
    std::string own_path;

    // Registry values by "key|value", and files by path.
    std::map<std::string, std::string> registry;
    std::map<std::string, std::string> files;
    std::set<std::string> unwritable_paths;

    std::vector<uint32_t> sleeps;
    int open_handles = 0;

    // The table whose context is this system.
    InstallHost host();
    FakeProcess* process(uint32_t id);
};
