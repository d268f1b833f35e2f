// Export of 100 000 native users (each with a password, a profile link, a
// check list and a return list) from keelsim running as a program of its
// own, against the same requests replayed bare over the transport: what
// the engine adds to the exchanges it needs. The client's peak memory is
// reported beside the size of the users' sorted name list.
#include <benchmark/benchmark.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "api/session.h"
#include "attrs/dictionary.h"
#include "bench/sim_program.h"
#include "transfer/export_engine.h"

namespace {

struct BenchState {
    std::string dir;
    pid_t server = 0;
    uint32_t users = 100000;
    Dictionary dictionary = {};
    std::vector<std::string> requests;  // every request of one export, as sent
    uint64_t name_list_bytes = 0;
};
BenchState g;

void start_server() {
    if (g.server) return;
    if (const char* users = getenv("KEEL_BENCH_USERS")) g.users = (uint32_t)strtoul(users, nullptr, 10);
    g.dir = make_bench_directory("keelexport");
    write_users_fixture(g.dir + "/users.fixture", g.users);
    g.name_list_bytes = (uint64_t)g.users * (strlen("USER000000") + 1 + sizeof(uint32_t));
    g.server = start_sim_program(g.dir, g.dir + "/users.fixture");
    open_bench_session();
    if (!load_dictionary_into(&g.dictionary, nullptr, nullptr)) abort();
}

ExportSelection users_only() {
    ExportSelection selection = {};
    selection.parts[EXPORT_USERS] = true;
    return selection;
}

void run_export(benchmark::State& state) {
    ExportResult result = {};
    uint32_t errors = 0;
    ExportCallbacks callbacks = {nullptr, nullptr};
    std::string path = g.dir + "/users.rif";
    std::string log = g.dir + "/export.log";
    export_to_file(path.c_str(), users_only(), &g.dictionary, log.c_str(), callbacks, &result, &errors);
    if (errors != 0 || result.objects != g.users) state.SkipWithError("the export logged errors");
}

void BM_ExportUsers(benchmark::State& state) {
    start_server();
    long before = peak_rss_kb();
    for (auto _ : state) run_export(state);
    state.counters["users"] = g.users;
    state.counters["peak_rss_growth_kb"] = (double)(peak_rss_kb() - before);
    state.counters["name_list_kb"] = (double)g.name_list_bytes / 1024.0;
}

void BM_BareExchanges(benchmark::State& state) {
    start_server();
    if (g.requests.empty()) {
        // One export through the recording transport gives the requests.
        record_requests(&g.requests);
        run_export(state);
        record_requests(nullptr);
    }
    for (auto _ : state) replay_requests(g.requests);
    state.counters["requests"] = (double)g.requests.size();
}

BENCHMARK(BM_ExportUsers)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_BareExchanges)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    stop_sim_program(&g.server);
    return 0;
}
