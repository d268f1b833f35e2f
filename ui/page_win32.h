// The page commands as window messages: WM_COMMAND with the command id in
// the low word and the argument in lParam.
#pragma once

#include <windows.h>

#include <stddef.h>
#include <stdint.h>

#include "ui/panel_commands.h"

// Sends a page command; the panel's answer (nonzero from PANEL_QUERY_LEAVE: stay).
LRESULT panel_send(HWND page, uint16_t command, LPARAM argument = 0);
// A panel's dialog procedure answers a command or a key with this.
INT_PTR panel_answer(HWND page, LRESULT value);
// The context a PANEL_ACTIVATE carries; a zeroed one when it carries none.
PanelContext panel_context(LPARAM argument);

// Which flag of a panel's controls structure enables each control of a page.
template <typename Controls>
struct ControlRule {
    int id;
    bool Controls::*enabled;
};
template <typename Controls, size_t N>
void enable_controls(HWND page, const Controls& controls, const ControlRule<Controls> (&rules)[N]) {
    for (const ControlRule<Controls>& rule : rules)
        EnableWindow(GetDlgItem(page, rule.id), controls.*rule.enabled ? TRUE : FALSE);
}

// A control that has just been disabled must not keep the keyboard (and
// disabling it may have taken the focus away altogether): the focus goes to
// `fallback`.
void keep_focus_usable(HWND page, HWND had_focus, HWND fallback);
// Sets a field's text only when it differs, so that the caret and the
// selection of a field being typed in stay where they are.
void set_field_text(HWND page, int id, const char* text);
// Refills a list box with `count` texts from `text_of` without flicker.
void fill_list_box(HWND list, uint32_t count, void (*text_of)(uint32_t index, char* text, uint32_t text_size));

// How a record page answers the frame's page commands: activation sets its
// help context and loads what was not loaded; a reset forgets it all and,
// while shown (after an import), loads again at once; leaving runs the save
// prompt. The page redraws itself after each.
struct RecordPage {
    uint32_t help_context;
    void (*activate)();
    void (*reset)();
    bool (*may_leave)();
    void (*refresh)(HWND page);
};
// True when WM_COMMAND `command` was a page command, with the dialog
// procedure's answer in *result; PANEL_ACTIVATE's context goes to *context
// (when given).
bool record_page_command(HWND page, const RecordPage& record_page, uint16_t command, LPARAM argument,
                         PanelContext* context, INT_PTR* result);
