// The Export command of the main window's File menu: the selection dialog,
// the file, the "Exporting" progress window and the closing message.
#pragma once

#include <windows.h>

#include "transfer/export_file_choice.h"

void export_command(HWND owner);

// Tests answer the save dialog themselves; null restores the common dialog.
void export_set_file_chooser(SaveFileChooser chooser);
