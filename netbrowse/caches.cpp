#include "netbrowse/caches.h"

static DomainEntry* find_domain(DomainCache* cache, const char16_t* domain) {
    for (DomainEntry& entry : cache->entries)
        if (net_names_equal(entry.name.text, domain)) return &entry;
    return nullptr;
}

void domain_cache_store(DomainCache* cache, const char16_t* domain, const char16_t* controller) {
    std::lock_guard<std::mutex> hold(cache->mutex);
    DomainEntry* entry = find_domain(cache, domain);
    if (!entry) {
        cache->entries.push_back(DomainEntry{});
        entry = &cache->entries.back();
        net_name_set(&entry->name, domain);
        entry->reachable = false;
    }
    if (controller) {
        net_name_set(&entry->controller, controller);
        entry->reachable = true;
    }
}

bool domain_cache_controller(DomainCache* cache, const char16_t* domain, NetName* controller) {
    std::lock_guard<std::mutex> hold(cache->mutex);
    DomainEntry* entry = find_domain(cache, domain);
    if (!entry || !entry->reachable) return false;
    *controller = entry->controller;
    return true;
}

std::vector<DomainEntry> domain_cache_copy(DomainCache* cache) {
    std::lock_guard<std::mutex> hold(cache->mutex);
    return cache->entries;
}

std::vector<NetName> domain_cache_reachable(DomainCache* cache) {
    std::vector<NetName> names;
    std::lock_guard<std::mutex> hold(cache->mutex);
    for (const DomainEntry& entry : cache->entries)
        if (entry.reachable) names.push_back(entry.name);
    return names;
}

void domain_cache_clear(DomainCache* cache) {
    std::lock_guard<std::mutex> hold(cache->mutex);
    cache->entries.clear();
}

void host_cache_add(HostCache* cache, const char16_t* host) {
    std::lock_guard<std::mutex> hold(cache->mutex);
    for (const NetName& known : cache->hosts)
        if (net_names_equal(known.text, host)) return;
    cache->hosts.push_back(NetName{});
    net_name_set(&cache->hosts.back(), host);
}

std::vector<NetName> host_cache_copy(HostCache* cache) {
    std::lock_guard<std::mutex> hold(cache->mutex);
    return cache->hosts;
}

void host_cache_clear(HostCache* cache) {
    std::lock_guard<std::mutex> hold(cache->mutex);
    cache->hosts.clear();
}
