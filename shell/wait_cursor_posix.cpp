#include "shell/wait_cursor.h"

// No pointer to change without a window system.
void begin_wait_cursor() {}
void end_wait_cursor() {}
