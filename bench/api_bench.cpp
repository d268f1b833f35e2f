// What the client adds to a round trip: db_get through the session (request
// building, exchange, response parsing) against the same request sent as
// prebuilt bytes straight over the transport, both to an in-process keelsim.
#include <benchmark/benchmark.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "api/codec.h"
#include "api/db.h"
#include "api/session.h"
#include "bench/bench_server.h"
#include "platform/transport.h"

namespace {

void start_server() {
    static bool applied = false;
    if (applied) return;
    if (sim_apply(bench_server(), "object Client NAS1\nproperty IPAddress hex \"0a000001\"\n") != 0) abort();
    applied = true;
}

void BM_BareRoundTrip(benchmark::State& state) {
    start_server();
    const Transport* transport = platform_transport();
    TransportConnection* connection = nullptr;
    if (transport->open("\\\\.\\pipe\\RADIUS Server API", &connection) != 0) abort();
    uint8_t request_data[MSG_BUFFER_SIZE];
    MessageBuffer request;
    msg_init(&request, request_data, MSG_BUFFER_SIZE);
    msg_put_header(&request, 0, 1, 4);
    msg_put_string(&request, 2, "Client");
    msg_put_string(&request, 3, "NAS1");
    msg_put_string(&request, 4, "IPAddress");
    msg_put_u16(&request, 7, 64);
    msg_put_end(&request);
    static uint8_t response[MSG_BUFFER_SIZE];
    for (auto _ : state) {
        uint32_t read = 0;
        if (transport->transact(connection, request_data, request.position, response, MSG_BUFFER_SIZE, &read) != 0)
            abort();
        benchmark::DoNotOptimize(read);
    }
    transport->close(connection);
}

void BM_DbGet(benchmark::State& state) {
    start_server();
    PipeSession* session = nullptr;
    if (session_open(nullptr, &session) != 0) abort();
    set_current_session(session);
    uint8_t area[64];
    for (auto _ : state) {
        uint16_t length = sizeof area;
        if (db_get("Client", "NAS1", "IPAddress", area, &length) != 0 || length != 4) abort();
        benchmark::DoNotOptimize(area);
    }
    disconnect();
}

BENCHMARK(BM_BareRoundTrip)->MinTime(2.0);
BENCHMARK(BM_DbGet)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
