#include "sim/state.h"

#include "api/protocol.h"

uint32_t counter_value(uint16_t id, const SimCounter& counter, uint32_t now_ms) {
    // The up time counts seconds, whatever rate the fixture gave it.
    uint64_t rate = id == STATISTICS_UP_TIME ? 1 : counter.rate;
    uint64_t elapsed = (uint32_t)(now_ms - counter.since_ms);
    return (uint32_t)(counter.value + rate * elapsed / 1000u);
}
