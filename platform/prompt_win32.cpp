#include <windows.h>

#include "platform/prompt.h"

PromptAnswer system_prompt(const PromptRequest& request) {
    UINT style = 0;
    switch (request.icon) {
        case PROMPT_ICON_STOP: style |= MB_ICONSTOP; break;
        case PROMPT_ICON_EXCLAMATION: style |= MB_ICONEXCLAMATION; break;
        case PROMPT_ICON_QUESTION: style |= MB_ICONQUESTION; break;
        case PROMPT_ICON_INFORMATION: style |= MB_ICONINFORMATION; break;
        case PROMPT_ICON_NONE: break;
    }
    switch (request.buttons) {
        case PROMPT_OK: style |= MB_OK; break;
        case PROMPT_OK_CANCEL: style |= MB_OKCANCEL; break;
        case PROMPT_YES_NO: style |= MB_YESNO; break;
        case PROMPT_YES_NO_CANCEL: style |= MB_YESNOCANCEL; break;
    }
    if (request.task_modal) style |= MB_TASKMODAL;
    return (PromptAnswer)MessageBoxA((HWND)request.owner, request.text, request.title, style);
}
