#include "api/report.h"

#include <stdio.h>
#include <string.h>

#include "api/status.h"
#include "platform/prompt.h"
#include "resources/strings.h"

void format_status_message(char* out, uint32_t out_size, const char* message, uint16_t status) {
    if (out_size == 0) return;
    char hex[5];
    snprintf(hex, sizeof hex, "%04X", status);
    uint32_t used = 0;
    auto append = [&](const char* text, size_t length) {
        size_t room = out_size - 1 - used;
        if (length > room) length = room;
        memcpy(out + used, text, length);
        used += (uint32_t)length;
    };
    for (const char* at = message; *at;) {
        if (strncmp(at, "%04X", 4) == 0) {
            append(hex, 4);
            at += 4;
        } else if (strncmp(at, "%s", 2) == 0) {
            const char* text = status_text(status);
            append(text, strlen(text));
            at += 2;
        } else {
            append(at, 1);
            ++at;
        }
    }
    out[used] = 0;
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
