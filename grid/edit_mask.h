// The text of the in-place edit and its character mask: one mask character
// per text position says what may be typed there, and any other character
// is a literal the edit fills in by itself. The mask's length is the most
// the text can hold. An empty mask takes any printable text.
#pragma once

#include <stddef.h>
#include <stdint.h>

const int32_t EDIT_TEXT_MAX = 256;
extern const char DEFAULT_EDIT_MASK[];  // "aaaaaaaaaa"
const int32_t EDIT_PASTE_MAX = 99;

struct EditText {
    char text[EDIT_TEXT_MAX + 1];
    char mask[EDIT_TEXT_MAX + 1];
    int32_t length;
    int32_t caret;
    int32_t anchor;  // other end of the selection, -1 = none
};

bool mask_is_literal(char mask);
// Whether the mask character takes ch, and what is stored for it.
bool mask_accepts(char mask, char ch, char* stored);

void edit_init(EditText* edit);
// Refused (false) above 256 characters; the text is typed again through it.
bool edit_set_mask(EditText* edit, const char* mask);
// Cut to the mask's length and typed again through the mask.
void edit_set_text(EditText* edit, const char* text);
int32_t edit_capacity(const EditText& edit);

// Each returns whether the text changed.
bool edit_type(EditText* edit, char ch);
bool edit_delete(EditText* edit);
bool edit_backspace(EditText* edit);
bool edit_delete_selection(EditText* edit);
bool edit_paste(EditText* edit, const char* text);

// Moves the caret (clamped to the text); extend keeps or starts a selection.
void edit_move(EditText* edit, int32_t to, bool extend);
void edit_select(EditText* edit, int32_t from, int32_t to);
bool edit_selection(const EditText& edit, int32_t* start, int32_t* end);
void edit_selected_text(const EditText& edit, char* out, size_t size);

// What position i shows: the text, or the template's character in grey
// where the text holds a blank or has ended. 0 past both.
char edit_display_char(const EditText& edit, const char* text_template, int32_t i, bool* grey);
int32_t edit_display_length(const EditText& edit, const char* text_template);
