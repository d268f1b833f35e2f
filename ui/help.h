// Help: the program's own help file and the current context.
#pragma once

#include <stdint.h>

const uint32_t HELP_CONTEXT_SERVERS = 1024;

// Makes `context` current and returns the previous one (dialogs restore it
// when they close).
uint32_t help_set_context(uint32_t context);
// Context 0 uses the current one; a current context of 0 opens the contents.
void help_show(uint32_t context);
