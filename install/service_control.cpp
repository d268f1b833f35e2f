#include "install/service_control.h"

#include <stdio.h>
#include <string.h>

#include "install/domain.h"
#include "install/text_compare.h"

const char* const SERVICE_NAME = "Keelgate Access Control";

static const char SYSTEM_ACCOUNT_KEYWORD[] = "usesystemaccount";
static const char SERVICES_KEY[] = "SYSTEM\\CurrentControlSet\\Services\\%s";
static const char MARKER_FILE[] = "killbtrv.cfg";
static const size_t PATH_SIZE = 1024;

// One-entry dependency lists, each ended by two NULs.
static const char NETLOGON_DEPENDENCY[] = "Netlogon\0";
static const char WORKSTATION_DEPENDENCY[] = "LanmanWorkstation\0";

bool service_account_name(const char* account, char* text, size_t text_size) {
    if (text_size == 0) return false;
    text[0] = '\0';
    if (account == nullptr || account[0] == '\0' || same_text_ignoring_case(account, SYSTEM_ACCOUNT_KEYWORD)) {
        return true;
    }
    const char* local = strchr(account, '\\') == nullptr ? ".\\" : "";
    int length = snprintf(text, text_size, "%s%s", local, account);
    return length >= 0 && static_cast<size_t>(length) < text_size;
}

// The service manager and the server's service, opened together and closed
// together.
struct OpenedService {
    HostHandle manager;
    HostHandle service;
};

static uint16_t open_server_service(const InstallHost& host, OpenedService* opened) {
    opened->manager = nullptr;
    opened->service = nullptr;
    if (host.open_manager(host.context, &opened->manager) != 0) return SERVICE_NO_MANAGER;
    uint32_t error = host.open_service(host.context, opened->manager, SERVICE_NAME, &opened->service);
    if (error == 0) return SERVICE_OK;
    host.close_service_handle(host.context, opened->manager);
    return error == HOST_ERROR_SERVICE_DOES_NOT_EXIST ? SERVICE_NOT_INSTALLED : SERVICE_NOT_OPENED;
}

static void close_server_service(const InstallHost& host, const OpenedService& opened) {
    host.close_service_handle(host.context, opened.service);
    host.close_service_handle(host.context, opened.manager);
}

bool service_is_installed(const InstallHost& host) {
    OpenedService opened;
    if (open_server_service(host, &opened) != SERVICE_OK) return false;
    close_server_service(host, opened);
    return true;
}

uint16_t service_install(const InstallHost& host, const char* binary_path, const char* account, const char* password) {
    char account_name[PATH_SIZE];
    if (binary_path == nullptr || !service_account_name(account, account_name, sizeof account_name)) {
        return SERVICE_NOT_CREATED;
    }
    bool system_account = account_name[0] == '\0';
    HostHandle manager = nullptr;
    if (host.open_manager(host.context, &manager) != 0) return SERVICE_NO_MANAGER;

    ServiceDefinition definition;
    definition.name = SERVICE_NAME;
    definition.binary_path = binary_path;
    definition.dependencies = domain_has_controllers(host) ? NETLOGON_DEPENDENCY : WORKSTATION_DEPENDENCY;
    definition.account = system_account ? nullptr : account_name;
    definition.password = system_account ? nullptr : password;
    HostHandle service = nullptr;
    uint32_t error = host.create_service(host.context, manager, &definition, &service);
    if (error == 0) host.close_service_handle(host.context, service);
    host.close_service_handle(host.context, manager);
    return error == 0 ? SERVICE_OK : SERVICE_NOT_CREATED;
}

uint16_t service_start(const InstallHost& host) {
    OpenedService opened;
    uint16_t result = open_server_service(host, &opened);
    // A missing service is one that cannot be opened, as far as starting goes.
    if (result == SERVICE_NOT_INSTALLED) return SERVICE_NOT_OPENED;
    if (result != SERVICE_OK) return result;
    if (host.start_service(host.context, opened.service) != 0) result = SERVICE_START_REFUSED;
    close_server_service(host, opened);
    return result;
}

// The marker file's path: the directory of the service's program. A quoted
// program path loses its quotes first, so arguments after it do not count.
static bool marker_path(const char* image_path, char* path, size_t path_size) {
    const char* start = image_path;
    const char* end = image_path + strlen(image_path);
    if (*start == '"') {
        ++start;
        const char* quote = strchr(start, '"');
        if (quote != nullptr) end = quote;
    }
    const char* last_slash = nullptr;
    for (const char* p = start; p < end; ++p) {
        if (*p == '\\') last_slash = p;
    }
    if (last_slash == nullptr) return false;
    int directory_length = static_cast<int>(last_slash + 1 - start);
    int length = snprintf(path, path_size, "%.*s%s", directory_length, start, MARKER_FILE);
    return length >= 0 && static_cast<size_t>(length) < path_size;
}

static uint16_t leave_marker(const InstallHost& host) {
    char key_path[PATH_SIZE];
    snprintf(key_path, sizeof key_path, SERVICES_KEY, SERVICE_NAME);
    HostHandle key = nullptr;
    if (host.open_key(host.context, key_path, &key) != 0) return SERVICE_NO_REGISTRY_KEY;
    char image_path[PATH_SIZE];
    uint32_t error = host.read_string(host.context, key, "ImagePath", image_path, sizeof image_path);
    host.close_key(host.context, key);
    char path[PATH_SIZE];
    if (error != 0 || !marker_path(image_path, path, sizeof path)) return SERVICE_NO_MARKER;
    return host.ensure_file(host.context, path) == 0 ? SERVICE_OK : SERVICE_NO_MARKER;
}

static uint16_t stop_and_wait(const InstallHost& host, HostHandle service) {
    uint32_t state = 0;
    // Refused, most often because it is not running: nothing to wait for.
    if (host.stop_service(host.context, service, &state) != 0) return SERVICE_OK;
    for (uint32_t query = 0; query < STOP_QUERY_COUNT; ++query) {
        host.sleep_ms(host.context, STOP_QUERY_INTERVAL_MS);
        if (host.query_service(host.context, service, &state) != 0) return SERVICE_STOP_TIMED_OUT;
        if (state != SERVICE_STATE_STOP_PENDING) break;
    }
    return state == SERVICE_STATE_STOPPED ? SERVICE_OK : SERVICE_STOP_TIMED_OUT;
}

uint16_t service_stop(const InstallHost& host) {
    OpenedService opened;
    uint16_t result = open_server_service(host, &opened);
    if (result != SERVICE_OK) return result;
    result = leave_marker(host);
    if (result == SERVICE_OK) result = stop_and_wait(host, opened.service);
    close_server_service(host, opened);
    return result;
}
