#include "platform/resolver.h"

bool system_resolve_host(const char* name, uint8_t octets[4]);

static HostResolver g_resolver = nullptr;

bool resolve_host(const char* name, uint8_t octets[4]) {
    return g_resolver ? g_resolver(name, octets) : system_resolve_host(name, octets);
}

void set_host_resolver(HostResolver resolver) { g_resolver = resolver; }
