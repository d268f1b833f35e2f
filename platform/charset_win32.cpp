#include "platform/charset.h"

#include <windows.h>

#include <string.h>

namespace {

// The length to convert: what fits in `to` with its terminator.
DWORD fitting_length(const char* from, uint32_t to_size) {
    size_t length = strlen(from);
    return (DWORD)(length < to_size - 1 ? length : to_size - 1);
}

}  // namespace

void upper_case_ansi(char* text) { CharUpperBuffA(text, (DWORD)strlen(text)); }

void ansi_to_oem(const char* from, char* to, uint32_t to_size) {
    if (to_size == 0) return;
    DWORD length = fitting_length(from, to_size);
    CharToOemBuffA(from, to, length);
    to[length] = 0;
}

void oem_to_ansi(const char* from, char* to, uint32_t to_size) {
    if (to_size == 0) return;
    DWORD length = fitting_length(from, to_size);
    OemToCharBuffA(from, to, length);
    to[length] = 0;
}
