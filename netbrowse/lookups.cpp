// The two background lookups: domains (one worker per domain asks for its
// controller) and hosts (the NT servers of every domain). No lock is held
// while the directory is asked anything.
#include <new>

#include "netbrowse/browser.h"

namespace {

struct Run {
    BrowserEngine* engine;
    uint32_t generation;
    // The domain run's own lock, for its pending workers and failure mark.
    std::mutex mutex;
    std::condition_variable idle;
    uint32_t pending = 0;
    bool failed = false;
    std::vector<NetName> domains;  // the host run's list of domains
};

struct Worker {
    Run* run;
    NetName domain;
};

void domain_worker(void* raw) {
    Worker* worker = static_cast<Worker*>(raw);
    Run* run = worker->run;
    BrowserEngine* engine = run->engine;
    NetName controller;
    uint32_t error = engine->directory.domain_controller(engine->directory.context, worker->domain.text, &controller);
    // A run overtaken by a restart leaves the fresh cache to the new run.
    if (lookup_is_current(&engine->lookups[LOOKUP_DOMAINS], run->generation))
        domain_cache_store(&engine->domains, worker->domain.text, error ? nullptr : controller.text);
    delete worker;
    std::lock_guard<std::mutex> hold(run->mutex);
    --run->pending;
    run->idle.notify_all();
}

bool start_domain_worker(void* context, const char16_t* domain) {
    Run* run = static_cast<Run*>(context);
    Worker* worker = new (std::nothrow) Worker{run, {}};
    bool started = false;
    if (worker) {
        net_name_set(&worker->domain, domain);
        {
            std::lock_guard<std::mutex> hold(run->mutex);
            ++run->pending;
        }
        started = browser_spawn(run->engine, domain_worker, worker);
        if (!started) {
            delete worker;
            std::lock_guard<std::mutex> hold(run->mutex);
            --run->pending;
        }
    }
    if (!started) {
        std::lock_guard<std::mutex> hold(run->mutex);
        run->failed = true;
    }
    return started;
}

void domain_lookup(void* raw) {
    Run* run = static_cast<Run*>(raw);
    BrowserEngine* engine = run->engine;
    NetName provider;
    bool failed = true;
    if (browser_provider(engine, &provider) == PROVIDER_FOUND) {
        uint32_t error =
            engine->directory.enumerate_domains(engine->directory.context, provider.text, start_domain_worker, run);
        std::unique_lock<std::mutex> hold(run->mutex);
        run->idle.wait(hold, [run] { return run->pending == 0; });
        failed = error != 0 || run->failed;
    }
    lookup_end(&engine->lookups[LOOKUP_DOMAINS], run->generation, failed ? LOOKUP_FAILED : LOOKUP_READY);
    delete run;
}

bool collect_domain(void* context, const char16_t* domain) {
    Run* run = static_cast<Run*>(context);
    run->domains.push_back(NetName{});
    net_name_set(&run->domains.back(), domain);
    return true;
}

bool add_host(void* context, const char16_t* host) {
    Run* run = static_cast<Run*>(context);
    if (lookup_is_current(&run->engine->lookups[LOOKUP_HOSTS], run->generation))
        host_cache_add(&run->engine->hosts, host);
    return true;
}

void host_lookup(void* raw) {
    Run* run = static_cast<Run*>(raw);
    BrowserEngine* engine = run->engine;
    const NetworkDirectory& directory = engine->directory;
    NetName provider;
    bool failed = true;
    if (browser_provider(engine, &provider) == PROVIDER_FOUND &&
        directory.enumerate_domains(directory.context, provider.text, collect_domain, run) == 0) {
        // A domain whose servers cannot be listed leaves the others' hosts
        // usable: the lookup still ends ready.
        for (const NetName& domain : run->domains)
            directory.domain_servers(directory.context, domain.text, add_host, run);
        failed = false;
    }
    lookup_end(&engine->lookups[LOOKUP_HOSTS], run->generation, failed ? LOOKUP_FAILED : LOOKUP_READY);
    delete run;
}

}  // namespace

bool browser_start_lookup(BrowserEngine* engine, LookupKind kind) {
    Lookup* lookup = &engine->lookups[kind];
    uint32_t generation = lookup_begin(lookup);
    Run* run = new (std::nothrow) Run;
    if (run) {
        run->engine = engine;
        run->generation = generation;
        if (browser_spawn(engine, kind == LOOKUP_DOMAINS ? domain_lookup : host_lookup, run)) return true;
        delete run;
    }
    lookup_end(lookup, generation, LOOKUP_FAILED);
    return false;
}
