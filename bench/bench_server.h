// keelsim in the benchmark's own process, its socket in a directory of
// its own.
#pragma once

struct SimServer;

// Starts the server on an empty database; aborts when it cannot.
SimServer* start_bench_server();
