// The network directory over the Windows network and account services.
#include <windows.h>

#include <lm.h>
#include <winnetwk.h>

#include "netbrowse/library_win32.h"

namespace {

const wchar_t PROVIDER_KEY[] = L"System\\CurrentControlSet\\Services\\LanmanWorkstation\\NetworkProvider";
// Container enumeration of the provider's own network, as the provider asks.
const DWORD USAGE_PROVIDER_CONTAINER = RESOURCEUSAGE_CONTAINER | 0x80000000;
const DWORD ENUM_BUFFER_SIZE = 3200;

const wchar_t* wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
const char16_t* units(const wchar_t* text) { return reinterpret_cast<const char16_t*>(text); }

ProviderStatus provider_name(void*, NetName* provider) {
    HKEY key;
    LONG opened = RegOpenKeyExW(HKEY_LOCAL_MACHINE, PROVIDER_KEY, 0, KEY_READ, &key);
    if (opened == ERROR_FILE_NOT_FOUND) return PROVIDER_ABSENT;
    if (opened != ERROR_SUCCESS) return PROVIDER_OPEN_FAILED;
    wchar_t name[NET_NAME_MAX + 1] = {};
    DWORD type = 0, size = sizeof name - sizeof name[0];
    LONG read = RegQueryValueExW(key, L"Name", nullptr, &type, reinterpret_cast<BYTE*>(name), &size);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ) || !name[0]) return PROVIDER_READ_FAILED;
    net_name_set(provider, units(name));
    return PROVIDER_FOUND;
}

uint32_t enumerate_domains(void*, const char16_t* provider, NameSink sink, void* sink_context) {
    NetName name;
    net_name_set(&name, provider);
    NETRESOURCEW start = {};
    start.dwScope = RESOURCE_CONNECTED;
    start.dwType = RESOURCETYPE_ANY;
    start.dwUsage = USAGE_PROVIDER_CONTAINER;
    start.lpRemoteName = const_cast<wchar_t*>(wide(name.text));
    start.lpProvider = const_cast<wchar_t*>(wide(name.text));
    HANDLE enumeration;
    DWORD error = WNetOpenEnumW(RESOURCE_GLOBALNET, RESOURCETYPE_ANY, RESOURCEUSAGE_CONTAINER, &start, &enumeration);
    if (error != NO_ERROR) return error;
    // Aligned for the records the buffer receives.
    NETRESOURCEW buffer[ENUM_BUFFER_SIZE / sizeof(NETRESOURCEW) + 1];
    bool more = true;
    while (more) {
        DWORD count = DWORD(-1), size = ENUM_BUFFER_SIZE;
        error = WNetEnumResourceW(enumeration, &count, buffer, &size);
        if (error != NO_ERROR) break;
        for (DWORD i = 0; i < count && more; ++i)
            if (buffer[i].lpRemoteName) more = sink(sink_context, units(buffer[i].lpRemoteName));
    }
    WNetCloseEnum(enumeration);
    return error == ERROR_NO_MORE_ITEMS || error == NO_ERROR ? 0 : error;
}

uint32_t domain_controller(void*, const char16_t* domain, NetName* controller) {
    BYTE* buffer = nullptr;
    NET_API_STATUS status = NetGetDCName(nullptr, wide(domain), &buffer);
    if (status == NERR_Success) net_name_set(controller, units(reinterpret_cast<wchar_t*>(buffer)));
    if (buffer) NetApiBufferFree(buffer);
    return status;
}

uint32_t domain_servers(void*, const char16_t* domain, NameSink sink, void* sink_context) {
    BYTE* buffer = nullptr;
    DWORD read = 0, total = 0;
    NET_API_STATUS status =
        NetServerEnum(nullptr, 100, &buffer, MAX_PREFERRED_LENGTH, &read, &total, SV_TYPE_NT, wide(domain), nullptr);
    // Without a resume handle a partial answer is all there is; keep it.
    if (status == NERR_Success || status == ERROR_MORE_DATA) {
        const SERVER_INFO_100* servers = reinterpret_cast<SERVER_INFO_100*>(buffer);
        for (DWORD i = 0; i < read; ++i)
            if (servers[i].sv100_name && !sink(sink_context, units(servers[i].sv100_name))) break;
        status = NERR_Success;
    }
    if (buffer) NetApiBufferFree(buffer);
    return status;
}

// The account listings share one shape: level 0 records holding a name,
// fetched in batches while the server has more.
template <typename Record, typename Enumerate>
uint32_t list_names(Enumerate enumerate, NameSink sink, void* sink_context) {
    DWORD_PTR resume = 0;
    NET_API_STATUS status;
    bool more = true;
    do {
        BYTE* buffer = nullptr;
        DWORD read = 0, total = 0;
        status = enumerate(&buffer, &read, &total, &resume);
        if (status == NERR_Success || status == ERROR_MORE_DATA) {
            const Record* records = reinterpret_cast<Record*>(buffer);
            for (DWORD i = 0; i < read && more; ++i) more = sink(sink_context, units(records[i].name()));
        }
        if (buffer) NetApiBufferFree(buffer);
    } while (status == ERROR_MORE_DATA && more);
    return status == ERROR_MORE_DATA ? 0 : status;
}

struct User {
    USER_INFO_0 info;
    const wchar_t* name() const { return info.usri0_name; }
};
struct Group {
    GROUP_INFO_0 info;
    const wchar_t* name() const { return info.grpi0_name; }
};
struct LocalGroup {
    LOCALGROUP_INFO_0 info;
    const wchar_t* name() const { return info.lgrpi0_name; }
};

uint32_t users(void*, const char16_t* server, NameSink sink, void* sink_context) {
    return list_names<User>(
        [server](BYTE** buffer, DWORD* read, DWORD* total, DWORD_PTR* resume) {
            DWORD handle = DWORD(*resume);
            NET_API_STATUS status =
                NetUserEnum(wide(server), 0, FILTER_NORMAL_ACCOUNT, buffer, MAX_PREFERRED_LENGTH, read, total, &handle);
            *resume = handle;
            return status;
        },
        sink, sink_context);
}

uint32_t global_groups(void*, const char16_t* server, NameSink sink, void* sink_context) {
    return list_names<Group>(
        [server](BYTE** buffer, DWORD* read, DWORD* total, DWORD_PTR* resume) {
            return NetGroupEnum(wide(server), 0, buffer, MAX_PREFERRED_LENGTH, read, total, resume);
        },
        sink, sink_context);
}

uint32_t local_groups(void*, const char16_t* server, NameSink sink, void* sink_context) {
    return list_names<LocalGroup>(
        [server](BYTE** buffer, DWORD* read, DWORD* total, DWORD_PTR* resume) {
            return NetLocalGroupEnum(wide(server), 0, buffer, MAX_PREFERRED_LENGTH, read, total, resume);
        },
        sink, sink_context);
}

// "\\SERVER\IPC$", cut to fit like every name.
void ipc_share(const char16_t* server, wchar_t* share, size_t size) {
    size_t length = net_text_length(server);
    const wchar_t suffix[] = L"\\IPC$";
    if (length + 5 >= size) length = size - 6;
    for (size_t i = 0; i < length; ++i) share[i] = wchar_t(server[i]);
    for (size_t i = 0; i < 6; ++i) share[length + i] = suffix[i];
}

uint32_t connect_ipc(void*, const char16_t* server) {
    wchar_t share[NET_NAME_MAX + 8];
    ipc_share(server, share, sizeof share / sizeof share[0]);
    NETRESOURCEW resource = {};
    resource.dwType = RESOURCETYPE_ANY;
    resource.lpRemoteName = share;
    // The empty user name and password ask for the anonymous logon.
    return WNetAddConnection2W(&resource, L"", L"", 0);
}

void cancel_ipc(void*, const char16_t* server) {
    wchar_t share[NET_NAME_MAX + 8];
    ipc_share(server, share, sizeof share / sizeof share[0]);
    WNetCancelConnection2W(share, 0, TRUE);
}

bool extended_error(void*, uint32_t* code, NetName* text, NetName* provider) {
    DWORD error = 0;
    wchar_t message[NET_NAME_MAX + 1] = {}, name[NET_NAME_MAX + 1] = {};
    if (WNetGetLastErrorW(&error, message, NET_NAME_MAX, name, NET_NAME_MAX) != NO_ERROR || !error) return false;
    *code = error;
    net_name_set(text, units(message));
    net_name_set(provider, units(name));
    return true;
}

}  // namespace

NetworkDirectory library_directory() {
    return NetworkDirectory{nullptr,       provider_name, enumerate_domains, domain_controller, domain_servers, users,
                            global_groups, local_groups,  connect_ipc,       cancel_ipc,        extended_error};
}
