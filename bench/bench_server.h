// The in-process keelsim every benchmark of this program talks to.
#pragma once

#include "sim/sim.h"

// Started on first use with an empty state; lives until the program ends.
SimServer* bench_server();
