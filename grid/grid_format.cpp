#include "grid/grid_format.h"

#include <math.h>
#include <stdio.h>
#include <string.h>

const char CURRENCY_OVERFLOW_TEXT[] = "#####";

namespace {

const char* const SHORT_MONTHS[13] = {"",    "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const LONG_MONTHS[13] = {"",     "January", "February",  "March",   "April",    "May",     "June",
                                     "July", "August",  "September", "October", "November", "December"};

void overflow(char* out, size_t size) { snprintf(out, size, "%s", CURRENCY_OVERFLOW_TEXT); }

int32_t two_digits(int32_t number) { return number < 0 ? 0 : number % 100; }

}  // namespace

void currency_to_string(char* out, size_t size, double value, bool commas, const char* symbol) {
    if (!out || size == 0) return;
    if (!symbol) symbol = "";
    if (!isfinite(value)) return overflow(out, size);
    char digits[CURRENCY_TEXT_SIZE];
    int length = snprintf(digits, sizeof digits, "%lf", fabs(value));
    const char* point = strchr(digits, '.');
    if (length <= 0 || (size_t)length >= sizeof digits || !point) return overflow(out, size);
    size_t whole = (size_t)(point - digits);
    // Integer digits with their commas, then the point and two decimals, cut.
    char number[CURRENCY_TEXT_SIZE * 2];
    size_t at = 0;
    for (size_t i = 0; i < whole; ++i) {
        if (commas && i > 0 && (whole - i) % 3 == 0) number[at++] = ',';
        number[at++] = digits[i];
    }
    number[at++] = '.';
    for (size_t i = 1; i <= 2; ++i) number[at++] = point[i] >= '0' && point[i] <= '9' ? point[i] : '0';
    number[at] = 0;
    int written = snprintf(out, size, value < 0 ? "-%s %s" : "%s %s", symbol, number);
    if (written < 0 || (size_t)written >= size) overflow(out, size);
}

void date_to_string(char* out, size_t size, int32_t day, int32_t month, int32_t year, const char* separator,
                    int32_t style) {
    if (!out || size == 0) return;
    if (!separator) separator = "";
    char year_text[16];
    if (style & DATE_LONG_YEAR)
        snprintf(year_text, sizeof year_text, "%04d", year < 0 ? 0 : year);
    else
        snprintf(year_text, sizeof year_text, "%02d", two_digits(year));
    bool named = month >= 0 && month <= 12;
    const char* short_name = named ? SHORT_MONTHS[month] : "";
    const char* long_name = named ? LONG_MONTHS[month] : "";
    int32_t d = two_digits(day), m = two_digits(month);
    const char* sep = separator;
    switch (style & ~DATE_LONG_YEAR) {
        case 1: snprintf(out, size, "%02d%s%02d%s%s", d, sep, m, sep, year_text); break;
        case 2: snprintf(out, size, "%02d%s%02d%s%s", m, sep, d, sep, year_text); break;
        case 3: snprintf(out, size, "%02d%s%s%s%s", d, sep, short_name, sep, year_text); break;
        case 4: snprintf(out, size, "%s%s%02d%s%s", short_name, sep, d, sep, year_text); break;
        case 5: snprintf(out, size, "%02d %s%s %s", d, long_name, sep, year_text); break;
        case 6: snprintf(out, size, "%s %02d%s %s", long_name, d, sep, year_text); break;
        default: snprintf(out, size, "%s", year_text); break;
    }
}
