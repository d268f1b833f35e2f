// The fields of the common open and save dialogs that the transfer commands
// fill alike.
#pragma once

#include <windows.h>

#include <commdlg.h>
#include <stdint.h>

// `filter` is the dialog's list of pairs, ended by an empty text; the
// caller adds its own flags and default extension.
OPENFILENAMEA file_dialog_fields(void* owner, const char* filter, char* path, uint32_t path_size, uint16_t title_id);
