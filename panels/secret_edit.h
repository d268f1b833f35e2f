// The rules of the shared-secret dialog (clients and proxies), apart from
// its window: what it opens with, and the answer of Validate. Set is
// secret_set on the target.
#pragma once

#include <stdint.h>

#include "panels/scrambled_secret.h"

// Bit of the connection's option mask: the dialog may show a stored secret.
const uint32_t OPTION_SHOW_STORED_SECRETS = 0x04;

struct SecretDialogStart {
    char shown[SECRET_TEXT_SIZE];  // the masked field's text: the stored secret when it may be shown
    bool validate_enabled;         // only a set secret can be validated
};
void secret_dialog_start(const ScrambledSecret& target, uint32_t option_mask, SecretDialogStart* start);

// Compares `typed` with the target and says so: "Correct shared secret
// specified" (information icon) or "Incorrect shared secret specified"
// (stop icon), title "Validation Result". True when they match.
bool validate_secret(void* owner, const ScrambledSecret& target, const char* typed);
