// What the browser asks of the Windows network, as one table of functions:
// the Win32 services in the library, a scripted fake in the tests. Every
// function returns the platform's error code, 0 on success.
#pragma once

#include <stdint.h>

#include "netbrowse/net_name.h"

// Platform error codes the browser tells apart.
const uint32_t NET_ERROR_LOGON_FAILURE = 1326;
const uint32_t NET_ERROR_NO_DOMAIN_CONTROLLER = 2453;
const uint32_t NET_ERROR_NOT_ENOUGH_MEMORY = 8;

// Where the network provider's name comes from, and how reading it ended.
enum ProviderStatus {
    PROVIDER_FOUND,
    PROVIDER_ABSENT,       // the workstation's network client is not installed
    PROVIDER_OPEN_FAILED,  // its registry key exists but cannot be opened
    PROVIDER_READ_FAILED,  // the key opened, the name could not be read
};

// Receives one name of a listing; false stops the listing.
typedef bool (*NameSink)(void* context, const char16_t* name);

struct NetworkDirectory {
    void* context;
    ProviderStatus (*provider_name)(void* context, NetName* provider);
    // The domains the provider's network holds.
    uint32_t (*enumerate_domains)(void* context, const char16_t* provider, NameSink sink, void* sink_context);
    // The primary domain controller, as "\\NAME".
    uint32_t (*domain_controller)(void* context, const char16_t* domain, NetName* controller);
    // The NT servers of a domain.
    uint32_t (*domain_servers)(void* context, const char16_t* domain, NameSink sink, void* sink_context);
    // The normal user accounts, global groups and local groups of a server ("\\NAME").
    uint32_t (*users)(void* context, const char16_t* server, NameSink sink, void* sink_context);
    uint32_t (*global_groups)(void* context, const char16_t* server, NameSink sink, void* sink_context);
    uint32_t (*local_groups)(void* context, const char16_t* server, NameSink sink, void* sink_context);
    // The anonymous connection to the server's IPC$ share, and its end.
    uint32_t (*connect_ipc)(void* context, const char16_t* server);
    void (*cancel_ipc)(void* context, const char16_t* server);
    // The provider's own account of the last failure on this thread: false
    // when it has none.
    bool (*extended_error)(void* context, uint32_t* code, NetName* text, NetName* provider);
};
