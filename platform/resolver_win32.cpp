#include <windows.h>
#include <winsock2.h>

#include <stdint.h>
#include <string.h>

// The sockets library is loaded only for the lookup, so the console does not
// depend on it being present at start.
typedef int(WINAPI* StartupFunction)(WORD, LPWSADATA);
typedef int(WINAPI* CleanupFunction)(void);
typedef struct hostent*(WINAPI* LookupFunction)(const char*);

bool system_resolve_host(const char* name, uint8_t octets[4]) {
    HMODULE library = LoadLibraryA("wsock32.dll");
    if (!library) return false;
    StartupFunction startup = (StartupFunction)(void*)GetProcAddress(library, "WSAStartup");
    CleanupFunction cleanup = (CleanupFunction)(void*)GetProcAddress(library, "WSACleanup");
    LookupFunction lookup = (LookupFunction)(void*)GetProcAddress(library, "gethostbyname");
    bool found = false;
    WSADATA data;
    if (startup && cleanup && lookup && startup(MAKEWORD(1, 1), &data) == 0) {
        if (data.wVersion == MAKEWORD(1, 1)) {
            struct hostent* host = lookup(name);
            if (host && host->h_addrtype == AF_INET && host->h_length == 4 && host->h_addr_list[0]) {
                memcpy(octets, host->h_addr_list[0], 4);
                found = true;
            }
        }
        cleanup();
    }
    FreeLibrary(library);
    return found;
}
