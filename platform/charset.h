// Character sets of names: the administrator types in the ANSI code page,
// the database keeps names upper case in the OEM code page, and shows them
// converted back.
#pragma once

#include <stdint.h>

// Upper-cases `text` in place by the rules of the ANSI code page.
void upper_case_ansi(char* text);
// Each copies `from` converted into `to` (to_size bytes, always terminated,
// cut when it does not fit). A character the other set lacks becomes its
// nearest likeness or '?'.
void ansi_to_oem(const char* from, char* to, uint32_t to_size);
void oem_to_ansi(const char* from, char* to, uint32_t to_size);
