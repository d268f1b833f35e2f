#include "transfer/export_file_choice.h"

#include <stdio.h>

#include "platform/prompt.h"
#include "resources/strings.h"

namespace {

bool file_exists(const char* path) {
    FILE* file = fopen(path, "rb");
    if (!file) return false;
    fclose(file);
    return true;
}

}  // namespace

bool choose_export_file(void* owner, SaveFileChooser chooser, char* path, uint32_t path_size) {
    for (;;) {
        if (!chooser(owner, path, path_size)) return false;
        if (!file_exists(path)) return true;
        char text[600];
        snprintf(text, sizeof text, string_text(IDS_EXPORT_REPLACE_FILE), path);
        PromptRequest request = {
            owner, string_text(IDS_TITLE_FILE_EXISTS), text, PROMPT_ICON_EXCLAMATION, PROMPT_YES_NO_CANCEL, false};
        switch (show_prompt(request)) {
            case ANSWER_YES: return true;
            case ANSWER_NO: continue;  // another name
            default: return false;
        }
    }
}
