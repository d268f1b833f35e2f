// The commands of keelcli, one family per file, and the formatters of what
// they print, apart from the requests so they can be tested on their own.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

#include "api/current_users.h"
#include "api/requests.h"
#include "cli/command_line.h"
#include "cli/connection.h"

struct Output;

// Usage texts (command_table.cpp).
std::string general_usage();
std::string command_usage(const CommandEntry& entry);

// version, status (cmd_info.cpp)
struct VersionReport {
    Admission admission;
};
std::string format_version_report(const VersionReport& report, bool json);
int run_version(const CommandLine& line, Output* output);
int run_status(const CommandLine& line, Output* output);

// list, get, set, exists, delete, rename, create (cmd_database.cpp)
std::string format_name_list(const std::vector<std::string>& names, bool json);
bool check_set(const CommandLine& line, std::string* error);
int run_list(const CommandLine& line, Output* output);
int run_get(const CommandLine& line, Output* output);
int run_set(const CommandLine& line, Output* output);
int run_exists(const CommandLine& line, Output* output);
int run_delete(const CommandLine& line, Output* output);
int run_rename(const CommandLine& line, Output* output);
int run_create(const CommandLine& line, Output* output);

// stats (cmd_stats.cpp)
struct CounterName {
    const char* page;   // "" for the up time, which sits on the panel itself
    const char* field;  // as labelled on the page
};
extern const CounterName COUNTER_NAMES[STAT_COUNTER_COUNT];
std::string format_statistics(const StatisticsCounters& counters, bool json);
int run_stats(const CommandLine& line, Output* output);

// sessions, sessions delete (cmd_sessions.cpp)
std::string format_sessions(const std::vector<CurrentUserRecord>& records, bool json);
// Every key field given (non-null) equals the record's; the others match anything.
bool session_matches(const CurrentUserRecord& record, const char* const key[SESSION_KEY_COUNT]);
bool check_sessions_delete(const CommandLine& line, std::string* error);
int run_sessions(const CommandLine& line, Output* output);
int run_sessions_delete(const CommandLine& line, Output* output);

// admins, admins add, admins remove (cmd_admins.cpp)
struct AdminEntry {
    std::string name;
    uint16_t kind;  // ADMIN_USER or ADMIN_GROUP
};
// Sorted by name, ignoring ASCII case, as the console's list shows them.
std::string format_admins(std::vector<AdminEntry> entries, bool json);
int run_admins(const CommandLine& line, Output* output);
int run_admins_add(const CommandLine& line, Output* output);
int run_admins_remove(const CommandLine& line, Output* output);

// products, dictionaries (cmd_catalog.cpp)
std::string format_products(const ProductList& list, bool json);
int run_products(const CommandLine& line, Output* output);
int run_dictionaries(const CommandLine& line, Output* output);

// user, user list|show|add|set|passwd|check-password|remove (cmd_users.cpp)
bool check_user_options(const CommandLine& line, std::string* error);
int run_user_list(const CommandLine& line, Output* output);
int run_user_show(const CommandLine& line, Output* output);
int run_user_add(const CommandLine& line, Output* output);
int run_user_set(const CommandLine& line, Output* output);
int run_user_passwd(const CommandLine& line, Output* output);
int run_user_check_password(const CommandLine& line, Output* output);
int run_user_remove(const CommandLine& line, Output* output);

// client, proxy, pool (cmd_records.cpp)
int run_client_list(const CommandLine& line, Output* output);
int run_client_show(const CommandLine& line, Output* output);
int run_client_add(const CommandLine& line, Output* output);
int run_client_set(const CommandLine& line, Output* output);
int run_client_remove(const CommandLine& line, Output* output);
int run_proxy_list(const CommandLine& line, Output* output);
int run_proxy_show(const CommandLine& line, Output* output);
int run_proxy_add(const CommandLine& line, Output* output);
int run_proxy_set(const CommandLine& line, Output* output);
int run_proxy_remove(const CommandLine& line, Output* output);
int run_pool_list(const CommandLine& line, Output* output);
int run_pool_show(const CommandLine& line, Output* output);
int run_pool_add(const CommandLine& line, Output* output);
int run_pool_remove(const CommandLine& line, Output* output);
int run_pool_add_range(const CommandLine& line, Output* output);
int run_pool_remove_range(const CommandLine& line, Output* output);
// profile list|show|add|set|remove (cmd_profiles.cpp)
int run_profile_list(const CommandLine& line, Output* output);
int run_profile_show(const CommandLine& line, Output* output);
int run_profile_add(const CommandLine& line, Output* output);
int run_profile_set(const CommandLine& line, Output* output);
int run_profile_remove(const CommandLine& line, Output* output);

// config show|set (cmd_config.cpp)
int run_config_show(const CommandLine& line, Output* output);
int run_config_set(const CommandLine& line, Output* output);

// export (cmd_export.cpp)
int run_export(const CommandLine& line, Output* output);
// import (cmd_import.cpp), import-users (cmd_import_users.cpp); their
// --replace is checked by check_replace_mode (import_common.h)
int run_import(const CommandLine& line, Output* output);
int run_import_users(const CommandLine& line, Output* output);
// report (cmd_report.cpp)
bool check_report(const CommandLine& line, std::string* error);
int run_report(const CommandLine& line, Output* output);
