#include "tests/support/fake_resolver.h"

#include "platform/resolver.h"

static FakeResolver* g_resolver = nullptr;

static bool resolve(const char* name, uint8_t octets[4]) {
    ++g_resolver->lookups;
    g_resolver->last_name = name;
    auto found = g_resolver->hosts.find(name);
    if (found == g_resolver->hosts.end()) return false;
    for (int i = 0; i < 4; ++i) octets[i] = (uint8_t)(found->second >> (24 - 8 * i));
    return true;
}

FakeResolver::FakeResolver() {
    g_resolver = this;
    set_host_resolver(resolve);
}

FakeResolver::~FakeResolver() {
    set_host_resolver(nullptr);
    g_resolver = nullptr;
}

FakeResolver& FakeResolver::add(const char* name, uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
    hosts[name] = ((uint32_t)a << 24) | ((uint32_t)b << 16) | ((uint32_t)c << 8) | d;
    return *this;
}
