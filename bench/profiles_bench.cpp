// Removing a profile asks, before the delete, which user links it: one
// listing per user class and one read of "--User-Profile" per user. This
// measures that scan over 100 000 users, none of whom links the profile
// being removed, against keelsim in this process, with the requests it sent.
#include <benchmark/benchmark.h>

#include <stdio.h>
#include <stdlib.h>

#include <string>

#include "api/session.h"
#include "bench/bench_server.h"
#include "panels/profile_scan.h"
#include "sim/sim.h"

namespace {

const uint32_t USER_COUNT = 100000;

// Users spread over the profiles they link the way a real site has them:
// most link one of a few profiles, some link none.
std::string users_fixture() {
    static const char* const LINKS[] = {
        "0100 0000 0000 0700 0100  4449414c555000",  // DIALUP
        "0100 0000 0000 0500 0100  5354414600",      // STAF
        nullptr,
    };
    std::string text = "object ++a-Profile DIALUP\nobject ++a-Profile STAF\nobject ++a-Profile UNUSED\n";
    text.reserve(USER_COUNT * 90);
    char line[160];
    for (uint32_t i = 0; i < USER_COUNT; ++i) {
        snprintf(line, sizeof line, "object ++b-Native-User U%06u\n", i);
        text += line;
        const char* link = LINKS[i % 3];
        if (!link) continue;
        snprintf(line, sizeof line, "property --User-Profile hex \"%s\"\n", link);
        text += line;
    }
    return text;
}

SimServer* start_server() {
    SimServer* server = start_bench_server();
    if (sim_apply(server, users_fixture().c_str()) != 0) abort();
    return server;
}

uint32_t requests(SimServer* server) {
    // The database service and the lock service.
    return sim_request_count(server, 1, 0) + sim_request_count(server, 10, 0);
}

void BM_ProfileRemovalScan(benchmark::State& state) {
    SimServer* server = start_server();
    PipeSession* session = nullptr;
    if (session_open(nullptr, &session) != 0) abort();
    set_current_session(session);
    uint32_t sent = 0;
    for (auto _ : state) {
        uint32_t before = requests(server);
        LinkingUser user;
        if (find_linking_user("UNUSED", &user) != 0 || user.found) abort();
        sent = requests(server) - before;
    }
    state.counters["users"] = USER_COUNT;
    state.counters["requests"] = sent;
    state.counters["requests_per_user"] = (double)sent / USER_COUNT;
    session_reset();
    sim_stop(server);
}

BENCHMARK(BM_ProfileRemovalScan)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
