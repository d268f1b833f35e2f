#include <time.h>

#include "platform/local_time.h"

bool system_local_standard_to_utc(const CivilTime& local, uint32_t* seconds) {
    tm fields = {};
    fields.tm_year = local.year - 1900;
    fields.tm_mon = local.month - 1;
    fields.tm_mday = local.day;
    fields.tm_hour = local.hour;
    fields.tm_min = local.minute;
    fields.tm_sec = local.second;
    fields.tm_isdst = 0;  // standard time, whatever the season
    time_t utc = mktime(&fields);
    if (utc == (time_t)-1 || utc < 0 || (long long)utc > 0xFFFFFFFFll) return false;
    *seconds = (uint32_t)utc;
    return true;
}

bool system_utc_to_local(uint32_t seconds, CivilTime* local) {
    time_t utc = (time_t)seconds;
    tm fields;
    if (!localtime_r(&utc, &fields)) return false;
    local->year = fields.tm_year + 1900;
    local->month = fields.tm_mon + 1;
    local->day = fields.tm_mday;
    local->hour = fields.tm_hour;
    local->minute = fields.tm_min;
    local->second = fields.tm_sec;
    return true;
}
