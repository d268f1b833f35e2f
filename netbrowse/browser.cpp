#include "netbrowse/browser.h"

#include <new>

void browser_init(BrowserEngine* engine, const NetworkDirectory& directory, ThreadStart start_thread) {
    engine->directory = directory;
    engine->start_thread = start_thread;
    engine->provider_known = false;
    engine->provider.text[0] = 0;
    engine->live_threads = 0;
}

void browser_join(BrowserEngine* engine) {
    std::unique_lock<std::mutex> hold(engine->threads_mutex);
    engine->threads_idle.wait(hold, [engine] { return engine->live_threads == 0; });
}

void browser_shutdown(BrowserEngine* engine) {
    browser_join(engine);
    domain_cache_clear(&engine->domains);
    host_cache_clear(&engine->hosts);
}

ProviderStatus browser_provider(BrowserEngine* engine, NetName* provider) {
    {
        std::lock_guard<std::mutex> hold(engine->provider_mutex);
        if (engine->provider_known) {
            *provider = engine->provider;
            return PROVIDER_FOUND;
        }
    }
    // Read outside the lock: two threads may both read it, to the same end.
    NetName read;
    ProviderStatus status = engine->directory.provider_name(engine->directory.context, &read);
    if (status != PROVIDER_FOUND) return status;
    std::lock_guard<std::mutex> hold(engine->provider_mutex);
    engine->provider = read;
    engine->provider_known = true;
    *provider = read;
    return PROVIDER_FOUND;
}

namespace {

struct Spawned {
    BrowserEngine* engine;
    ThreadBody body;
    void* argument;
};

void run_spawned(void* raw) {
    Spawned spawned = *static_cast<Spawned*>(raw);
    delete static_cast<Spawned*>(raw);
    spawned.body(spawned.argument);
    BrowserEngine* engine = spawned.engine;
    // Notified under the lock: once it is released the engine may go.
    std::lock_guard<std::mutex> hold(engine->threads_mutex);
    --engine->live_threads;
    engine->threads_idle.notify_all();
}

}  // namespace

bool browser_spawn(BrowserEngine* engine, ThreadBody body, void* argument) {
    Spawned* spawned = new (std::nothrow) Spawned{engine, body, argument};
    if (!spawned) return false;
    {
        std::lock_guard<std::mutex> hold(engine->threads_mutex);
        ++engine->live_threads;
    }
    if (engine->start_thread(run_spawned, spawned)) return true;
    delete spawned;
    std::lock_guard<std::mutex> hold(engine->threads_mutex);
    --engine->live_threads;
    engine->threads_idle.notify_all();
    return false;
}

uint16_t browser_state(BrowserEngine* engine, LookupKind kind) { return lookup_state(&engine->lookups[kind]); }

void browser_flush(BrowserEngine* engine, LookupKind kind) {
    if (kind == LOOKUP_DOMAINS)
        domain_cache_clear(&engine->domains);
    else
        host_cache_clear(&engine->hosts);
    lookup_set_state(&engine->lookups[kind], LOOKUP_NOT_READY);
}

bool browser_wait(BrowserEngine* engine, LookupKind kind, uint32_t milliseconds) {
    return event_wait(&engine->lookups[kind].done, milliseconds);
}

void browser_reset_event(BrowserEngine* engine, LookupKind kind) { event_reset(&engine->lookups[kind].done); }
