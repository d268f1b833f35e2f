#include "panels/record_panel.h"

#include "api/text_field.h"
#include "platform/charset.h"

void typed_object_name(const char* typed, char* name, uint32_t name_size) {
    char upper[256];
    copy_text(upper, sizeof upper, typed);
    upper_case_ansi(upper);
    ansi_to_oem(upper, name, name_size);
}

bool follow_save_answer(PromptAnswer answer, bool (*save)(), void (*revert)()) {
    switch (answer) {
        case ANSWER_YES: return save();  // a failed save keeps the administrator here
        case ANSWER_NO: revert(); return true;
        default: return false;
    }
}

int64_t entry_after_removal(uint32_t removed, uint32_t count) {
    if (count == 0) return -1;
    return removed < count ? removed : 0;
}
