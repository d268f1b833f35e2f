#include "platform/prompt.h"

PromptAnswer system_prompt(const PromptRequest& request);

static PromptHandler g_handler = nullptr;

PromptAnswer show_prompt(const PromptRequest& request) {
    return g_handler ? g_handler(request) : system_prompt(request);
}

void set_prompt_handler(PromptHandler handler) { g_handler = handler; }
