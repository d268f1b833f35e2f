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

void write_fixture(const std::string& path) {
    FILE* file = fopen(path.c_str(), "wb");
    if (!file) abort();
    fprintf(file, "dictionary \"\" default.dict\n");
    for (uint32_t i = 0; i < g.users; ++i) {
        char name[32];
        snprintf(name, sizeof name, "USER%06u", (unsigned)i);
        g.name_list_bytes += strlen(name) + 1 + sizeof(uint32_t);
        fprintf(file,
                "object ++b-Native-User %s\n"
                "property --Password hex \"0100 0000 0500 1000 1100 af31b22f92aed970725a0356631f7326\"\n"
                "property --User-Profile hex \"0100 0000 0000 1000 0100 4449414c55502d5354414e4441524400\"\n"
                "property Service-Type hex \"0200 0000 0100 0400 1100 02000000 0100 0400 2100 02000000\"\n"
                "property Session-Timeout hex \"0100 0000 0100 0400 2100 %02x%02x0000\"\n",
                name, (unsigned)(i & 255), (unsigned)(i >> 8 & 255));
    }
    fclose(file);
}

void start_server() {
    if (g.server) return;
    if (const char* users = getenv("KEEL_BENCH_USERS")) g.users = (uint32_t)strtoul(users, nullptr, 10);
    g.dir = make_bench_directory("keelexport");
    write_fixture(g.dir + "/users.fixture");
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
