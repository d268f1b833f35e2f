// Names inside the browser: UTF-16, at most 256 units, as the network's
// account and server services hand them out.
#pragma once

#include <stddef.h>
#include <stdint.h>

const uint32_t NET_NAME_MAX = 256;

struct NetName {
    char16_t text[NET_NAME_MAX + 1];
};

// Number of units before the terminator (at most `limit`).
size_t net_text_length(const char16_t* text, size_t limit = NET_NAME_MAX);
// Copies `text`, cut at 256 units; a null text gives the empty name.
void net_name_set(NetName* name, const char16_t* text);
// Network names are compared without regard to ASCII case, as the
// network's own services compare them.
bool net_names_equal(const char16_t* a, const char16_t* b);
// The server a host's accounts are read from: "\\" put in front of a bare
// host name, a name that already begins with "\\" used as it is.
void server_of_host(const char16_t* host, NetName* server);
