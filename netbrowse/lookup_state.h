// One background lookup's state and its manual-reset event.
#pragma once

#include <stdint.h>

#include <condition_variable>
#include <mutex>

enum LookupStateValue : uint16_t {
    LOOKUP_FAILED = 0,
    LOOKUP_NOT_READY = 1,  // before any lookup, while one runs, after a flush
    LOOKUP_READY = 2,
};

struct ManualEvent {
    std::mutex mutex;
    std::condition_variable changed;
    bool signalled = false;
};

void event_set(ManualEvent* event);
void event_reset(ManualEvent* event);
// True when the event is signalled within `milliseconds`.
bool event_wait(ManualEvent* event, uint32_t milliseconds);

struct Lookup {
    std::mutex mutex;  // guards state and generation
    uint16_t state = LOOKUP_NOT_READY;
    // Counts the starts: a run that a later start overtook neither sets the
    // state nor signals; the newest run does.
    uint32_t generation = 0;
    ManualEvent done;
};

// A new run begins: state 1, event reset. Returns the run's generation.
uint32_t lookup_begin(Lookup* lookup);
bool lookup_is_current(Lookup* lookup, uint32_t generation);
// The run ends with `state` and signals, unless a later run began.
void lookup_end(Lookup* lookup, uint32_t generation, uint16_t state);
uint16_t lookup_state(Lookup* lookup);
void lookup_set_state(Lookup* lookup, uint16_t state);
