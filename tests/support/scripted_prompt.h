// Answers the program's questions from a script and records every one, so a
// test can check what the administrator would have seen.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/prompt.h"

struct RecordedPrompt {
    std::string title;
    std::string text;
    PromptIcon icon;
    PromptButtons buttons;
    bool task_modal;
    void* owner;
};

// Installed for its lifetime. Questions beyond the script get ANSWER_CANCEL
// (or ANSWER_OK for a plain message) and are recorded all the same.
struct ScriptedPrompt {
    std::deque<PromptAnswer> answers;
    std::vector<RecordedPrompt> asked;

    ScriptedPrompt();
    ~ScriptedPrompt();
    void answer(PromptAnswer next) { answers.push_back(next); }
};
