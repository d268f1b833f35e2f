#include <unistd.h>

#include "cli/terminal.h"

bool stderr_is_terminal() { return isatty(STDERR_FILENO) != 0; }
