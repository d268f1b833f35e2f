// What the Windows tests of the installation library share: the server's
// service as the service manager sees it, and paths.
#pragma once

#include <windows.h>

#include <string>

std::string full_path(const std::string& path);
std::string directory_of(const std::string& path);
bool file_exists(const std::string& path);

struct ServiceConfig {
    DWORD type;
    DWORD start;
    std::string path;
    std::string account;
    std::string dependencies;
};

// The service "Keelgate Access Control": stopped and deleted when it exists;
// its state (0 when it does not exist); its state once it reaches `state` or
// after ten seconds; its configuration.
void remove_service();
DWORD service_state();
DWORD wait_for_state(DWORD state);
ServiceConfig service_config();
