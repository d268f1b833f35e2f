// Local standard time in and local wall-clock time out, under fixed zones:
// west and east of UTC, with daylight saving in both hemispheres.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <time.h>

#include "platform/local_time.h"

namespace {

const TimeZoneRule UTC_ZONE = {0, false, 0, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}};
const TimeZoneRule NEW_YORK_NO_DST = {300, false, 0, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}};
// Central Europe: daylight from the last Sunday of March 02:00 to the last Sunday of October 03:00.
const TimeZoneRule BERLIN = {-60, true, -60, {3, 5, 0, 2, 0}, {10, 5, 0, 3, 0}};
// Sydney: daylight from the first Sunday of October to the first Sunday of April.
const TimeZoneRule SYDNEY = {-600, true, -60, {10, 1, 0, 2, 0}, {4, 1, 0, 3, 0}};

uint32_t to_utc(const TimeZoneRule& zone, CivilTime local) {
    uint32_t seconds = 0;
    EXPECT_TRUE(rule_local_standard_to_utc(zone, local, &seconds));
    return seconds;
}

CivilTime to_local(const TimeZoneRule& zone, uint32_t seconds) {
    CivilTime local = {};
    EXPECT_TRUE(rule_utc_to_local(zone, seconds, &local));
    return local;
}

#define EXPECT_CIVIL(t, y, mo, d, h, mi, s)                                                         \
    do {                                                                                            \
        CivilTime got_ = (t);                                                                       \
        EXPECT_EQ(got_.year * 10000 + got_.month * 100 + got_.day, (y)*10000 + (mo)*100 + (d));     \
        EXPECT_EQ(got_.hour * 10000 + got_.minute * 100 + got_.second, (h)*10000 + (mi)*100 + (s)); \
    } while (0)

TEST(LocalTime, TheEpochExistsOnlyAtOrWestOfUtc) {
    uint32_t seconds = 1;
    EXPECT_TRUE(rule_local_standard_to_utc(UTC_ZONE, {1970, 1, 1, 0, 0, 0}, &seconds));
    EXPECT_EQ(seconds, 0u);
    EXPECT_EQ(to_utc(NEW_YORK_NO_DST, {1970, 1, 1, 0, 0, 0}), 5u * 3600);
    EXPECT_FALSE(rule_local_standard_to_utc(BERLIN, {1970, 1, 1, 0, 0, 0}, &seconds));
    EXPECT_EQ(to_utc(BERLIN, {1970, 1, 1, 1, 0, 0}), 0u);
}

TEST(LocalTime, DaysPastTheMonthRollOver) {
    EXPECT_EQ(to_utc(UTC_ZONE, {1999, 2, 31, 0, 0, 0}), to_utc(UTC_ZONE, {1999, 3, 3, 0, 0, 0}));
    EXPECT_EQ(to_utc(UTC_ZONE, {2000, 2, 30, 0, 0, 0}), to_utc(UTC_ZONE, {2000, 3, 1, 0, 0, 0}));
    EXPECT_EQ(to_utc(UTC_ZONE, {2036, 12, 31, 23, 59, 59}), 2114380799u);
}

TEST(LocalTime, TypedTimesAreStandardTimeEvenInSummer) {
    uint32_t summer_noon = to_utc(BERLIN, {2024, 7, 1, 12, 0, 0});
    EXPECT_EQ(summer_noon, 1719831600u);  // 11:00 UTC
    EXPECT_CIVIL(to_local(BERLIN, summer_noon), 2024, 7, 1, 13, 0, 0);
    uint32_t winter_noon = to_utc(BERLIN, {2024, 1, 15, 12, 0, 0});
    EXPECT_CIVIL(to_local(BERLIN, winter_noon), 2024, 1, 15, 12, 0, 0);
}

TEST(LocalTime, DaylightSavingStartsAndEndsOnTheRuleDays) {
    // 2024: last Sunday of March is the 31st, of October the 27th.
    const uint32_t spring = 1711846800;  // 2024-03-31 01:00:00 UTC
    EXPECT_CIVIL(to_local(BERLIN, spring - 1), 2024, 3, 31, 1, 59, 59);
    EXPECT_CIVIL(to_local(BERLIN, spring), 2024, 3, 31, 3, 0, 0);
    const uint32_t autumn = 1729990800;  // 2024-10-27 01:00:00 UTC
    EXPECT_CIVIL(to_local(BERLIN, autumn - 1), 2024, 10, 27, 2, 59, 59);
    EXPECT_CIVIL(to_local(BERLIN, autumn), 2024, 10, 27, 2, 0, 0);
}

TEST(LocalTime, SouthernHemisphereSummerSpansTheNewYear) {
    EXPECT_CIVIL(to_local(SYDNEY, 1705276800), 2024, 1, 15, 11, 0, 0);  // 2024-01-15 00:00 UTC
    EXPECT_CIVIL(to_local(SYDNEY, 1720310400), 2024, 7, 7, 10, 0, 0);   // 2024-07-07 00:00 UTC
    EXPECT_CIVIL(to_local(SYDNEY, 1735689600), 2025, 1, 1, 11, 0, 0);   // 2025-01-01 00:00 UTC
}

TEST(LocalTime, TheInstalledRuleIsWhatConversionsUse) {
    set_time_zone_rule(&NEW_YORK_NO_DST);
    uint32_t seconds = 0;
    ASSERT_TRUE(local_standard_to_utc({2001, 9, 9, 0, 0, 0}, &seconds));
    EXPECT_EQ(seconds, 1000011600u);
    CivilTime local;
    ASSERT_TRUE(utc_to_local(seconds, &local));
    EXPECT_CIVIL(local, 2001, 9, 9, 0, 0, 0);
    set_time_zone_rule(nullptr);
}

#ifndef _WIN32
// The system path (mktime with daylight saving refused, localtime_r) agrees
// with the rule path for the same zone.
TEST(LocalTime, SystemZoneMatchesTheRule) {
    const char* saved = getenv("TZ");
    std::string previous = saved ? saved : "";
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();
    set_time_zone_rule(nullptr);
    for (CivilTime t : {CivilTime{2024, 7, 1, 12, 0, 0}, CivilTime{2024, 1, 15, 12, 0, 0},
                        CivilTime{2024, 10, 27, 2, 30, 0}, CivilTime{1999, 2, 31, 0, 0, 0}}) {
        uint32_t system = 0;
        ASSERT_TRUE(local_standard_to_utc(t, &system));
        EXPECT_EQ(system, to_utc(BERLIN, t));
        CivilTime a, b = to_local(BERLIN, system);
        ASSERT_TRUE(utc_to_local(system, &a));
        EXPECT_CIVIL(a, b.year, b.month, b.day, b.hour, b.minute, b.second);
    }
    uint32_t seconds = 0;
    EXPECT_FALSE(local_standard_to_utc({1970, 1, 1, 0, 0, 0}, &seconds));
    if (saved)
        setenv("TZ", previous.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}
#endif

}  // namespace
