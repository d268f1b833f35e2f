// Import of the 100 000-user export (each user with a password, a profile
// link, a check list and a return list) into an empty keelsim run as a
// program of its own, against the same requests replayed bare over the
// transport: what the engine adds to the exchanges it needs. The client's
// peak memory growth is reported beside the size of the file, which the
// import never holds whole.
#include <benchmark/benchmark.h>

#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "api/session.h"
#include "attrs/dictionary.h"
#include "platform/transport.h"
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

const Transport* g_inner = nullptr;
uint16_t recording_transact(TransportConnection* connection, const uint8_t* request, uint32_t request_length,
                            uint8_t* response, uint32_t response_capacity, uint32_t* bytes_read) {
    g.requests.emplace_back((const char*)request, request_length);
    return g_inner->transact(connection, request, request_length, response, response_capacity, bytes_read);
}

void write_users_fixture(const std::string& path) {
    FILE* file = fopen(path.c_str(), "wb");
    if (!file) abort();
    fprintf(file, "dictionary \"\" default.dict\n");
    for (uint32_t i = 0; i < g.users; ++i)
        fprintf(file,
                "object ++b-Native-User USER%06u\n"
                "property --Password hex \"0100 0000 0500 1000 1100 af31b22f92aed970725a0356631f7326 00000000\"\n"
                "property --User-Profile hex \"0100 0000 0000 1000 0100 4449414c55502d5354414e4441524400\"\n"
                "property Service-Type hex \"0200 0000 0100 0400 1100 02000000 0100 0400 2100 02000000\"\n"
                "property Session-Timeout hex \"0100 0000 0100 0400 2100 %02x%02x0000\"\n",
                (unsigned)i, (unsigned)(i & 255), (unsigned)(i >> 8 & 255));
    fclose(file);
}

void write_text(const std::string& path, const char* text) {
    FILE* file = fopen(path.c_str(), "wb");
    if (!file) abort();
    fputs(text, file);
    fclose(file);
}

void copy_file(const char* from, const std::string& to) {
    FILE* in = fopen(from, "rb");
    FILE* out = fopen(to.c_str(), "wb");
    if (!in || !out) abort();
    char chunk[4096];
    size_t got;
    while ((got = fread(chunk, 1, sizeof chunk, in)) > 0) fwrite(chunk, 1, got, out);
    fclose(in);
    fclose(out);
}

void start_server_on(const std::string& fixture) {
    std::string ready = g.dir + "/ready";
    unlink(ready.c_str());
    g.server = fork();
    if (g.server == 0) {
        execl(KEELSIM_PATH, KEELSIM_PATH, fixture.c_str(), "--ready-file", ready.c_str(), (char*)nullptr);
        _exit(127);
    }
    struct stat info;
    for (int i = 0; i < 6000 && stat(ready.c_str(), &info) != 0; ++i) usleep(10000);
    if (stat(ready.c_str(), &info) != 0) abort();
}

void stop_server() {
    if (!g.server) return;
    disconnect();
    kill(g.server, SIGTERM);
    waitpid(g.server, nullptr, 0);
    g.server = 0;
}

void connect_session() {
    PipeSession* session = nullptr;
    if (session_open(nullptr, &session) != 0) abort();
    set_current_session(session);
}

// The users exported by a child process, so that the export's own memory
// does not count here.
void make_export() {
    write_users_fixture(g.dir + "/users.fixture");
    start_server_on(g.dir + "/users.fixture");
    g.rif = g.dir + "/users.rif";
    pid_t child = fork();
    if (child == 0) {
        connect_session();
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
    stop_server();
    struct stat info;
    stat(g.rif.c_str(), &info);
    g.file_kb = (long)(info.st_size / 1024);
}

void prepare() {
    if (!g.dir.empty()) return;
    if (const char* users = getenv("KEEL_BENCH_USERS")) g.users = (uint32_t)strtoul(users, nullptr, 10);
    char dir[] = "/tmp/keelimport.XXXXXX";
    if (!mkdtemp(dir)) abort();
    g.dir = dir;
    setenv("KEEL_PIPE_DIR", dir, 1);
    copy_file(KEEL_DEMO_DIR "/default.dict", g.dir + "/default.dict");
    write_text(g.dir + "/empty.fixture", "dictionary \"\" default.dict\n");
    make_export();
}

// A fresh empty server and a session to it, outside the timing.
void fresh_server(benchmark::State& state) {
    state.PauseTiming();
    stop_server();
    start_server_on(g.dir + "/empty.fixture");
    connect_session();
    if (!dictionary_loaded(&g.dictionary) && !load_dictionary_into(&g.dictionary, nullptr, nullptr)) abort();
    state.ResumeTiming();
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

long peak_rss_kb() {
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void BM_ImportUsers(benchmark::State& state) {
    prepare();
    long before = peak_rss_kb();
    for (auto _ : state) {
        fresh_server(state);
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
        stop_server();
        start_server_on(g.dir + "/empty.fixture");
        g_inner = platform_transport();
        static Transport recording;
        recording = *g_inner;
        recording.transact = recording_transact;
        session_set_transport(&recording);
        connect_session();
        if (!dictionary_loaded(&g.dictionary) && !load_dictionary_into(&g.dictionary, nullptr, nullptr)) abort();
        g.requests.clear();
        run_import(state);
        disconnect();
        session_set_transport(nullptr);
    }
    const Transport* transport = platform_transport();
    static uint8_t response[MSG_BUFFER_SIZE];
    for (auto _ : state) {
        fresh_server(state);
        TransportConnection* connection = nullptr;
        if (transport->open("\\\\.\\pipe\\RADIUS Server API", &connection) != 0) abort();
        for (const std::string& request : g.requests) {
            uint32_t read = 0;
            if (transport->transact(connection, (const uint8_t*)request.data(), (uint32_t)request.size(), response,
                                    MSG_BUFFER_SIZE, &read) != 0)
                abort();
        }
        transport->close(connection);
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
    stop_server();
    return 0;
}
