// The server's service: whether it exists, installing, starting and stopping
// it through the service manager.
#pragma once

#include <stdint.h>

#include "install/install_host.h"

// The name and display name of the server's service.
extern const char* const SERVICE_NAME;

// Results of the service functions; the setup program acts on the numbers.
constexpr uint16_t SERVICE_OK = 0;
constexpr uint16_t SERVICE_NO_MANAGER = 1;
constexpr uint16_t SERVICE_START_REFUSED = 2;
constexpr uint16_t SERVICE_NOT_CREATED = 3;
constexpr uint16_t SERVICE_NOT_OPENED = 4;
constexpr uint16_t SERVICE_STOP_TIMED_OUT = 6;
constexpr uint16_t SERVICE_NOT_INSTALLED = 7;
constexpr uint16_t SERVICE_NO_REGISTRY_KEY = 8;
constexpr uint16_t SERVICE_NO_MARKER = 9;

// How long a stop is waited for: this many queries, one a second.
constexpr uint32_t STOP_QUERY_COUNT = 15;
constexpr uint32_t STOP_QUERY_INTERVAL_MS = 1000;

// The account the service runs under: absent or "usesystemaccount" (any
// case) is the local system account (`text` gets ""); a name without a
// backslash is a local account and gets ".\" in front. False when the result
// does not fit.
bool service_account_name(const char* account, char* text, size_t text_size);

bool service_is_installed(const InstallHost& host);
uint16_t service_install(const InstallHost& host, const char* binary_path, const char* account, const char* password);
// Asks the service to start and does not wait.
uint16_t service_start(const InstallHost& host);
// Leaves the marker file "killbtrv.cfg" beside the service's program, then
// stops the service and waits for it to report the stopped state.
uint16_t service_stop(const InstallHost& host);
