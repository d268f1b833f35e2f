#include "netbrowse/lookup_state.h"

#include <chrono>

void event_set(ManualEvent* event) {
    std::lock_guard<std::mutex> hold(event->mutex);
    event->signalled = true;
    event->changed.notify_all();
}

void event_reset(ManualEvent* event) {
    std::lock_guard<std::mutex> hold(event->mutex);
    event->signalled = false;
}

bool event_wait(ManualEvent* event, uint32_t milliseconds) {
    std::unique_lock<std::mutex> hold(event->mutex);
    return event->changed.wait_for(hold, std::chrono::milliseconds(milliseconds), [event] { return event->signalled; });
}

uint32_t lookup_begin(Lookup* lookup) {
    // The event changes under the state's mutex too, so that a run ending
    // just as another begins cannot leave it signalled for the new one.
    std::lock_guard<std::mutex> hold(lookup->mutex);
    uint32_t generation = ++lookup->generation;
    lookup->state = LOOKUP_NOT_READY;
    event_reset(&lookup->done);
    return generation;
}

bool lookup_is_current(Lookup* lookup, uint32_t generation) {
    std::lock_guard<std::mutex> hold(lookup->mutex);
    return lookup->generation == generation;
}

void lookup_end(Lookup* lookup, uint32_t generation, uint16_t state) {
    std::lock_guard<std::mutex> hold(lookup->mutex);
    if (lookup->generation != generation) return;
    lookup->state = state;
    event_set(&lookup->done);
}

uint16_t lookup_state(Lookup* lookup) {
    std::lock_guard<std::mutex> hold(lookup->mutex);
    return lookup->state;
}

void lookup_set_state(Lookup* lookup, uint16_t state) {
    std::lock_guard<std::mutex> hold(lookup->mutex);
    lookup->state = state;
}
