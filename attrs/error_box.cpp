#include "attrs/error_box.h"

#include "platform/prompt.h"
#include "resources/strings.h"

void show_error_text(void* owner, const char* text) {
    PromptRequest request = {owner, string_text(IDS_TITLE_ERROR), text, PROMPT_ICON_STOP, PROMPT_OK, false};
    show_prompt(request);
}

void show_error(void* owner, uint16_t string_id) { show_error_text(owner, string_text(string_id)); }
