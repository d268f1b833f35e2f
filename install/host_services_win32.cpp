// The service manager, and the domain's controllers that a service may depend on.
#include "install/host_win32.h"
// After <windows.h>, which the host header brings.
#include <lm.h>

namespace {

uint32_t open_manager(void*, HostHandle* manager) {
    SC_HANDLE handle = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (handle == nullptr) return GetLastError();
    *manager = handle;
    return 0;
}

uint32_t open_service(void*, HostHandle manager, const char* name, HostHandle* service) {
    SC_HANDLE handle = OpenServiceA(static_cast<SC_HANDLE>(manager), name, SERVICE_ALL_ACCESS);
    if (handle == nullptr) return GetLastError();
    *service = handle;
    return 0;
}

uint32_t create_service(void*, HostHandle manager, const ServiceDefinition* d, HostHandle* service) {
    SC_HANDLE handle = CreateServiceA(static_cast<SC_HANDLE>(manager), d->name, d->name, SERVICE_ALL_ACCESS,
                                      SERVICE_WIN32_OWN_PROCESS, SERVICE_AUTO_START, SERVICE_ERROR_NORMAL,
                                      d->binary_path, nullptr, nullptr, d->dependencies, d->account, d->password);
    if (handle == nullptr) return GetLastError();
    *service = handle;
    return 0;
}

uint32_t start_service(void*, HostHandle service) {
    return StartServiceA(static_cast<SC_HANDLE>(service), 0, nullptr) ? 0 : GetLastError();
}

uint32_t stop_service(void*, HostHandle service, uint32_t* state) {
    SERVICE_STATUS status = {};
    if (!ControlService(static_cast<SC_HANDLE>(service), SERVICE_CONTROL_STOP, &status)) return GetLastError();
    *state = status.dwCurrentState;
    return 0;
}

uint32_t query_service(void*, HostHandle service, uint32_t* state) {
    SERVICE_STATUS status = {};
    if (!QueryServiceStatus(static_cast<SC_HANDLE>(service), &status)) return GetLastError();
    *state = status.dwCurrentState;
    return 0;
}

void close_service_handle(void*, HostHandle handle) {
    if (handle != nullptr) CloseServiceHandle(static_cast<SC_HANDLE>(handle));
}

// The whole list at once: a partial one could leave this computer out.
uint32_t list_domain_controllers(void*, VisitName visit, void* arg) {
    BYTE* buffer = nullptr;
    DWORD read = 0;
    DWORD total = 0;
    NET_API_STATUS status = NetServerEnum(nullptr, 101, &buffer, MAX_PREFERRED_LENGTH, &read, &total,
                                          SV_TYPE_DOMAIN_CTRL | SV_TYPE_DOMAIN_BAKCTRL, nullptr, nullptr);
    if (status != NERR_Success && status != ERROR_MORE_DATA) {
        if (buffer != nullptr) NetApiBufferFree(buffer);
        return status;
    }
    const SERVER_INFO_101* servers = reinterpret_cast<const SERVER_INFO_101*>(buffer);
    for (DWORD i = 0; i < read; ++i) {
        char name[256];
        if (WideCharToMultiByte(CP_ACP, 0, servers[i].sv101_name, -1, name, sizeof name, nullptr, nullptr) == 0) {
            continue;
        }
        if (!visit(arg, name)) break;
    }
    if (buffer != nullptr) NetApiBufferFree(buffer);
    return 0;
}

uint32_t computer_name(void*, char* name, size_t name_size) {
    DWORD size = static_cast<DWORD>(name_size);
    return GetComputerNameA(name, &size) ? 0 : GetLastError();
}

}  // namespace

void add_service_manager_functions(InstallHost* host) {
    host->open_manager = open_manager;
    host->open_service = open_service;
    host->create_service = create_service;
    host->start_service = start_service;
    host->stop_service = stop_service;
    host->query_service = query_service;
    host->close_service_handle = close_service_handle;
    host->list_domain_controllers = list_domain_controllers;
    host->computer_name = computer_name;
}
