// The Import command of the main window's File menu: the open dialog, the
// file checked, the scan, the selection dialog whose OK runs the import
// under the "Import Status" window, and the closing messages.
#pragma once

#include <windows.h>

#include "transfer/export_file_choice.h"
#include "transfer/selection_model.h"

// True when a ".rif" file was opened and its selection dialog shown: the
// panels must then forget what they loaded (the caller resets them).
bool import_command(HWND owner);

// Tests answer the open dialog themselves; null restores the common dialog.
void import_set_file_chooser(SaveFileChooser chooser);
// A file whose name does not end in "rif" is a users file.

// OK of the selection dialog (`context` the ImportRun): the import phase
// under the "Import Status" window, then its closing messages; the dialog
// closes after them.
bool import_phase_under_status(HWND dialog, SelectionModel* pages, void* context);
