// The in-place edit's mask under any mask and any keystrokes: the first byte
// gives the mask's length, the mask follows, and each remaining byte is a
// key (a few low values stand for editing keys). After every key the text
// must still fit its mask.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "grid/edit_mask.h"

namespace {

void check(const EditText& edit) {
    int32_t capacity = edit_capacity(edit);
    if (edit.length < 0 || edit.length > capacity || edit.caret < 0 || edit.caret > edit.length) abort();
    if ((int32_t)strlen(edit.text) != edit.length) abort();
    for (int32_t i = 0; i < edit.length; ++i) {
        char mask = edit.mask[0] ? edit.mask[i] : 'a';
        char c = edit.text[i], stored;
        if (mask_is_literal(mask) ? c != mask : (c != ' ' && !mask_accepts(mask, c, &stored))) abort();
    }
    bool grey;
    for (int32_t i = 0; i < edit_display_length(edit, "__/__"); ++i) edit_display_char(edit, "__/__", i, &grey);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    size_t mask_length = data[0] % 40;
    if (mask_length > size - 1) mask_length = size - 1;
    char mask[64] = "";
    memcpy(mask, data + 1, mask_length);
    mask[mask_length] = 0;
    EditText edit;
    edit_init(&edit);
    edit_set_mask(&edit, mask);
    check(edit);
    for (size_t i = 1 + mask_length; i < size; ++i) {
        char key = (char)data[i];
        switch (data[i]) {
            case 1: edit_delete(&edit); break;
            case 2: edit_backspace(&edit); break;
            case 3: edit_move(&edit, edit.caret - 1, (i & 1) != 0); break;
            case 4: edit_move(&edit, edit.caret + 1, (i & 1) != 0); break;
            case 5: edit_move(&edit, 0, true); break;
            case 6: edit_paste(&edit, "12/ab.Z9"); break;
            case 7: edit_set_text(&edit, edit.text); break;
            default: edit_type(&edit, key); break;
        }
        check(edit);
    }
    return 0;
}
