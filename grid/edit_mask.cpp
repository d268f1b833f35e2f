#include "grid/edit_mask.h"

#include <stdio.h>
#include <string.h>

const char DEFAULT_EDIT_MASK[] = "aaaaaaaaaa";

namespace {

const char FREE_MASK = 'a';

bool is_digit(unsigned char c) { return c >= '0' && c <= '9'; }
bool is_letter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0xC0; }
bool is_printable(unsigned char c) { return (c >= 0x20 && c < 0x7F) || c >= 0xA0; }
char upper(char c) { return c >= 'a' && c <= 'z' ? (char)(c - 'a' + 'A') : c; }

char mask_at(const EditText& edit, int32_t i) { return edit.mask[0] ? edit.mask[i] : FREE_MASK; }

int32_t run_end(const EditText& edit, int32_t pos) {
    int32_t capacity = edit_capacity(edit);
    char kind = mask_at(edit, pos);
    int32_t end = pos + 1;
    while (end < capacity && mask_at(edit, end) == kind) ++end;
    return end;
}

void clear_selection(EditText* edit) { edit->anchor = -1; }

// Stores c at pos, shifting the rest of the run of identical mask
// characters right; the run's last character drops off when it is full.
void insert_in_run(EditText* edit, int32_t pos, char c) {
    int32_t end = run_end(*edit, pos);
    int32_t last = edit->length < end ? edit->length : end - 1;
    memmove(edit->text + pos + 1, edit->text + pos, (size_t)(last - pos));
    edit->text[pos] = c;
    if (edit->length < end) ++edit->length;
    edit->text[edit->length] = 0;
}

// Removes the character at pos within its run; a gap left before later
// text becomes a blank.
bool remove_in_run(EditText* edit, int32_t pos) {
    if (pos < 0 || pos >= edit->length || mask_is_literal(mask_at(*edit, pos))) return false;
    int32_t end = run_end(*edit, pos);
    if (edit->length <= end) {
        memmove(edit->text + pos, edit->text + pos + 1, (size_t)(edit->length - pos - 1));
        --edit->length;
    } else {
        memmove(edit->text + pos, edit->text + pos + 1, (size_t)(end - pos - 1));
        edit->text[end - 1] = ' ';
    }
    edit->text[edit->length] = 0;
    return true;
}

// After a deletion the text does not end in filled-in literals or blanks.
void trim_tail(EditText* edit) {
    while (edit->length > 0) {
        char last = edit->text[edit->length - 1];
        if (last != ' ' && !mask_is_literal(mask_at(*edit, edit->length - 1))) break;
        --edit->length;
    }
    edit->text[edit->length] = 0;
    if (edit->caret > edit->length) edit->caret = edit->length;
}

bool type_at_caret(EditText* edit, char ch, bool keep_blank) {
    int32_t capacity = edit_capacity(*edit);
    int32_t pos = edit->caret;
    while (pos < capacity && mask_is_literal(mask_at(*edit, pos))) {
        if (ch == mask_at(*edit, pos)) {
            // Typing the literal itself passes over it.
            for (int32_t i = edit->caret; i <= pos; ++i)
                if (i == edit->length) edit->text[edit->length++] = mask_at(*edit, i);
            edit->text[edit->length] = 0;
            edit->caret = pos + 1;
            return true;
        }
        ++pos;
    }
    if (pos >= capacity) return false;
    char stored = 0;
    if (keep_blank && ch == ' ')
        stored = ' ';
    else if (!mask_accepts(mask_at(*edit, pos), ch, &stored))
        return false;
    for (int32_t i = edit->caret; i < pos; ++i)
        if (i == edit->length) edit->text[edit->length++] = mask_at(*edit, i);
    edit->text[edit->length] = 0;
    insert_in_run(edit, pos, stored);
    edit->caret = pos + 1;
    return true;
}

}  // namespace

bool mask_is_literal(char mask) { return !strchr("AaBbLlNn", mask) || mask == 0; }

bool mask_accepts(char mask, char ch, char* stored) {
    unsigned char c = (unsigned char)ch;
    bool ok = false, to_upper = false;
    switch (mask) {
        case 'A': ok = is_printable(c), to_upper = true; break;
        case 'a': ok = is_printable(c); break;
        case 'B': ok = is_letter(c) || is_digit(c), to_upper = true; break;
        case 'b': ok = is_letter(c) || is_digit(c); break;
        case 'L': ok = is_letter(c), to_upper = true; break;
        case 'l': ok = is_letter(c); break;
        case 'N': ok = is_digit(c) || c == '.'; break;
        case 'n': ok = is_digit(c); break;
        default: ok = false; break;
    }
    if (ok) *stored = to_upper ? upper(ch) : ch;
    return ok;
}

void edit_init(EditText* edit) {
    *edit = EditText{};
    snprintf(edit->mask, sizeof edit->mask, "%s", DEFAULT_EDIT_MASK);
    edit->anchor = -1;
}

int32_t edit_capacity(const EditText& edit) {
    return edit.mask[0] ? (int32_t)strnlen(edit.mask, EDIT_TEXT_MAX) : EDIT_TEXT_MAX;
}

bool edit_set_mask(EditText* edit, const char* mask) {
    if (!mask) mask = "";
    if (strlen(mask) > (size_t)EDIT_TEXT_MAX) return false;
    char old[EDIT_TEXT_MAX + 1];
    snprintf(old, sizeof old, "%s", edit->text);
    snprintf(edit->mask, sizeof edit->mask, "%s", mask);
    edit_set_text(edit, old);
    return true;
}

void edit_set_text(EditText* edit, const char* text) {
    if (!text) text = "";
    edit->length = 0;
    edit->text[0] = 0;
    edit->caret = 0;
    clear_selection(edit);
    int32_t capacity = edit_capacity(*edit);
    for (int32_t i = 0; text[i] && i < capacity; ++i) type_at_caret(edit, text[i], true);
    edit->caret = edit->length;
}

bool edit_type(EditText* edit, char ch) {
    bool changed = edit_delete_selection(edit);
    return type_at_caret(edit, ch, false) || changed;
}

bool edit_delete(EditText* edit) {
    if (edit_delete_selection(edit)) return true;
    if (!remove_in_run(edit, edit->caret)) return false;
    trim_tail(edit);
    return true;
}

bool edit_backspace(EditText* edit) {
    if (edit_delete_selection(edit)) return true;
    int32_t pos = edit->caret - 1;
    while (pos >= 0 && mask_is_literal(mask_at(*edit, pos))) --pos;
    if (pos < 0) return false;
    edit->caret = pos;
    if (!remove_in_run(edit, pos)) return false;
    trim_tail(edit);
    return true;
}

bool edit_delete_selection(EditText* edit) {
    int32_t start, end;
    if (!edit_selection(*edit, &start, &end)) return false;
    bool changed = false;
    for (int32_t pos = end - 1; pos >= start; --pos) changed = remove_in_run(edit, pos) || changed;
    clear_selection(edit);
    edit->caret = start;
    trim_tail(edit);
    return changed;
}

bool edit_paste(EditText* edit, const char* text) {
    if (!text) return false;
    bool changed = edit_delete_selection(edit);
    for (int32_t i = 0; text[i] && i < EDIT_PASTE_MAX; ++i) changed = type_at_caret(edit, text[i], false) || changed;
    return changed;
}

void edit_move(EditText* edit, int32_t to, bool extend) {
    if (to < 0) to = 0;
    if (to > edit->length) to = edit->length;
    if (extend && edit->anchor < 0) edit->anchor = edit->caret;
    if (!extend) clear_selection(edit);
    edit->caret = to;
}

void edit_select(EditText* edit, int32_t from, int32_t to) {
    edit_move(edit, from, false);
    edit_move(edit, to, true);
}

bool edit_selection(const EditText& edit, int32_t* start, int32_t* end) {
    if (edit.anchor < 0 || edit.anchor == edit.caret) return false;
    int32_t anchor = edit.anchor > edit.length ? edit.length : edit.anchor;
    *start = anchor < edit.caret ? anchor : edit.caret;
    *end = anchor < edit.caret ? edit.caret : anchor;
    return *start < *end;
}

void edit_selected_text(const EditText& edit, char* out, size_t size) {
    if (!out || size == 0) return;
    out[0] = 0;
    int32_t start, end;
    if (!edit_selection(edit, &start, &end)) return;
    snprintf(out, size, "%.*s", (int)(end - start), edit.text + start);
}

int32_t edit_display_length(const EditText& edit, const char* text_template) {
    int32_t shown = text_template ? (int32_t)strnlen(text_template, EDIT_TEXT_MAX) : 0;
    return edit.length > shown ? edit.length : shown;
}

char edit_display_char(const EditText& edit, const char* text_template, int32_t i, bool* grey) {
    *grey = false;
    int32_t shown = text_template ? (int32_t)strnlen(text_template, EDIT_TEXT_MAX) : 0;
    if (i < 0) return 0;
    if (i < edit.length && edit.text[i] != ' ') return edit.text[i];
    if (i < shown) {
        *grey = true;
        return text_template[i];
    }
    return i < edit.length ? ' ' : 0;
}
