// Comparing ANSI texts such as paths and account names ignoring case.
#pragma once

#include <stddef.h>

bool same_text_ignoring_case(const char* a, const char* b);
bool starts_with_ignoring_case(const char* text, const char* prefix);
