// The dialogs the record panels share.
#pragma once

#include <windows.h>

#include <stdint.h>

#include "panels/scrambled_secret.h"

// Enter shared secret: true after Set, with the new stored form in
// `secret`; false after Validate or Cancel, `secret` unchanged. Whether the
// stored secret is shown follows the service's `option_mask`.
bool secret_dialog_run(HWND owner, ScrambledSecret* secret, uint32_t option_mask);

// The masked and the unmasked field (one of them visible) and their
// Unmask box, in the shared-secret and the user password dialogs. Start
// limits both to 31 characters, shows `shown` masked and focuses it.
void secret_fields_start(HWND dialog, const char* shown, bool validate);
// The visible field's text.
void secret_fields_read(HWND dialog, char text[SECRET_TEXT_SIZE]);
// The box was clicked: the text moves to the field that becomes visible.
void secret_fields_swap(HWND dialog);
// Empties both fields and ends the dialog.
void secret_fields_finish(HWND dialog, INT_PTR result);
// The commands both dialogs take alike: Unmask, Set (and Enter) ending with
// IDOK, Validate ending with IDCANCEL, Cancel; Set and Validate hand the
// visible text to the dialog's own action. False for any other command.
struct SecretFieldActions {
    void (*set)(HWND dialog, void* context, const char* text);
    void (*validate)(HWND dialog, void* context, const char* text);
    void* context;
};
bool secret_fields_command(HWND dialog, WPARAM wparam, const SecretFieldActions& actions);

// An Add New ... dialog from `template_id` (controls IDC_ADD_NAME and
// IDC_ADD_ANY): true on OK with the typed name in `name`; the check box
// stands for `any_name`. The field takes name_size - 1 characters.
bool add_name_dialog_run(HWND owner, int template_id, const char* any_name, char* name, uint32_t name_size);

// Add New IP Address Range, opened beside `beside`: each Add that puts a
// range into the current pool calls added(context); it stays open until
// Close.
void pool_range_dialog_run(HWND owner, HWND beside, void (*added)(void* context), void* context);

// The users panel's dialogs. Add New User: the pages the option mask
// allows; each OK goes to users_add. Enter User Password: Set and Validate
// through the users panel.
void add_user_dialog_run(HWND owner, uint32_t option_mask);
void user_password_dialog_run(HWND owner);
