// Import of the 100 000-user export (each user with a password, a profile
// link, a check list and a return list) into an empty keelsim run as a
// program of its own, against the same requests replayed bare over the
// transport: what the engine adds to the exchanges it needs. The client's
// peak memory growth is reported beside the size of the file, which the
// import never holds whole.
#include <benchmark/benchmark.h>

#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "api/session.h"
#include "attrs/dictionary.h"
#include "bench/sim_program.h"
#include "transfer/export_engine.h"
#include "transfer/import_engine.h"

namespace {

struct BenchState {
    std::string dir;
    pid_t server = 0;
    uint32_t users = 100000;
    Dictionary dictionary = {};
    std::string rif;                    // the export of the users
    std::vector<std::string> requests;  // every request of one import, as sent
    long file_kb = 0;
};
BenchState g;

// The users exported by a child process, so that the export's own memory
// does not count here.
void make_export() {
    write_users_fixture(g.dir + "/users.fixture", g.users);
    g.server = start_sim_program(g.dir, g.dir + "/users.fixture");
    g.rif = g.dir + "/users.rif";
    pid_t child = fork();
    if (child == 0) {
        open_bench_session();
        Dictionary dictionary = {};
        if (!load_dictionary_into(&dictionary, nullptr, nullptr)) _exit(1);
        ExportSelection selection = {};
        selection.parts[EXPORT_USERS] = true;
        ExportCallbacks callbacks = {nullptr, nullptr};
        ExportResult result = {};
        uint32_t errors = 0;
        export_to_file(g.rif.c_str(), selection, &dictionary, (g.dir + "/export.log").c_str(), callbacks, &result,
                       &errors);
        _exit(errors == 0 && result.objects == g.users ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) abort();
    stop_sim_program(&g.server);
    struct stat info;
    stat(g.rif.c_str(), &info);
    g.file_kb = (long)(info.st_size / 1024);
}

void prepare() {
    if (!g.dir.empty()) return;
    if (const char* users = getenv("KEEL_BENCH_USERS")) g.users = (uint32_t)strtoul(users, nullptr, 10);
    g.dir = make_bench_directory("keelimport");
    FILE* empty = fopen((g.dir + "/empty.fixture").c_str(), "wb");
    if (!empty) abort();
    fputs("dictionary \"\" default.dict\n", empty);
    fclose(empty);
    make_export();
}

// A fresh empty server and a session to it.
void fresh_server() {
    stop_sim_program(&g.server);
    g.server = start_sim_program(g.dir, g.dir + "/empty.fixture");
    open_bench_session();
    if (!dictionary_loaded(&g.dictionary) && !load_dictionary_into(&g.dictionary, nullptr, nullptr)) abort();
}

void run_import(benchmark::State& state) {
    ImportRun* run = (ImportRun*)calloc(1, sizeof(ImportRun));
    if (import_open(run, g.rif.c_str(), (g.dir + "/import.log").c_str()) != IMPORT_OPENED) abort();
    import_scan(run, &g.dictionary);
    selection_set_all(&run->pages, true);
    ImportCallbacks callbacks = {nullptr, nullptr, nullptr};
    import_selected(run, REPLACE_ASK, callbacks);
    if (run->log.errors != 0 || run->result.written != g.users) state.SkipWithError("the import logged errors");
    import_close(run);
    free(run);
}

void BM_ImportUsers(benchmark::State& state) {
    prepare();
    long before = peak_rss_kb();
    for (auto _ : state) {
        state.PauseTiming();
        fresh_server();
        state.ResumeTiming();
        run_import(state);
    }
    state.counters["users"] = g.users;
    state.counters["peak_rss_growth_kb"] = (double)(peak_rss_kb() - before);
    state.counters["file_kb"] = (double)g.file_kb;
}

void BM_BareExchanges(benchmark::State& state) {
    prepare();
    if (g.requests.empty()) {
        // One import through the recording transport gives the requests.
        fresh_server();
        record_requests(&g.requests);
        run_import(state);
        record_requests(nullptr);
    }
    for (auto _ : state) {
        state.PauseTiming();
        fresh_server();
        state.ResumeTiming();
        replay_requests(g.requests);
    }
    state.counters["requests"] = (double)g.requests.size();
}

BENCHMARK(BM_ImportUsers)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_BareExchanges)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    stop_sim_program(&g.server);
    return 0;
}
