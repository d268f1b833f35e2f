#include "panels/config.h"

#include <stdio.h>
#include <string.h>

#include "api/report.h"
#include "api/status.h"
#include "api/text_field.h"
#include "api/text_fill.h"
#include "attrs/error_box.h"
#include "panels/record_panel.h"
#include "platform/prompt.h"
#include "resources/strings.h"
#include "ui/filled_prompt.h"
#include "ui/wait_cursor.h"

namespace {

ConfigPanel empty_panel() {
    ConfigPanel p;
    memset(&p, 0, sizeof p);
    p.selected = -1;
    return p;
}

ConfigPanel g_panel = empty_panel();

ConfigPanel& panel() { return g_panel; }

// The controls from the working record; not modified.
void display() {
    ConfigPanel& p = panel();
    p.days_text[0] = 0;
    if (p.loaded) snprintf(p.days_text, sizeof p.days_text, "%u", p.current.log_days);
    for (uint32_t i = 0; i < MESSAGE_COUNT; ++i) escape_message(p.current.messages[i], p.fields[i], MESSAGE_FIELD_SIZE);
    if (p.selected >= (int64_t)p.current.methods.count) p.selected = -1;
    if (p.selected < 0 && p.current.methods.count > 0) p.selected = 0;
    ++p.methods_version;
    p.modified = false;
}

void read_now() {
    ConfigPanel& p = panel();
    uint16_t status = while_waiting([&] { return read_config(&p.current, p.platform_mask, p.option_mask); });
    p.loaded = status == 0;
    p.read_failed = status != 0;
    // Half a configuration is not shown: saved, its defaults would replace
    // what could not be read.
    if (!p.loaded) memset(&p.current, 0, sizeof p.current);
    p.snapshot = p.current;
    p.selected = -1;
    display();
    if (status != 0) report_status(IDS_TITLE_ERROR_DB, IDS_LOAD_FAILED, status);
}

void discard() {
    ConfigPanel& p = panel();
    p.current = p.snapshot;
    display();
}

// After the methods changed: `index` is where the chosen one is now.
void methods_changed(uint32_t index) {
    ConfigPanel& p = panel();
    p.selected = index;
    ++p.methods_version;
    p.modified = true;
}

bool chosen(uint32_t* index) {
    ConfigPanel& p = panel();
    if (!p.loaded || p.selected < 0) return false;
    *index = (uint32_t)p.selected;
    return true;
}

// A save that stopped part way says which parts the server now holds and
// which it still holds as before; the changes stay on the page for another Save.
void report_save_failure(uint16_t status, uint32_t written) {
    char hex[5], saved[256], not_saved[256], text[1024];
    snprintf(hex, sizeof hex, "%04X", status);
    config_part_names(0, written, saved, sizeof saved);
    config_part_names(written, CONFIG_PART_COUNT, not_saved, sizeof not_saved);
    const char* values[] = {hex, status_text(status), saved, not_saved};
    fill_text(text, sizeof text, string_text(written == 0 ? IDS_CONFIG_SAVED_NOTHING : IDS_CONFIG_SAVED_PART), values,
              4);
    PromptRequest request = {nullptr, string_text(IDS_TITLE_ERROR_DB), text, PROMPT_ICON_EXCLAMATION, PROMPT_OK, true};
    show_prompt(request);
}

PromptAnswer ask(uint16_t text_id, PromptIcon icon, PromptButtons buttons) {
    return show_filled_prompt(panel().owner, IDS_TITLE_WARNING_DB, text_id, nullptr, 0, icon, buttons);
}

}  // namespace

bool log_days_value(const char* text, uint32_t* days) {
    size_t length = strlen(text);
    if (length > 3) return false;
    uint32_t value = 0;
    for (size_t i = 0; i < length; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (uint32_t)(text[i] - '0');
    }
    *days = value;
    return true;
}

ConfigPanel& config_panel() { return panel(); }

void config_set_owner(void* owner) { panel().owner = owner; }

void config_activate(uint16_t platform_mask, uint32_t option_mask) {
    ConfigPanel& p = panel();
    p.platform_mask = platform_mask;
    p.option_mask = option_mask;
    read_now();
}

bool config_may_leave() {
    ConfigPanel& p = panel();
    if (!p.modified) return true;
    if (active_method_count(p.current.methods) == 0) {
        if (ask(IDS_CONFIG_DISCARD_EMPTY, PROMPT_ICON_EXCLAMATION, PROMPT_YES_NO) != ANSWER_YES) return false;
        discard();
        return true;
    }
    return follow_save_answer(ask(IDS_CONFIG_SAVE_PROMPT, PROMPT_ICON_QUESTION, PROMPT_YES_NO_CANCEL), config_save,
                              discard);
}

void config_reset() {
    ConfigPanel& p = panel();
    void* owner = p.owner;
    uint32_t version = p.methods_version;
    p = empty_panel();
    p.owner = owner;
    p.methods_version = version + 1;
}

void config_select_method(uint32_t index) {
    ConfigPanel& p = panel();
    if (index < p.current.methods.count) p.selected = index;
}

void config_move_up() {
    uint32_t index;
    if (chosen(&index) && can_move_method_up(panel().current.methods, index))
        methods_changed(move_method_up(&panel().current.methods, index));
}

void config_move_down() {
    uint32_t index;
    if (chosen(&index) && can_move_method_down(panel().current.methods, index))
        methods_changed(move_method_down(&panel().current.methods, index));
}

void config_activate_method() {
    uint32_t index;
    if (chosen(&index) && !panel().current.methods.entries[index].active)
        methods_changed(activate_method(&panel().current.methods, index));
}

void config_deactivate_method() {
    uint32_t index;
    if (chosen(&index) && panel().current.methods.entries[index].active)
        methods_changed(deactivate_method(&panel().current.methods, index));
}

void config_edit_days(const char* text) {
    ConfigPanel& p = panel();
    if (!p.loaded) return;
    copy_text(p.days_text, sizeof p.days_text, text);
    p.modified = true;
}

void config_edit_message(uint32_t message, const char* field) {
    ConfigPanel& p = panel();
    if (!p.loaded || message >= MESSAGE_COUNT) return;
    copy_text(p.fields[message], MESSAGE_FIELD_SIZE, field);
    unescape_message(field, p.current.messages[message], MESSAGE_TEXT_SIZE);
    p.modified = true;
}

void config_message_title(uint32_t message, char* title, uint32_t title_size) {
    const char* name = string_text(rejection_message_info(message).dialog_name_id);
    fill_text(title, title_size, string_text(IDS_CONFIG_MESSAGE_TITLE), &name, 1);
}

void config_message_for_dialog(uint32_t message, char* shown, uint32_t shown_size) {
    message_for_dialog(panel().current.messages[message < MESSAGE_COUNT ? message : 0], shown, shown_size);
}

void config_message_from_dialog(uint32_t message, const char* typed) {
    ConfigPanel& p = panel();
    if (!p.loaded || message >= MESSAGE_COUNT) return;
    char shown[MESSAGE_DIALOG_SIZE];
    char* text = p.current.messages[message];
    message_for_dialog(text, shown, sizeof shown);
    char result[MESSAGE_TEXT_SIZE];
    message_from_dialog(typed, shown, text, result, sizeof result);
    memcpy(text, result, MESSAGE_TEXT_SIZE);
    escape_message(text, p.fields[message], MESSAGE_FIELD_SIZE);
    p.modified = true;
}

bool config_save() {
    ConfigPanel& p = panel();
    if (!p.loaded) return false;
    if (active_method_count(p.current.methods) == 0) {
        report_message(IDS_TITLE_ERROR_DB, IDS_CONFIG_EMPTY_ORDER);
        return false;
    }
    uint32_t days = 0;
    if (!log_days_value(p.days_text, &days)) {
        show_error(p.owner, IDS_CONFIG_DAYS_RANGE);
        return false;
    }
    p.current.log_days = days;
    uint32_t written = 0;
    uint16_t status = while_waiting([&] { return write_config(p.current, &written); });
    if (status != 0) {
        report_save_failure(status, written);
        return false;
    }
    p.snapshot = p.current;
    display();  // as stored: "007" shows as 7
    return true;
}

void config_reread() { read_now(); }

void config_method_text(uint32_t index, char* text, uint32_t text_size) {
    const MethodList& methods = panel().current.methods;
    copy_text(text, text_size, index < methods.count ? method_name(methods.entries[index].code) : "");
}

ConfigControls config_controls() {
    ConfigPanel& p = panel();
    ConfigControls controls = {};
    uint32_t index = 0;
    if (chosen(&index)) {
        const MethodList& methods = p.current.methods;
        bool active = methods.entries[index].active;
        controls.up_enabled = can_move_method_up(methods, index);
        controls.down_enabled = can_move_method_down(methods, index);
        controls.activate_enabled = !active;
        controls.deactivate_enabled = active;
    }
    controls.fields_enabled = p.loaded;
    controls.save_enabled = p.modified;
    controls.reset_enabled = p.modified || p.read_failed;
    return controls;
}
