// Export of 100 000 native users (each with a password, a profile link, a
// check list and a return list) from keelsim running as a program of its
// own, against the same requests replayed bare over the transport: what
// the engine adds to the exchanges it needs. The client's peak memory is
// reported beside the size of the users' sorted name list.
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

// Records each request on its way through the platform's transport.
const Transport* g_inner = nullptr;
uint16_t recording_transact(TransportConnection* connection, const uint8_t* request, uint32_t request_length,
                            uint8_t* response, uint32_t response_capacity, uint32_t* bytes_read) {
    g.requests.emplace_back((const char*)request, request_length);
    return g_inner->transact(connection, request, request_length, response, response_capacity, bytes_read);
}

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

void start_server() {
    if (g.server) return;
    if (const char* users = getenv("KEEL_BENCH_USERS")) g.users = (uint32_t)strtoul(users, nullptr, 10);
    char dir[] = "/tmp/keelexport.XXXXXX";
    if (!mkdtemp(dir)) abort();
    g.dir = dir;
    setenv("KEEL_PIPE_DIR", dir, 1);
    copy_file(KEEL_DEMO_DIR "/default.dict", g.dir + "/default.dict");
    write_fixture(g.dir + "/users.fixture");
    std::string ready = g.dir + "/ready";
    g.server = fork();
    if (g.server == 0) {
        execl(KEELSIM_PATH, KEELSIM_PATH, (g.dir + "/users.fixture").c_str(), "--ready-file", ready.c_str(),
              (char*)nullptr);
        _exit(127);
    }
    struct stat info;
    for (int i = 0; i < 6000 && stat(ready.c_str(), &info) != 0; ++i) usleep(10000);
    if (stat(ready.c_str(), &info) != 0) abort();
    PipeSession* session = nullptr;
    if (session_open(nullptr, &session) != 0) abort();
    set_current_session(session);
    if (!load_dictionary_into(&g.dictionary, nullptr, nullptr)) abort();
}

void stop_server() {
    if (!g.server) return;
    disconnect();
    kill(g.server, SIGTERM);
    waitpid(g.server, nullptr, 0);
    g.server = 0;
}

ExportSelection users_only() {
    ExportSelection selection = {};
    selection.parts[EXPORT_USERS] = true;
    return selection;
}

long peak_rss_kb() {
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
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
        g_inner = platform_transport();
        static Transport recording;
        recording = *g_inner;
        recording.transact = recording_transact;
        disconnect();
        session_set_transport(&recording);
        PipeSession* session = nullptr;
        if (session_open(nullptr, &session) != 0) abort();
        set_current_session(session);
        run_export(state);
        disconnect();
        session_set_transport(nullptr);
        if (session_open(nullptr, &session) != 0) abort();
        set_current_session(session);
    }
    const Transport* transport = platform_transport();
    TransportConnection* connection = nullptr;
    if (transport->open("\\\\.\\pipe\\RADIUS Server API", &connection) != 0) abort();
    static uint8_t response[MSG_BUFFER_SIZE];
    for (auto _ : state) {
        for (const std::string& request : g.requests) {
            uint32_t read = 0;
            if (transport->transact(connection, (const uint8_t*)request.data(), (uint32_t)request.size(), response,
                                    MSG_BUFFER_SIZE, &read) != 0)
                abort();
        }
    }
    transport->close(connection);
    state.counters["requests"] = (double)g.requests.size();
}

BENCHMARK(BM_ExportUsers)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_BareExchanges)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    stop_server();
    return 0;
}
