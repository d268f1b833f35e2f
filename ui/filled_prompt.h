// A text of the string table with its "%s" places filled in, shown in a box.
#pragma once

#include <stdint.h>

#include "platform/prompt.h"

PromptAnswer show_filled_prompt(void* owner, uint16_t title_id, uint16_t text_id, const char* const* values,
                                uint32_t value_count, PromptIcon icon, PromptButtons buttons);
// The common case: an input error ("ERROR", stop icon, OK) naming one value.
void show_filled_error(void* owner, uint16_t text_id, const char* value);
