// The Current Users window with 10 000 sessions on an in-process keelsim:
// the whole fetch (batches of 72, ordering, repeats dropped) and the
// re-sort after a column swap.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include "api/session.h"
#include "bench/bench_server.h"
#include "sim/sim.h"
#include "stats/session_list.h"

namespace {

const uint32_t SESSIONS = 10000;

void connect_with_sessions() {
    static bool ready = false;
    if (ready) return;
    if (sim_apply(start_bench_server(), "sessions 10000\n") != 0) abort();
    PipeSession* session = nullptr;
    if (session_open(nullptr, &session) != 0) abort();
    set_current_session(session);
    ready = true;
}

void BM_FetchSessions(benchmark::State& state) {
    connect_with_sessions();
    SessionList list;
    session_list_init(&list);
    for (auto _ : state) {
        if (session_list_fetch(&list) != 0 || list.held != SESSIONS) abort();
        benchmark::DoNotOptimize(list.rows);
    }
    session_list_free(&list);
}

// Alternately "Time" and then "IP Address" moved to the front: each swap
// orders all rows anew.
void BM_ResortSessions(benchmark::State& state) {
    connect_with_sessions();
    SessionList list;
    session_list_init(&list);
    if (session_list_fetch(&list) != 0) abort();
    uint32_t other = 4;
    for (auto _ : state) {
        session_list_swap_columns(&list, 0, other);
        other = other == 4 ? 6 : 4;
        benchmark::DoNotOptimize(list.rows);
    }
    session_list_free(&list);
}

BENCHMARK(BM_FetchSessions)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ResortSessions)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
