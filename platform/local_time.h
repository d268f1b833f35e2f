// Local time for date values: typed dates are taken as local standard time
// (daylight saving is never assumed), and stored dates are shown in local
// wall-clock time, daylight saving included.
#pragma once

#include <stdint.h>

struct CivilTime {
    int32_t year, month, day;  // month 1-12; a day past the month's end rolls into the next month
    int32_t hour, minute, second;
};

// Seconds since 1970-01-01 00:00:00 UTC of `local`, read as local standard
// time. False when the moment falls before 1970 or past 2^32 - 1.
bool local_standard_to_utc(const CivilTime& local, uint32_t* seconds);
// Local wall-clock time of a stored moment. False when the system cannot convert it.
bool utc_to_local(uint32_t seconds, CivilTime* local);

// A time-zone rule in the form Windows keeps it: UTC = local standard time +
// bias; while daylight saving runs, UTC = local time + bias + daylight_bias.
// A transition happens on the `week`-th (5: last) `weekday` (0 Sunday) of
// `month`, at hour:minute local time then in force.
struct ZoneTransition {
    int32_t month, week, weekday, hour, minute;
};
struct TimeZoneRule {
    int32_t bias_minutes;
    bool has_daylight;
    int32_t daylight_bias_minutes;
    ZoneTransition daylight_start;
    ZoneTransition standard_start;
};

// Tests fix the zone with a rule; null returns to the system's zone.
void set_time_zone_rule(const TimeZoneRule* rule);

// The conversions under a given rule (also what the Win32 build uses with the
// rule the system reports).
bool rule_local_standard_to_utc(const TimeZoneRule& rule, const CivilTime& local, uint32_t* seconds);
bool rule_utc_to_local(const TimeZoneRule& rule, uint32_t seconds, CivilTime* local);
