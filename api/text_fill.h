// Filling the placeholders of a string-table text with prepared values.
#pragma once

#include <stdint.h>

// Copies `text` into `out` (out_size bytes, always NUL-terminated, cut when
// it does not fit), replacing each placeholder, in order, by the next of
// `values`: "%s"; "%2.2d.%2.2d.%2.2d", which stands for one version already
// in its "01.30.00" form; and "%04X", a status already in its four digits. Placeholders beyond `count` stay as they
// are, so a text and its values that disagree show rather than crash.
void fill_text(char* out, uint32_t out_size, const char* text, const char* const* values, uint32_t count);
