// Made-up sessions in bulk, for scale tests and demos (the fixture
// statement "sessions COUNT").
#pragma once

#include <stdint.h>

#include <vector>

#include "sim/state.h"

// The most sessions a list may hold once made-up ones are added.
const uint32_t GENERATED_SESSIONS_LIMIT = 100000;

// Appends `count` distinct sessions, the same ones on every run: users,
// clients, ports, times and addresses each in an order of their own, so that
// sorting by any column gives a different order.
void add_generated_sessions(std::vector<SimSession>* sessions, uint32_t count);
