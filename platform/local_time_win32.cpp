#include <windows.h>

#include "platform/local_time.h"

// The zone Windows reports, in the rule form the portable conversion takes.
static TimeZoneRule system_rule() {
    TIME_ZONE_INFORMATION zone;
    DWORD kind = GetTimeZoneInformation(&zone);
    TimeZoneRule rule = {};
    if (kind == TIME_ZONE_ID_INVALID) return rule;  // UTC rather than a guess
    rule.bias_minutes = zone.Bias + zone.StandardBias;
    // A zone without daylight saving reports a zero month.
    rule.has_daylight = zone.DaylightDate.wMonth != 0 && zone.StandardDate.wMonth != 0;
    if (rule.has_daylight) {
        rule.daylight_bias_minutes = zone.DaylightBias - zone.StandardBias;
        rule.daylight_start = {zone.DaylightDate.wMonth, zone.DaylightDate.wDay, zone.DaylightDate.wDayOfWeek,
                               zone.DaylightDate.wHour, zone.DaylightDate.wMinute};
        rule.standard_start = {zone.StandardDate.wMonth, zone.StandardDate.wDay, zone.StandardDate.wDayOfWeek,
                               zone.StandardDate.wHour, zone.StandardDate.wMinute};
    }
    return rule;
}

bool system_local_standard_to_utc(const CivilTime& local, uint32_t* seconds) {
    return rule_local_standard_to_utc(system_rule(), local, seconds);
}

bool system_utc_to_local(uint32_t seconds, CivilTime* local) {
    return rule_utc_to_local(system_rule(), seconds, local);
}
