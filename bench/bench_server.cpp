#include "bench/bench_server.h"

#include <stdlib.h>
#include <unistd.h>

SimServer* bench_server() {
    static SimServer* server = nullptr;
    if (server) return server;
    static char dir[] = "/tmp/keelbench.XXXXXX";
    if (!mkdtemp(dir)) abort();
    setenv("KEEL_PIPE_DIR", dir, 1);
    SimOptions options;
    if (sim_start(options, &server) != 0) abort();
    return server;
}
