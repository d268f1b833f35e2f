#include "panels/secret_edit.h"

#include <string.h>

#include "platform/prompt.h"
#include "resources/strings.h"

void secret_dialog_start(const ScrambledSecret& target, uint32_t option_mask, SecretDialogStart* start) {
    memset(start->shown, 0, sizeof start->shown);
    start->validate_enabled = secret_is_set(target);
    if (!start->validate_enabled || !(option_mask & OPTION_SHOW_STORED_SECRETS)) return;
    secret_unscramble(target, start->shown);
    start->shown[SECRET_TEXT_LIMIT] = 0;  // the field holds 31 characters
}

bool validate_secret(void* owner, const ScrambledSecret& target, const char* typed) {
    bool correct = secret_matches(target, typed);
    PromptRequest request = {owner,
                             string_text(IDS_VALIDATION_TITLE),
                             string_text(correct ? IDS_SECRET_CORRECT : IDS_SECRET_INCORRECT),
                             correct ? PROMPT_ICON_INFORMATION : PROMPT_ICON_STOP,
                             PROMPT_OK,
                             false};
    show_prompt(request);
    return correct;
}
