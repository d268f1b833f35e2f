#include "bench/sim_program.h"

#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "api/codec.h"
#include "api/session.h"
#include "platform/transport.h"

namespace {

std::vector<std::string>* g_recorded = nullptr;
const Transport* g_inner = nullptr;

uint16_t recording_transact(TransportConnection* connection, const uint8_t* request, uint32_t request_length,
                            uint8_t* response, uint32_t response_capacity, uint32_t* bytes_read) {
    if (g_recorded) g_recorded->emplace_back((const char*)request, request_length);
    return g_inner->transact(connection, request, request_length, response, response_capacity, bytes_read);
}

}  // namespace

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

std::string make_bench_directory(const char* prefix) {
    std::string pattern = std::string("/tmp/") + prefix + ".XXXXXX";
    std::vector<char> dir(pattern.begin(), pattern.end());
    dir.push_back(0);
    if (!mkdtemp(dir.data())) abort();
    setenv("KEEL_PIPE_DIR", dir.data(), 1);
    copy_file(KEEL_DEMO_DIR "/default.dict", std::string(dir.data()) + "/default.dict");
    return dir.data();
}

pid_t start_sim_program(const std::string& dir, const std::string& fixture) {
    std::string ready = dir + "/ready";
    unlink(ready.c_str());
    pid_t server = fork();
    if (server == 0) {
        execl(KEELSIM_PATH, KEELSIM_PATH, fixture.c_str(), "--ready-file", ready.c_str(), (char*)nullptr);
        _exit(127);
    }
    struct stat info;
    for (int i = 0; i < 6000 && stat(ready.c_str(), &info) != 0; ++i) usleep(10000);
    if (stat(ready.c_str(), &info) != 0) abort();
    return server;
}

void stop_sim_program(pid_t* server) {
    if (!*server) return;
    disconnect();
    kill(*server, SIGTERM);
    waitpid(*server, nullptr, 0);
    *server = 0;
}

void open_bench_session() {
    PipeSession* session = nullptr;
    if (session_open(nullptr, &session) != 0) abort();
    set_current_session(session);
}

void record_requests(std::vector<std::string>* requests) {
    static Transport recording;
    disconnect();
    g_recorded = requests;
    if (requests) {
        g_inner = platform_transport();
        recording = *g_inner;
        recording.transact = recording_transact;
        session_set_transport(&recording);
    } else {
        session_set_transport(nullptr);
    }
    open_bench_session();
}

void replay_requests(const std::vector<std::string>& requests) {
    const Transport* transport = platform_transport();
    TransportConnection* connection = nullptr;
    if (transport->open("\\\\.\\pipe\\RADIUS Server API", &connection) != 0) abort();
    static uint8_t response[MSG_BUFFER_SIZE];
    for (const std::string& request : requests) {
        uint32_t read = 0;
        if (transport->transact(connection, (const uint8_t*)request.data(), (uint32_t)request.size(), response,
                                MSG_BUFFER_SIZE, &read) != 0)
            abort();
    }
    transport->close(connection);
}

void write_users_fixture(const std::string& path, uint32_t users) {
    FILE* file = fopen(path.c_str(), "wb");
    if (!file) abort();
    fprintf(file, "dictionary \"\" default.dict\n");
    for (uint32_t i = 0; i < users; ++i)
        fprintf(file,
                "object ++b-Native-User USER%06u\n"
                "property --Password hex \"0100 0000 0500 1000 1100 af31b22f92aed970725a0356631f7326 00000000\"\n"
                "property --User-Profile hex \"0100 0000 0000 1000 0100 4449414c55502d5354414e4441524400\"\n"
                "property Service-Type hex \"0200 0000 0100 0400 1100 02000000 0100 0400 2100 02000000\"\n"
                "property Session-Timeout hex \"0100 0000 0100 0400 2100 %02x%02x0000\"\n",
                (unsigned)i, (unsigned)(i & 255), (unsigned)(i >> 8 & 255));
    fclose(file);
}

long peak_rss_kb() {
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
