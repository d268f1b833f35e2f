#include "sim/os.h"

#include <stdio.h>

// rename() replaces the target atomically on POSIX file systems.
bool os_replace_file(const char* from, const char* to) { return rename(from, to) == 0; }
