// The two caches the lookups fill and the display functions read. Each has
// its own mutex, held only while its list is read or changed.
#pragma once

#include <mutex>
#include <vector>

#include "netbrowse/net_name.h"

struct DomainEntry {
    NetName name;
    NetName controller;  // empty when no controller was found
    bool reachable;      // a controller was found
};

struct DomainCache {
    std::mutex mutex;
    std::vector<DomainEntry> entries;
};

struct HostCache {
    std::mutex mutex;
    std::vector<NetName> hosts;
};

// Records a domain with its controller, or, with a null controller, records
// it unreachable unless it is already known (a later failure does not
// forget a controller found before).
void domain_cache_store(DomainCache* cache, const char16_t* domain, const char16_t* controller);
// The controller of a reachable domain; false when the domain is unknown or
// has none.
bool domain_cache_controller(DomainCache* cache, const char16_t* domain, NetName* controller);
std::vector<DomainEntry> domain_cache_copy(DomainCache* cache);
// The domains a list shows: those with a controller, in the order found.
std::vector<NetName> domain_cache_reachable(DomainCache* cache);
void domain_cache_clear(DomainCache* cache);

// Adds a host unless it is there already.
void host_cache_add(HostCache* cache, const char16_t* host);
std::vector<NetName> host_cache_copy(HostCache* cache);
void host_cache_clear(HostCache* cache);
