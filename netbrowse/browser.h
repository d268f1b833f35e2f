// The browser's engine: the domain and host caches, the two background
// lookups that fill them, and the network provider's name. One engine per
// loaded library; tests make their own over a scripted directory.
#pragma once

#include <stdint.h>

#include <condition_variable>
#include <mutex>
#include <vector>

#include "netbrowse/caches.h"
#include "netbrowse/directory.h"
#include "netbrowse/lookup_state.h"
#include "netbrowse/thread_start.h"

enum LookupKind { LOOKUP_DOMAINS = 0, LOOKUP_HOSTS = 1 };

struct BrowserEngine {
    NetworkDirectory directory;
    ThreadStart start_thread;
    DomainCache domains;
    HostCache hosts;
    Lookup lookups[2];
    // Read once, when first needed.
    std::mutex provider_mutex;
    bool provider_known;
    NetName provider;
    // Threads of this engine still running; shutdown waits for none.
    std::mutex threads_mutex;
    std::condition_variable threads_idle;
    uint32_t live_threads;
};

void browser_init(BrowserEngine* engine, const NetworkDirectory& directory, ThreadStart start_thread);
// Waits until every thread of the engine has ended.
void browser_join(BrowserEngine* engine);
// Joins, then empties the caches.
void browser_shutdown(BrowserEngine* engine);

// Starts the lookup's thread; false when it could not be started (the
// lookup then ends failed and signals).
bool browser_start_lookup(BrowserEngine* engine, LookupKind kind);
uint16_t browser_state(BrowserEngine* engine, LookupKind kind);
// Empties the cache and sets the state to 1.
void browser_flush(BrowserEngine* engine, LookupKind kind);
// True when the lookup's event is signalled within `milliseconds`.
bool browser_wait(BrowserEngine* engine, LookupKind kind, uint32_t milliseconds);
void browser_reset_event(BrowserEngine* engine, LookupKind kind);

// The provider's name, read from the directory the first time it is found.
ProviderStatus browser_provider(BrowserEngine* engine, NetName* provider);
// Starts a thread counted by the engine.
bool browser_spawn(BrowserEngine* engine, ThreadBody body, void* argument);
