// Host-name lookup for address fields.
#pragma once

#include <stdint.h>

// Looks `name` up; true with the host's first IPv4 address, first octet
// first. No message is shown here.
bool resolve_host(const char* name, uint8_t octets[4]);

// Tests replace the lookup (no test may depend on the network); null
// restores the system's.
typedef bool (*HostResolver)(const char* name, uint8_t octets[4]);
void set_host_resolver(HostResolver resolver);
