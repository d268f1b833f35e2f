#include "tests/support/scripted_prompt.h"

static ScriptedPrompt* g_script = nullptr;

static PromptAnswer scripted(const PromptRequest& request) {
    g_script->asked.push_back({request.title ? request.title : "", request.text ? request.text : "", request.icon,
                               request.buttons, request.task_modal, request.owner});
    if (!g_script->answers.empty()) {
        PromptAnswer next = g_script->answers.front();
        g_script->answers.pop_front();
        return next;
    }
    return request.buttons == PROMPT_OK ? ANSWER_OK : ANSWER_CANCEL;
}

ScriptedPrompt::ScriptedPrompt() {
    g_script = this;
    set_prompt_handler(scripted);
}

ScriptedPrompt::~ScriptedPrompt() {
    set_prompt_handler(nullptr);
    g_script = nullptr;
}
