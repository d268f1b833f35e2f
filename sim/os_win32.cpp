#include "sim/os.h"

#include <windows.h>

// rename() refuses an existing target on Windows; MoveFileEx replaces it.
bool os_replace_file(const char* from, const char* to) {
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
