#include "ui/filled_prompt.h"

#include "api/text_fill.h"
#include "attrs/error_box.h"
#include "resources/strings.h"

PromptAnswer show_filled_prompt(void* owner, uint16_t title_id, uint16_t text_id, const char* const* values,
                                uint32_t value_count, PromptIcon icon, PromptButtons buttons) {
    char text[512];
    fill_text(text, sizeof text, string_text(text_id), values, value_count);
    PromptRequest request = {owner, string_text(title_id), text, icon, buttons, false};
    return show_prompt(request);
}

void show_filled_error(void* owner, uint16_t text_id, const char* value) {
    char text[512];
    fill_text(text, sizeof text, string_text(text_id), &value, 1);
    show_error_text(owner, text);
}
