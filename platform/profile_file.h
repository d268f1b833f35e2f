// The console's settings file, read and written key by key as Windows keeps
// "KEELADMIN.INI": sections in brackets, "key=value" lines, names compared
// without regard to case. A bare file name is the platform's to place.
#pragma once

#include <stdint.h>

// The value, cut to value_size - 1; false (and "") when the key is absent.
bool profile_read(const char* file, const char* section, const char* key, char* value, uint32_t value_size);
// Sets the key (creating the file and the section as needed), or deletes
// it when `value` is null. False when the file cannot be written.
bool profile_write(const char* file, const char* section, const char* key, const char* value);
