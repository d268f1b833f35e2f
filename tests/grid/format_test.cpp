#include <gtest/gtest.h>

#include <math.h>

#include <string>

#include "grid/grid_format.h"

namespace {

std::string currency(double value, bool commas, const char* symbol) {
    char out[CURRENCY_TEXT_SIZE];
    currency_to_string(out, sizeof out, value, commas, symbol);
    return out;
}

TEST(Currency, CutsToTwoDecimalsAndGroupsThousands) {
    struct {
        double value;
        bool commas;
        const char* expected;
    } const cases[] = {
        {-5, false, "-$ 5.00"},  {1234.567, true, "$ 1,234.56"},    {1234.567, false, "$ 1234.56"},
        {0.999, true, "$ 0.99"},  // cut, never rounded up
        {999, true, "$ 999.00"}, {1000000, true, "$ 1,000,000.00"}, {-1234567.5, true, "-$ 1,234,567.50"},
        {0, true, "$ 0.00"},
    };
    for (const auto& c : cases) EXPECT_EQ(currency(c.value, c.commas, "$"), c.expected) << c.value;
}

TEST(Currency, AmountsThatCannotBeShownSaySo) {
    EXPECT_EQ(currency(1e300, true, "$"), CURRENCY_OVERFLOW_TEXT);
    EXPECT_EQ(currency(NAN, true, "$"), CURRENCY_OVERFLOW_TEXT);
    char small[8];
    currency_to_string(small, sizeof small, 123456.0, true, "$");
    EXPECT_STREQ(small, CURRENCY_OVERFLOW_TEXT);
}

TEST(Date, EveryStyle) {
    struct {
        int32_t day, month, year, style;
        const char* expected;
    } const cases[] = {
        {5, 3, 1997, 0x13, "05/Mar/1997"},
        {5, 3, 1997, 0x03, "05/Mar/97"},
        {5, 3, 1997, 0x01, "05/03/97"},
        {5, 3, 1997, 0x12, "03/05/1997"},
        {5, 3, 1997, 0x14, "Mar/05/1997"},
        {5, 3, 1997, 0x15, "05 March/ 1997"},
        {25, 12, 2001, 0x16, "December 25/ 2001"},
        {5, 3, 1997, 0x17, "1997"},
        {5, 0, 1997, 0x13, "05//1997"},  // month 0 has no name
        {105, 13, 5, 0x13, "05//0005"},  // past 100 taken modulo; no month 13
        {1, 1, 12345, 0x11, "01/01/12345"},
    };
    for (const auto& c : cases) {
        char out[DATE_TEXT_SIZE];
        date_to_string(out, sizeof out, c.day, c.month, c.year, "/", c.style);
        EXPECT_STREQ(out, c.expected) << c.style;
    }
}

}  // namespace
