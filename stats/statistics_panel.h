// The statistics panel's model: the server's counters as the texts of the
// panel's fields, refreshed on the main timer, with the request rates kept
// for the graph.
#pragma once

#include <stdint.h>

#include "api/requests.h"
#include "stats/rate_history.h"

// Fields 0 to 29 show the counter of the same id (0, the up time, on the
// panel itself); the two totals have no counter of their own.
const uint32_t STATS_FIELD_ACCOUNTING_TOTAL = 30;
const uint32_t STATS_FIELD_PROXY_TOTAL = 31;
const uint32_t STATS_FIELD_COUNT = 32;
const uint32_t STATS_TEXT_SIZE = 32;  // "4294967295" or "49710 Days\n06:28:15"

const uint32_t HELP_CONTEXT_STATISTICS = 1007;

// A refresh is due when more than this has passed since the last one.
const uint32_t STATS_REFRESH_MS = 1000;

enum StatsPage : uint8_t { STATS_PAGE_AUTHENTICATION, STATS_PAGE_ACCOUNTING, STATS_PAGE_PROXY, STATS_PAGE_PANEL };
const uint32_t STATS_PAGE_COUNT = 3;

struct StatisticsPanel {
    bool loaded;              // activated since start or the last reset
    bool current_users_open;  // refreshing pauses while the window is open
    uint32_t last_refresh;    // tick of the last attempt, failed or not
    uint32_t starts, stops;   // last accounting Starts and Stops received
    uint32_t proxy_authentication, proxy_accounting;
    char texts[STATS_FIELD_COUNT][STATS_TEXT_SIZE];
    bool changed[STATS_FIELD_COUNT];  // texts the page has not shown yet
    RateHistory rates;
};

const StatisticsPanel& statistics_panel();
// Forgets everything: the next activation starts again from "N/A".
void statistics_reset();
// The panel is about to be shown. The first time after a reset it sets
// every field to "N/A" and refreshes at once.
void statistics_activate(uint32_t now);
// The main timer: refreshes when one is due and the Current Users window
// is not open. True when a refresh was attempted.
bool statistics_tick(uint32_t now);
void statistics_set_current_users_open(bool open);
// The page has shown field `field`'s text.
void statistics_mark_shown(uint32_t field);

// One counter block as the fields show it (a refresh without the request).
void statistics_apply(const StatisticsCounters& counters, uint32_t now);

// Which page shows a field.
StatsPage stats_field_page(uint32_t field);
// "%lu Days\n%2.2lu:%2.2lu:%2.2lu" of a number of seconds.
void format_up_time_text(uint32_t seconds, char* text, uint32_t text_size);
// The same with `separator` between the days and the clock (the report's
// table puts a tab there).
void format_up_time_separated(uint32_t seconds, char separator, char* text, uint32_t text_size);
