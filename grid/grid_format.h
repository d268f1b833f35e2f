// The two text helpers the library exports for owners: money amounts and
// dates.
#pragma once

#include <stddef.h>
#include <stdint.h>

// What the exported helpers write at most, NUL included.
const size_t CURRENCY_TEXT_SIZE = 64;
const size_t DATE_TEXT_SIZE = 64;
// Written instead of an amount that cannot be shown in full.
extern const char CURRENCY_OVERFLOW_TEXT[];

// "$ 1,234.56", "-$ 5.00": two decimals cut, not rounded.
void currency_to_string(char* out, size_t size, double value, bool commas, const char* symbol);

// Style bit 0x10 gives a four-digit year; the rest chooses the layout.
const int32_t DATE_LONG_YEAR = 0x10;
void date_to_string(char* out, size_t size, int32_t day, int32_t month, int32_t year, const char* separator,
                    int32_t style);
