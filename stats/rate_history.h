// The authentication and accounting request rates over the last minutes,
// taken from the counter totals the panel polls anyway: the graph's data.
#pragma once

#include <stdint.h>

const uint32_t RATE_WINDOW_MS = 5 * 60 * 1000;
// Readings further apart than this (the panel was hidden, the server did not
// answer) are not joined by a line: the rate between them is an average
// that never happened.
const uint32_t RATE_GAP_MS = 5000;
const uint32_t RATE_SAMPLE_LIMIT = 512;  // the window at one reading a second, with room

struct RateSample {
    uint32_t tick;          // end of the interval the rates cover
    double authentication;  // requests per second
    double accounting;
    bool starts_line;  // not joined to the sample before
};

struct RateHistory {
    RateSample samples[RATE_SAMPLE_LIMIT];  // a ring, oldest at `first`
    uint32_t first, count;
    bool has_reading;
    uint32_t reading_tick;
    uint64_t reading_authentication, reading_accounting;
    bool line_broken;  // the next sample starts a new line
};

void rate_history_reset(RateHistory* history);
// Counter totals read at `now`: adds the rates since the previous reading
// and drops samples that left the window. Totals that went down (the server
// restarted) start over.
void rate_history_add(RateHistory* history, uint32_t now, uint64_t authentication_total, uint64_t accounting_total);
// A reading without the totals: the line breaks there.
void rate_history_break(RateHistory* history);
// Oldest first.
const RateSample& rate_history_at(const RateHistory& history, uint32_t index);
// The highest rate held, of either kind.
double rate_history_peak(const RateHistory& history);
// The top of the graph's scale: the smallest 1, 2 or 5 times a power of ten
// that is at least `peak`, and at least 1.
double rate_scale_top(double peak);
