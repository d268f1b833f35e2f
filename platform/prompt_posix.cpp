#include <stdio.h>

#include "platform/prompt.h"

// Without a window system the text goes to standard error; a question gets
// the cautious answer.
PromptAnswer system_prompt(const PromptRequest& request) {
    fprintf(stderr, "%s: %s\n", request.title ? request.title : "", request.text ? request.text : "");
    switch (request.buttons) {
        case PROMPT_OK: return ANSWER_OK;
        case PROMPT_YES_NO: return ANSWER_NO;
        default: return ANSWER_CANCEL;
    }
}
