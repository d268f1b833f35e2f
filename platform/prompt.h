// The one way the program asks or tells the person at the keyboard: a
// message box on Windows; tests install a handler that answers from a script
// and records every question.
#pragma once

enum PromptIcon {
    PROMPT_ICON_NONE,
    PROMPT_ICON_STOP,
    PROMPT_ICON_EXCLAMATION,
    PROMPT_ICON_QUESTION,
    PROMPT_ICON_INFORMATION
};
enum PromptButtons { PROMPT_OK, PROMPT_OK_CANCEL, PROMPT_YES_NO, PROMPT_YES_NO_CANCEL };
// The answers carry the Win32 button ids.
enum PromptAnswer { ANSWER_OK = 1, ANSWER_CANCEL = 2, ANSWER_YES = 6, ANSWER_NO = 7 };

struct PromptRequest {
    void* owner;  // owner window, or null
    const char* title;
    const char* text;
    PromptIcon icon;
    PromptButtons buttons;
    bool task_modal;  // modal to every window of the program (no owner)
};

PromptAnswer show_prompt(const PromptRequest& request);

typedef PromptAnswer (*PromptHandler)(const PromptRequest& request);
// Null restores the system's message box.
void set_prompt_handler(PromptHandler handler);
