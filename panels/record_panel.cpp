#include "panels/record_panel.h"

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
