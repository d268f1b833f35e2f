#include "stats/rate_history.h"

#include <string.h>

void rate_history_reset(RateHistory* history) { memset(history, 0, sizeof *history); }

void rate_history_break(RateHistory* history) {
    history->has_reading = false;
    history->line_broken = true;
}

static void drop_old(RateHistory* history, uint32_t now) {
    while (history->count > 0 && now - history->samples[history->first].tick > RATE_WINDOW_MS) {
        history->first = (history->first + 1) % RATE_SAMPLE_LIMIT;
        --history->count;
    }
}

static void push(RateHistory* history, const RateSample& sample) {
    if (history->count == RATE_SAMPLE_LIMIT) {
        history->first = (history->first + 1) % RATE_SAMPLE_LIMIT;
        --history->count;
    }
    history->samples[(history->first + history->count) % RATE_SAMPLE_LIMIT] = sample;
    ++history->count;
}

void rate_history_add(RateHistory* history, uint32_t now, uint64_t authentication_total, uint64_t accounting_total) {
    drop_old(history, now);
    bool joinable = history->has_reading && now != history->reading_tick;
    uint32_t elapsed = now - history->reading_tick;
    bool went_down = joinable && (authentication_total < history->reading_authentication ||
                                  accounting_total < history->reading_accounting);
    if (joinable && !went_down && elapsed <= RATE_GAP_MS) {
        RateSample sample;
        sample.tick = now;
        double seconds = elapsed / 1000.0;
        sample.authentication = (double)(authentication_total - history->reading_authentication) / seconds;
        sample.accounting = (double)(accounting_total - history->reading_accounting) / seconds;
        sample.starts_line = history->line_broken;
        push(history, sample);
        history->line_broken = false;
    } else if (history->has_reading && now == history->reading_tick) {
        return;  // the same moment twice: nothing to measure
    } else {
        history->line_broken = true;
    }
    history->has_reading = true;
    history->reading_tick = now;
    history->reading_authentication = authentication_total;
    history->reading_accounting = accounting_total;
}

const RateSample& rate_history_at(const RateHistory& history, uint32_t index) {
    return history.samples[(history.first + index) % RATE_SAMPLE_LIMIT];
}

double rate_history_peak(const RateHistory& history) {
    double peak = 0;
    for (uint32_t i = 0; i < history.count; ++i) {
        const RateSample& sample = rate_history_at(history, i);
        if (sample.authentication > peak) peak = sample.authentication;
        if (sample.accounting > peak) peak = sample.accounting;
    }
    return peak;
}

double rate_scale_top(double peak) {
    static const double STEPS[] = {1.0, 2.0, 5.0};
    double decade = 1;
    for (;;) {
        for (double step : STEPS) {
            if (step * decade >= peak) return step * decade;
        }
        // No counter rate comes near; this only ends the loop on nonsense.
        if (decade > 1e12) return decade * 10;
        decade *= 10;
    }
}
