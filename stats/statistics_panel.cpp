#include "stats/statistics_panel.h"

#include <stdio.h>
#include <string.h>

#include "resources/strings.h"

namespace {

StatisticsPanel g_panel;

const uint16_t COUNTER_STARTS = 11, COUNTER_STOPS = 12;
const uint16_t COUNTER_PROXY_AUTHENTICATION = 19, COUNTER_PROXY_ACCOUNTING = 20;
const uint16_t COUNTER_AUTHENTICATION_TOTAL = 1;

void set_text(uint32_t field, const char* text) {
    // Only a text that differs is redrawn, so unchanged fields do not flicker.
    if (strcmp(g_panel.texts[field], text) == 0) return;
    snprintf(g_panel.texts[field], STATS_TEXT_SIZE, "%s", text);
    g_panel.changed[field] = true;
}

void set_number(uint32_t field, uint64_t value) {
    char text[STATS_TEXT_SIZE];
    snprintf(text, sizeof text, "%llu", (unsigned long long)value);
    set_text(field, text);
}

void refresh(uint32_t now) {
    StatisticsCounters counters;
    uint16_t status = get_statistics(&counters);
    g_panel.last_refresh = now;
    // A failed request leaves the fields as they are; the next tick retries.
    if (status != 0) {
        rate_history_break(&g_panel.rates);
        return;
    }
    statistics_apply(counters, now);
}

}  // namespace

const StatisticsPanel& statistics_panel() { return g_panel; }

void statistics_reset() {
    memset(&g_panel, 0, sizeof g_panel);
    rate_history_reset(&g_panel.rates);
}

void statistics_activate(uint32_t now) {
    if (g_panel.loaded) return;
    for (uint32_t field = 0; field < STATS_FIELD_COUNT; ++field) set_text(field, string_text(IDS_NOT_APPLICABLE));
    g_panel.starts = g_panel.stops = 0;
    g_panel.loaded = true;
    refresh(now);
}

bool statistics_tick(uint32_t now) {
    if (!g_panel.loaded || g_panel.current_users_open || now - g_panel.last_refresh <= STATS_REFRESH_MS) return false;
    refresh(now);
    return true;
}

void statistics_set_current_users_open(bool open) { g_panel.current_users_open = open; }

void statistics_mark_shown(uint32_t field) {
    if (field < STATS_FIELD_COUNT) g_panel.changed[field] = false;
}

void statistics_apply(const StatisticsCounters& counters, uint32_t now) {
    for (uint16_t id = 0; id < STAT_COUNTER_COUNT; ++id) {
        if (!counters.present[id]) continue;
        uint32_t value = counters.value[id];
        if (id == STATISTICS_UP_TIME) {
            char text[STATS_TEXT_SIZE];
            format_up_time_text(value, text, sizeof text);
            set_text(id, text);
            continue;
        }
        set_number(id, value);
        switch (id) {
            case COUNTER_STARTS: g_panel.starts = value; break;
            case COUNTER_STOPS: g_panel.stops = value; break;
            case COUNTER_PROXY_AUTHENTICATION: g_panel.proxy_authentication = value; break;
            case COUNTER_PROXY_ACCOUNTING: g_panel.proxy_accounting = value; break;
            default: continue;
        }
        // Two u32 counters may sum past 2^32: the total is shown whole.
        if (id == COUNTER_STARTS || id == COUNTER_STOPS)
            set_number(STATS_FIELD_ACCOUNTING_TOTAL, (uint64_t)g_panel.starts + g_panel.stops);
        else
            set_number(STATS_FIELD_PROXY_TOTAL, (uint64_t)g_panel.proxy_authentication + g_panel.proxy_accounting);
    }
    if (counters.present[COUNTER_AUTHENTICATION_TOTAL] && counters.present[COUNTER_STARTS] &&
        counters.present[COUNTER_STOPS])
        rate_history_add(&g_panel.rates, now, counters.value[COUNTER_AUTHENTICATION_TOTAL],
                         (uint64_t)g_panel.starts + g_panel.stops);
    else
        rate_history_break(&g_panel.rates);
}

StatsPage stats_field_page(uint32_t field) {
    if (field == STATISTICS_UP_TIME) return STATS_PAGE_PANEL;
    if (field == STATS_FIELD_ACCOUNTING_TOTAL || field == 28 || (field >= 11 && field <= 18))
        return STATS_PAGE_ACCOUNTING;
    if (field == STATS_FIELD_PROXY_TOTAL || (field >= 19 && field <= 26)) return STATS_PAGE_PROXY;
    return STATS_PAGE_AUTHENTICATION;
}

void format_up_time_text(uint32_t seconds, char* text, uint32_t text_size) {
    format_up_time_separated(seconds, '\n', text, text_size);
}

void format_up_time_separated(uint32_t seconds, char separator, char* text, uint32_t text_size) {
    unsigned long days = seconds / 86400, rest = seconds % 86400;
    unsigned long hours = rest / 3600, minutes = rest % 3600 / 60, secs = rest % 60;
    snprintf(text, text_size, "%lu Days%c%2.2lu:%2.2lu:%2.2lu", days, separator, hours, minutes, secs);
}
