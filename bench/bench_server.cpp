#include "bench/bench_server.h"

#include <stdlib.h>
#include <unistd.h>

#include "sim/sim.h"

SimServer* start_bench_server() {
    static char dir[] = "/tmp/keelbench.XXXXXX";
    if (!mkdtemp(dir)) abort();
    setenv("KEEL_PIPE_DIR", dir, 1);
    SimOptions options;
    SimServer* server = nullptr;
    if (sim_start(options, &server) != 0) abort();
    return server;
}
