#include "tests/install/service_support_win32.h"

#include <gtest/gtest.h>

static const char SERVICE[] = "Keelgate Access Control";

std::string full_path(const std::string& path) {
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    return length > 0 && length < MAX_PATH ? std::string(full) : path;
}

std::string directory_of(const std::string& path) { return path.substr(0, path.find_last_of('\\') + 1); }

void remove_service() {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    ASSERT_NE(nullptr, manager);
    SC_HANDLE service = OpenServiceA(manager, SERVICE, SERVICE_ALL_ACCESS);
    if (service != nullptr) {
        SERVICE_STATUS status;
        ControlService(service, SERVICE_CONTROL_STOP, &status);
        for (int i = 0; i < 50 && QueryServiceStatus(service, &status) && status.dwCurrentState != SERVICE_STOPPED;
             ++i) {
            Sleep(100);
        }
        EXPECT_TRUE(DeleteService(service));
        CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
}

DWORD service_state() {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    SC_HANDLE service = OpenServiceA(manager, SERVICE, SERVICE_QUERY_STATUS);
    SERVICE_STATUS status = {};
    if (service != nullptr) QueryServiceStatus(service, &status);
    CloseServiceHandle(service);
    CloseServiceHandle(manager);
    return status.dwCurrentState;
}

DWORD wait_for_state(DWORD state) {
    for (int i = 0; i < 100 && service_state() != state; ++i) Sleep(100);
    return service_state();
}

ServiceConfig service_config() {
    ServiceConfig config = {};
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    SC_HANDLE service = OpenServiceA(manager, SERVICE, SERVICE_QUERY_CONFIG);
    alignas(QUERY_SERVICE_CONFIGA) BYTE buffer[8192];
    QUERY_SERVICE_CONFIGA* q = reinterpret_cast<QUERY_SERVICE_CONFIGA*>(buffer);
    DWORD needed = 0;
    if (service != nullptr && QueryServiceConfigA(service, q, sizeof buffer, &needed)) {
        config.type = q->dwServiceType;
        config.start = q->dwStartType;
        config.path = q->lpBinaryPathName != nullptr ? q->lpBinaryPathName : "";
        config.account = q->lpServiceStartName != nullptr ? q->lpServiceStartName : "";
    }
    // Wine's service manager leaves the dependencies out of the answer; the
    // registry has them.
    char dependencies[256] = "";
    DWORD size = sizeof dependencies - 1;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\Keelgate Access Control",
                     "DependOnService", RRF_RT_REG_MULTI_SZ, nullptr, dependencies, &size) == ERROR_SUCCESS) {
        config.dependencies = dependencies;
    }
    CloseServiceHandle(service);
    CloseServiceHandle(manager);
    return config;
}

bool file_exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
