#include "platform/computer_name.h"

#include <windows.h>

bool computer_name(char* name, uint32_t name_size) {
    DWORD size = name_size;
    return name_size != 0 && GetComputerNameA(name, &size) != 0;
}
