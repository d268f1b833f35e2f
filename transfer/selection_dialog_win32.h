// The Import/Export selection dialog: a tab per page of the model, each a
// multiple-selection list with All and None, Select All over every page,
// OK and Cancel.
#pragma once

#include <windows.h>

#include "transfer/selection_model.h"

// Called on OK with the model holding what was selected; returns false to
// keep the dialog open (the import runs its phase here). Null: OK closes.
typedef bool (*SelectionAccepted)(HWND dialog, SelectionModel* model, void* context);

// Runs the dialog modally over `model` (its entries start as the model
// says). IDOK with the selection in the model, or IDCANCEL.
INT_PTR run_selection_dialog(HWND owner, SelectionModel* model, SelectionAccepted accepted, void* context);
