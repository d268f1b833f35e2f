#include "platform/computer_name.h"

#include <ctype.h>
#include <string.h>
#include <unistd.h>

bool computer_name(char* name, uint32_t name_size) {
    char host[256];
    if (name_size == 0 || gethostname(host, sizeof host) != 0) return false;
    host[sizeof host - 1] = 0;
    // Cut at the first dot: like a NetBIOS name, only the host part names the computer.
    char* dot = strchr(host, '.');
    if (dot) *dot = 0;
    size_t length = strlen(host);
    if (length == 0 || length >= name_size) return false;
    for (size_t i = 0; i <= length; ++i) name[i] = (char)toupper((unsigned char)host[i]);
    return true;
}
