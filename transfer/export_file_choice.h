// Choosing the file an export writes: the save dialog, and the replace
// prompt when the file is there already (Yes replaces it, No asks for
// another name, Cancel ends the command).
#pragma once

#include <stdint.h>

// Shows the save dialog; false when it was cancelled. `path` holds the
// name to start from and receives the chosen one.
typedef bool (*SaveFileChooser)(void* owner, char* path, uint32_t path_size);

// False when the administrator gave up.
bool choose_export_file(void* owner, SaveFileChooser chooser, char* path, uint32_t path_size);
