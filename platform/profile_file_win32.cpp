#include <windows.h>

#include "platform/profile_file.h"

bool profile_read(const char* file, const char* section, const char* key, char* value, uint32_t value_size) {
    // A default no value can equal tells an absent key from an empty one.
    static const char ABSENT[] = "\x01";
    GetPrivateProfileStringA(section, key, ABSENT, value, value_size, file);
    if (value_size > 0 && value[0] == '\x01' && value[1] == '\0') {
        value[0] = '\0';
        return false;
    }
    return true;
}

bool profile_write(const char* file, const char* section, const char* key, const char* value) {
    return WritePrivateProfileStringA(section, key, value, file) != FALSE;
}
