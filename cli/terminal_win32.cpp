#include <io.h>
#include <stdio.h>

#include "cli/terminal.h"

bool stderr_is_terminal() { return _isatty(_fileno(stderr)) != 0; }
