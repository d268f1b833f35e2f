#include "api/report.h"

#include <stdio.h>

#include "api/status.h"
#include "api/text_fill.h"
#include "platform/prompt.h"
#include "resources/strings.h"

void format_status_message(char* out, uint32_t out_size, const char* message, uint16_t status) {
    char hex[5];
    snprintf(hex, sizeof hex, "%04X", status);
    const char* const values[] = {hex, status_text(status)};
    fill_text(out, out_size, message, values, 2);
}

static void report_text(uint16_t title_id, const char* text) {
    PromptRequest request = {nullptr, string_text(title_id), text, PROMPT_ICON_EXCLAMATION, PROMPT_OK, true};
    show_prompt(request);
}

void report_status(uint16_t title_id, uint16_t message_id, uint16_t status) {
    char text[512];
    format_status_message(text, sizeof text, string_text(message_id), status);
    report_text(title_id, text);
}

void report_message(uint16_t title_id, uint16_t message_id) { report_text(title_id, string_text(message_id)); }
