// Ending running copies of the server's programs before their files are
// replaced, and registering the server's performance counters.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "install/install_host.h"

constexpr size_t PROCESS_LIST_CAPACITY = 1024;
constexpr size_t PROCESS_PATH_SIZE = 1024;
constexpr uint32_t END_POLL_INTERVAL_MS = 50;
// A process that has not ended after this many polls is given up on.
constexpr uint32_t END_POLL_LIMIT = 200;
constexpr uint32_t AFTER_KILL_WAIT_MS = 1500;

// Ends every process whose program path begins with `prefix` (ignoring case),
// except the caller. An empty prefix ends nothing.
void kill_processes(const InstallHost& host, const char* prefix);
// Hands the counter definition file to the counter-text loader; returns the
// platform error.
uint32_t install_counters(const InstallHost& host, const char* definition_file);
