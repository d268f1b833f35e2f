// The text conversions shared by the editor, the report and the transfer
// Parts, case by case.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "attrs/value_text.h"
#include "platform/local_time.h"
#include "platform/resolver.h"
#include "tests/support/fake_resolver.h"

namespace {

std::string hex_string(const std::string& bytes) {
    char text[400];
    format_hex_string((const uint8_t*)bytes.data(), (uint32_t)bytes.size(), text, sizeof text);
    return text;
}

TEST(HexString, FormatsGroupsOfFourBytesThenTheRest) {
    EXPECT_EQ(hex_string("\x01\x02\x03\x04\x05\x06\x07\x08"), "01020304 05060708");
    EXPECT_EQ(hex_string("\x01\x02\x03\x04\x05"), "01020304 05");
    EXPECT_EQ(hex_string("\x01\x02\x03\x04"), "01020304");
    EXPECT_EQ(hex_string("\xab"), "ab");
    EXPECT_EQ(hex_string(""), "");
    EXPECT_EQ(hex_string(std::string(9, '\xff')), "ffffffff ffffffff ff");
}

TEST(HexString, FormatIsCutToTheBufferAndTerminated) {
    char text[6];
    memset(text, 'x', sizeof text);
    format_hex_string((const uint8_t*)"\x01\x02\x03\x04\x05", 5, text, sizeof text);
    EXPECT_STREQ(text, "01020");
}

struct HexCase {
    const char* text;
    bool ok;
    const char* bytes;
    uint32_t length;
};

TEST(HexString, ParsesDigitsAndSkipsWhiteSpace) {
    const HexCase cases[] = {
        {"0A 0b0C", true, "\x0a\x0b\x0c", 3},
        {"01020304 05", true, "\x01\x02\x03\x04\x05", 5},
        {"\tff\t00 ", true, "\xff\x00", 2},
        {"0A0", false, "", 0},   // odd number of digits
        {"", false, "", 0},      // none
        {"   ", false, "", 0},   // none
        {"0x0A", false, "", 0},  // no prefix
        {"0g", false, "", 0},
    };
    for (const HexCase& c : cases) {
        SCOPED_TRACE(c.text);
        uint8_t bytes[8];
        uint32_t length = 99;
        ASSERT_EQ(parse_hex_string(c.text, bytes, sizeof bytes, &length), c.ok);
        if (!c.ok) {
            EXPECT_EQ(length, 99u) << "nothing is written on failure";
            continue;
        }
        ASSERT_EQ(length, c.length);
        EXPECT_EQ(memcmp(bytes, c.bytes, length), 0);
    }
    uint8_t two[2];
    uint32_t length = 0;
    EXPECT_FALSE(parse_hex_string("010203", two, sizeof two, &length)) << "more bytes than room";
}

struct NumberCase {
    const char* text;
    bool ok;
    uint32_t value;
};

TEST(HexNumber, OneToEightHexDigitsOnly) {
    const NumberCase cases[] = {
        {"FF", true, 0xFF}, {"ff", true, 0xFF},      {"100", true, 0x100}, {"ffffffff", true, 0xFFFFFFFF},
        {"0", true, 0},     {"123456789", false, 0}, {"0xFF", false, 0},   {"", false, 0},
        {"F F", false, 0},  {"-1", false, 0},
    };
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(c.text);
        uint32_t value = 7;
        ASSERT_EQ(parse_hex_number(c.text, &value), c.ok);
        EXPECT_EQ(value, c.ok ? c.value : 7u);
    }
}

TEST(UnsignedNumber, AutomaticBaseAndSaturation) {
    const NumberCase cases[] = {
        {"010", true, 8},
        {"09", true, 0},
        {"0", true, 0},
        {"4294967295", true, 4294967295u},
        {"4294967296", true, 4294967295u},
        {"99999999999999999999", true, 4294967295u},
        {"077777777777", true, 4294967295u},
        {"12", true, 12},
        {"", false, 0},
        {"12a", false, 0},
        {"-1", false, 0},
        {" 1", false, 0},
    };
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(c.text);
        uint32_t value = 7;
        ASSERT_EQ(parse_unsigned_number(c.text, &value), c.ok);
        EXPECT_EQ(value, c.ok ? c.value : 7u);
    }
}

TEST(DottedAddress, QuadsAreTakenAsTheyAreAndEverythingElseIsLookedUp) {
    FakeResolver resolver;
    resolver.add("nas.example", 192, 0, 2, 77);
    const struct {
        const char* text;
        bool quad;
    } cases[] = {
        {"10.0.0.1", true},    {"255.255.255.255", true}, {"0.0.0.0", true},    {"010.1.1.1", true},
        {"10.0.0", false},     {"10.0.0.256", false},     {"1.2.3.4.5", false}, {"1..2.3", false},
        {"1.2.3.0004", false}, {"nas.example", false},    {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        uint32_t number = 0;
        EXPECT_EQ(parse_dotted_quad(c.text, &number), c.quad);
        resolver.last_name = "<none>";
        bool resolved = parse_dotted_address(c.text, &number);
        EXPECT_EQ(resolver.last_name, c.quad ? "<none>" : c.text);
        EXPECT_EQ(resolved, c.quad || strcmp(c.text, "nas.example") == 0);
    }
    uint32_t number = 0;
    ASSERT_TRUE(parse_dotted_address("192.0.2.1", &number));
    EXPECT_EQ(number, 0xC0000201u);
    ASSERT_TRUE(parse_dotted_address("nas.example", &number));
    EXPECT_EQ(number, 0xC000024Du);

    char text[16];
    format_dotted_address(0xC0000201u, text, sizeof text);
    EXPECT_STREQ(text, "192.0.2.1");
}

class DateText : public ::testing::Test {
protected:
    void zone(const TimeZoneRule& rule) { set_time_zone_rule(&rule); }
    void TearDown() override { set_time_zone_rule(nullptr); }
};

const TimeZoneRule UTC_ZONE = {0, false, 0, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}};
const TimeZoneRule CHICAGO = {360, true, -60, {3, 2, 0, 2, 0}, {11, 1, 0, 2, 0}};
const TimeZoneRule TOKYO = {-540, false, 0, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}};

struct DateCase {
    const char* text;
    bool ok;
    uint32_t seconds;
};

TEST_F(DateText, ParsesTheDateAndTheOptionalTime) {
    zone(UTC_ZONE);
    const DateCase cases[] = {
        {"1997/3/5 08:04:00", true, 857549040},
        {"1997/3/5", true, 857520000},
        {"1997\\3\\5 8:4:0", true, 857549040},
        {"1997 3 5", true, 857520000},
        {"1997/3/5 23", true, 857602800},  // the hour alone: 23:00:00
        {"1997/3/5 23:30", true, 857604600},
        {"1997/3/5 08:04:00 x", false, 0},  // nothing after the seconds
        {"1997/3/5 08:04:00:01", false, 0},
        {"1999/2/31", true, 920419200},  // rolls over to 3 March
        {"1997/3/5x", true, 857520000},  // a part stops at its first non-digit
        {"1970/1/1", true, 0},
        {"1969/12/31 23:59:59", false, 0},
        {"2036/12/31 23:59:59", true, 2114380799},
        {"2037/1/1", false, 0},
        {"1997/13/1", false, 0},
        {"1997/0/1", false, 0},
        {"1997/1/0", false, 0},
        {"1997/1/32", false, 0},
        {"1997/1/1 24", false, 0},
        {"1997/1/1 0:60", false, 0},
        {"1997/1/1 0:0:60", false, 0},
        {"1997/3", false, 0},
        {"", false, 0},
        {"1997/03/05 08:04:00           00", false, 0},  // 32 characters
    };
    for (const DateCase& c : cases) {
        SCOPED_TRACE(c.text);
        uint32_t seconds = 12345;
        ASSERT_EQ(parse_date(c.text, &seconds), c.ok);
        EXPECT_EQ(seconds, c.ok ? c.seconds : 12345u);
    }
}

TEST_F(DateText, TheEpochDependsOnTheSideOfUtc) {
    uint32_t seconds = 0;
    zone(CHICAGO);
    ASSERT_TRUE(parse_date("1970/1/1", &seconds));
    EXPECT_EQ(seconds, 6u * 3600);
    zone(TOKYO);
    EXPECT_FALSE(parse_date("1970/1/1", &seconds));
    EXPECT_FALSE(parse_date("1970/1/1 08:59:59", &seconds));
    EXPECT_TRUE(parse_date("1970/1/1 09:00:00", &seconds));
    EXPECT_EQ(seconds, 0u);
    EXPECT_FALSE(parse_date("2037/6/1", &seconds));
}

TEST_F(DateText, SummerTimeTypedIsStandardTimeShownWithDaylightSaving) {
    zone(CHICAGO);
    uint32_t seconds = 0;
    ASSERT_TRUE(parse_date("2024/7/4 12:00:00", &seconds));
    EXPECT_EQ(seconds, 1720116000u);  // 18:00 UTC
    char text[32];
    ASSERT_TRUE(format_date(seconds, text, sizeof text));
    EXPECT_STREQ(text, "2024/7/4 13:00:00");
    ASSERT_TRUE(parse_date("2024/1/4 12:00:00", &seconds));
    ASSERT_TRUE(format_date(seconds, text, sizeof text));
    EXPECT_STREQ(text, "2024/1/4 12:00:00");
}

TEST_F(DateText, FormatPadsTheTimeButNotTheDate) {
    zone(UTC_ZONE);
    char text[32];
    ASSERT_TRUE(format_date(857549040, text, sizeof text));
    EXPECT_STREQ(text, "1997/3/5 08:04:00");
    ASSERT_TRUE(format_date(0xFFFFFFFFu, text, sizeof text));
    EXPECT_STREQ(text, "2106/2/7 06:28:15");
}

}  // namespace
