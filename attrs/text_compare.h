// Comparisons "without regard to case" of names and text values. ASCII
// letters only: the result must not depend on the workstation's locale, and
// attribute names are ASCII.
#pragma once

#include <stdint.h>

// <0, 0, >0 as strcmp, after folding A-Z to a-z; each side ends at its NUL
// or after `length` bytes, whichever comes first.
int compare_nocase(const char* a, uint32_t a_length, const char* b, uint32_t b_length);
inline int compare_nocase(const char* a, const char* b) { return compare_nocase(a, 0xFFFFFFFFu, b, 0xFFFFFFFFu); }
