// What the installation support library needs from the system, as one table
// of functions: the service manager, accounts, policy rights, performance
// counters, processes, the registry and files. The Win32 table talks to the
// real system; the tests pass a fake that records every call.
//
// Every operation returns the platform's error code, 0 for success. Texts are
// ANSI; the Win32 table converts them where the system wants UTF-16.
#pragma once

#include <stddef.h>
#include <stdint.h>

using HostHandle = void*;

// Platform error codes the logic tells apart.
constexpr uint32_t HOST_ERROR_FILE_NOT_FOUND = 2;
constexpr uint32_t HOST_ERROR_INVALID_PARAMETER = 87;
constexpr uint32_t HOST_ERROR_SERVICE_DOES_NOT_EXIST = 1060;
constexpr uint32_t HOST_ERROR_SERVICE_NOT_ACTIVE = 1062;
constexpr uint32_t HOST_ERROR_USER_NOT_FOUND = 2221;
constexpr uint32_t HOST_ERROR_USER_EXISTS = 2224;

// Service states as the service manager reports them.
constexpr uint32_t SERVICE_STATE_STOPPED = 1;
constexpr uint32_t SERVICE_STATE_STOP_PENDING = 3;

// Largest security identifier the account lookup hands back.
constexpr size_t ACCOUNT_SID_SIZE = 68;

struct AccountSid {
    uint8_t bytes[ACCOUNT_SID_SIZE];
    uint32_t length;
};

struct ServiceDefinition {
    const char* name;          // also the display name
    const char* binary_path;   // the executable, as given
    const char* dependencies;  // entries each ended by NUL, the list by a second NUL
    const char* account;       // null: the local system account
    const char* password;      // null with the system account
};

struct NewUser {
    const char* name;
    const char* password;
    const char* comment;
    uint32_t flags;
};

// Called for each domain controller found; returning false ends the listing.
using VisitName = bool (*)(void* arg, const char* name);

struct InstallHost {
    void* context;

    // Service manager.
    uint32_t (*open_manager)(void* context, HostHandle* manager);
    uint32_t (*open_service)(void* context, HostHandle manager, const char* name, HostHandle* service);
    uint32_t (*create_service)(void* context, HostHandle manager, const ServiceDefinition* definition,
                               HostHandle* service);
    uint32_t (*start_service)(void* context, HostHandle service);
    // Sends the stop control; `state` gets the state reported with the answer.
    uint32_t (*stop_service)(void* context, HostHandle service, uint32_t* state);
    uint32_t (*query_service)(void* context, HostHandle service, uint32_t* state);
    void (*close_service_handle)(void* context, HostHandle handle);

    // Network: the primary and backup domain controllers of this computer's domain.
    uint32_t (*list_domain_controllers)(void* context, VisitName visit, void* arg);
    uint32_t (*computer_name)(void* context, char* name, size_t name_size);

    // Accounts and policy rights.
    uint32_t (*add_user)(void* context, const NewUser* user);
    uint32_t (*find_user)(void* context, const char* name);
    uint32_t (*open_policy)(void* context, uint32_t access, HostHandle* policy);
    uint32_t (*lookup_account)(void* context, const char* name, AccountSid* sid);
    uint32_t (*add_account_right)(void* context, HostHandle policy, const AccountSid* sid, const char* right);
    void (*close_policy)(void* context, HostHandle policy);

    // Performance counters: the counter-text loader in quiet mode.
    uint32_t (*load_counter_texts)(void* context, const char* command_line);

    // Processes.
    uint32_t (*list_processes)(void* context, uint32_t* ids, size_t capacity, size_t* count);
    uint32_t (*current_process)(void* context, uint32_t* id, char* path, size_t path_size);
    // Opens for query, memory read and termination.
    uint32_t (*open_process)(void* context, uint32_t id, HostHandle* process);
    uint32_t (*process_path)(void* context, HostHandle process, char* path, size_t path_size);
    uint32_t (*terminate_process)(void* context, HostHandle process, uint32_t exit_code);
    bool (*process_ended)(void* context, HostHandle process);
    void (*close_process)(void* context, HostHandle process);

    // Registry, under the local machine root, for reading.
    uint32_t (*open_key)(void* context, const char* path, HostHandle* key);
    // An expandable string comes back expanded.
    uint32_t (*read_string)(void* context, HostHandle key, const char* value, char* text, size_t text_size);
    void (*close_key)(void* context, HostHandle key);

    // Files.
    uint32_t (*replace_file)(void* context, const char* path, const void* data, size_t length);
    // Opens the file for reading, or creates it empty when it does not exist.
    uint32_t (*ensure_file)(void* context, const char* path);

    void (*sleep_ms)(void* context, uint32_t milliseconds);
};
