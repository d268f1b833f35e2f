// The dialogs the record panels share.
#pragma once

#include <windows.h>

#include <stdint.h>

#include "panels/scrambled_secret.h"

// Enter shared secret: true after Set, with the new stored form in
// `secret`; false after Validate or Cancel, `secret` unchanged. Whether the
// stored secret is shown follows the service's `option_mask`.
bool secret_dialog_run(HWND owner, ScrambledSecret* secret, uint32_t option_mask);

// An Add New ... dialog from `template_id` (controls IDC_ADD_NAME and
// IDC_ADD_ANY): true on OK with the typed name in `name`; the check box
// stands for `any_name`. The field takes name_size - 1 characters.
bool add_name_dialog_run(HWND owner, int template_id, const char* any_name, char* name, uint32_t name_size);

// Add New IP Address Range, opened beside `beside`: each Add that puts a
// range into the current pool calls added(context); it stays open until
// Close.
void pool_range_dialog_run(HWND owner, HWND beside, void (*added)(void* context), void* context);
