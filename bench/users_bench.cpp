// The users list with 100 000 native users: the panel's fill (every user
// class listed under the server lock, the listed forms gathered and
// ordered once) against the bare enumeration exchanges of the same names.
#include <benchmark/benchmark.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <string>

#include "api/db.h"
#include "api/db_lists.h"
#include "api/requests.h"
#include "api/session.h"
#include "bench/bench_server.h"
#include "panels/user_record.h"
#include "sim/sim.h"

namespace {

const int USER_COUNT = 100000;
SimServer* g_server = nullptr;

void start_server() {
    if (g_server) return;
    g_server = start_bench_server();
    std::string fixture;
    char line[64];
    for (int i = 0; i < USER_COUNT; ++i) {
        snprintf(line, sizeof line, "object ++b-Native-User USER%06d\n", i);
        fixture += line;
    }
    if (sim_apply(g_server, fixture.c_str()) != 0) abort();
    PipeSession* session = nullptr;
    if (session_open(nullptr, &session) != 0) abort();
    set_current_session(session);
}

// The exchanges alone: each class's batches under the lock, names only
// counted.
void BM_BareEnumeration(benchmark::State& state) {
    start_server();
    static uint8_t area[4096];
    for (auto _ : state) {
        uint32_t names = 0;
        for (uint8_t kind = 0; kind < USER_KIND_COUNT; ++kind) {
            const char* cls = user_kind_info(static_cast<UserKind>(kind)).class_name;
            under_server_lock([&] {
                std::string after;
                bool more = true;
                while (more) {
                    uint16_t length = sizeof area;
                    if (db_enumerate(cls, nullptr, nullptr, after.empty() ? nullptr : after.c_str(), area, &length,
                                     &more) != 0)
                        abort();
                    const char* last = nullptr;
                    for (uint16_t at = 0; at + 1 < length && area[at];) {
                        last = (const char*)area + at;
                        ++names;
                        at += (uint16_t)(strlen(last) + 1);
                    }
                    if (!last) break;
                    after = last;
                }
                return (uint16_t)0;
            });
        }
        if (names != USER_COUNT) abort();
    }
}

void BM_UsersListFill(benchmark::State& state) {
    start_server();
    for (auto _ : state) {
        NameList names;
        if (list_users(&names) != 0 || names.count != USER_COUNT) abort();
        name_list_free(&names);
    }
}

BENCHMARK(BM_BareEnumeration)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_UsersListFill)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace

BENCHMARK_MAIN();
