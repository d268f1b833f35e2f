// Armed faults and the effect they have on the request that fires them.
#pragma once

#include <stdint.h>

#include <vector>

#include "sim/sim.h"

struct ArmedFault {
    SimFault fault;
    uint32_t seen = 0;  // matching requests since it was armed
};

struct FaultOutcome {
    SimFaultKind kind = (SimFaultKind)0;  // 0: answer normally
    uint32_t value = 0;                   // status (fail) or byte count (truncate)
    uint32_t delay_ms = 0;
};

// Counts a request against every armed fault and removes those that fire.
// Delays of faults firing together add up; of fail, drop and truncate the one
// armed first wins.
FaultOutcome faults_take(std::vector<ArmedFault>* armed, uint16_t service, uint16_t function);
