// Steps every record panel takes alike.
#pragma once

#include <stdint.h>

#include "platform/prompt.h"

// What the save prompt's answer means: Yes saves (a failed save counts as
// Cancel), No reverts; true when the panel may go on.
bool follow_save_answer(PromptAnswer answer, bool (*save)(), void (*revert)());
// The entry to show after entry `removed` left a list now `count` long: the
// same position, or the first when it was the last; -1 for an empty list.
int64_t entry_after_removal(uint32_t removed, uint32_t count);
