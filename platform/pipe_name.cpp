#include "platform/computer_name.h"
#include "platform/transport.h"

#include <ctype.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

bool pipe_socket_path(const char* pipe_name, char* path, uint32_t path_size) {
    // "\\HOST\pipe\NAME"
    if (strncmp(pipe_name, "\\\\", 2) != 0) return false;
    const char* host = pipe_name + 2;
    const char* host_end = strchr(host, '\\');
    if (!host_end || host_end == host || strncmp(host_end, "\\pipe\\", 6) != 0) return false;
    const char* name = host_end + 6;
    if (*name == 0 || strchr(name, '/') || strchr(name, '\\')) return false;

    char host_text[256];
    size_t host_length = (size_t)(host_end - host);
    if (host_length == 1 && host[0] == '.') {
        if (!computer_name(host_text, sizeof host_text)) return false;
    } else {
        if (host_length >= sizeof host_text) return false;
        memcpy(host_text, host, host_length);
        host_text[host_length] = 0;
        if (strchr(host_text, '/')) return false;
    }
    for (char* c = host_text; *c; ++c) *c = (char)toupper((unsigned char)*c);

    const char* dir = getenv("KEEL_PIPE_DIR");
    if (!dir || !*dir) dir = "/tmp";
    int written = snprintf(path, path_size, "%s/%s@%s", dir, host_text, name);
    return written > 0 && (uint32_t)written < path_size;
}
