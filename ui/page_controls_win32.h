// Small steps the record pages take on their controls alike.
#pragma once

#include <windows.h>

#include <stdint.h>

// Sets a control's text only when it differs, so the caret and the
// selection of a field being typed in stay where they are.
void set_text_if_changed(HWND page, int id, const char* text);
// Refills a list box with `count` names from `name_of` without flicker.
void fill_list_box(HWND list, uint32_t count, void (*name_of)(uint32_t index, char* text, uint32_t text_size));
// A control that has just been disabled must not keep the keyboard (and
// disabling it may have taken the focus away altogether): the focus goes to
// control `fallback_id`.
void keep_focus_usable(HWND page, HWND had_focus, int fallback_id);
// Enables or disables control `id`.
void enable_control(HWND page, int id, bool enabled);
