#include "platform/local_time.h"

// The system's zone, one implementation per platform.
bool system_local_standard_to_utc(const CivilTime& local, uint32_t* seconds);
bool system_utc_to_local(uint32_t seconds, CivilTime* local);

namespace {

bool g_has_rule = false;
TimeZoneRule g_rule;

// Days since 1970-01-01 of a proleptic Gregorian date (month 1-12, any day).
int64_t days_from_civil(int64_t year, int64_t month, int64_t day) {
    year -= month <= 2;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t year_of_era = year - era * 400;
    const int64_t day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5;
    const int64_t day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
    return era * 146097 + day_of_era - 719468 + (day - 1);
}

void civil_from_days(int64_t days, CivilTime* out) {
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t day_of_era = days - era * 146097;
    const int64_t year_of_era = (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
    const int64_t day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
    const int64_t mp = (5 * day_of_year + 2) / 153;
    out->day = (int32_t)(day_of_year - (153 * mp + 2) / 5 + 1);
    out->month = (int32_t)(mp < 10 ? mp + 3 : mp - 9);
    out->year = (int32_t)(year_of_era + era * 400 + (out->month <= 2));
}

int64_t local_seconds(const CivilTime& t) {
    return days_from_civil(t.year, t.month, t.day) * 86400 + (int64_t)t.hour * 3600 + (int64_t)t.minute * 60 + t.second;
}

int64_t floor_div(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Local seconds (in the time then in force) of a transition in `year`.
int64_t transition_seconds(int64_t year, const ZoneTransition& when) {
    static const int MONTH_DAYS[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int32_t month = when.month < 1 ? 1 : when.month > 12 ? 12 : when.month;
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    int64_t length = MONTH_DAYS[month - 1] + (month == 2 && leap);
    int64_t first = days_from_civil(year, month, 1);
    int64_t first_weekday = ((first % 7) + 7 + 4) % 7;  // 1970-01-01 was a Thursday
    int64_t day = 1 + ((when.weekday - first_weekday) % 7 + 7) % 7 + (int64_t)(when.week - 1) * 7;
    while (day > length) day -= 7;
    return (first + day - 1) * 86400 + (int64_t)when.hour * 3600 + (int64_t)when.minute * 60;
}

}  // namespace

bool rule_local_standard_to_utc(const TimeZoneRule& rule, const CivilTime& local, uint32_t* seconds) {
    int64_t utc = local_seconds(local) + (int64_t)rule.bias_minutes * 60;
    if (utc < 0 || utc > 0xFFFFFFFFll) return false;
    *seconds = (uint32_t)utc;
    return true;
}

bool rule_utc_to_local(const TimeZoneRule& rule, uint32_t seconds, CivilTime* local) {
    const int64_t standard_offset = (int64_t)rule.bias_minutes * 60;
    int64_t offset = standard_offset;
    if (rule.has_daylight) {
        const int64_t daylight_offset = standard_offset + (int64_t)rule.daylight_bias_minutes * 60;
        CivilTime standard_day;
        civil_from_days(floor_div((int64_t)seconds - standard_offset, 86400), &standard_day);
        // Daylight begins at a standard-time moment and ends at a daylight-time one.
        int64_t begins = transition_seconds(standard_day.year, rule.daylight_start) + standard_offset;
        int64_t ends = transition_seconds(standard_day.year, rule.standard_start) + daylight_offset;
        int64_t t = seconds;
        bool daylight = begins < ends ? (t >= begins && t < ends) : (t >= begins || t < ends);
        if (daylight) offset = daylight_offset;
    }
    int64_t wall = (int64_t)seconds - offset;
    int64_t days = floor_div(wall, 86400);
    int64_t rest = wall - days * 86400;
    civil_from_days(days, local);
    local->hour = (int32_t)(rest / 3600);
    local->minute = (int32_t)(rest / 60 % 60);
    local->second = (int32_t)(rest % 60);
    return true;
}

void set_time_zone_rule(const TimeZoneRule* rule) {
    g_has_rule = rule != nullptr;
    if (rule) g_rule = *rule;
}

bool local_standard_to_utc(const CivilTime& local, uint32_t* seconds) {
    return g_has_rule ? rule_local_standard_to_utc(g_rule, local, seconds)
                      : system_local_standard_to_utc(local, seconds);
}

bool utc_to_local(uint32_t seconds, CivilTime* local) {
    return g_has_rule ? rule_utc_to_local(g_rule, seconds, local) : system_utc_to_local(seconds, local);
}
