#include "shell/attach_host.h"

#include <windows.h>
#include <winnetwk.h>

#include <stdio.h>

bool attach_host(const char* server, const char* user, const char* password) {
    char remote[300];
    int written = snprintf(remote, sizeof remote, "\\\\%s", server);
    if (written <= 0 || (size_t)written >= sizeof remote) return false;
    char provider[] = "Microsoft Windows Network";
    NETRESOURCEA resource = {};
    resource.dwType = RESOURCETYPE_ANY;
    resource.lpLocalName = nullptr;
    resource.lpRemoteName = remote;
    resource.lpProvider = provider;
    DWORD result = WNetAddConnection2A(&resource, password, user, 0);
    return result == NO_ERROR;
}
