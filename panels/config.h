// The configuration panel apart from its window: the authentication
// methods, the days log files are kept and the five rejection messages, read
// each time the page is shown and written by Save. The page hands each
// change of a control to one of the functions below and then redraws every
// control from the panel's state and config_controls().
#pragma once

#include <stdint.h>

#include "panels/config_record.h"

const uint32_t HELP_CONTEXT_CONFIGURATION = 1006;  // none is given; between Access (1005) and Statistics (1007)
// Longer than any valid number of days, so that a wrong one is told, not cut.
const uint32_t DAYS_FIELD_LIMIT = 10;

// The one panel. The page reads it; only the functions below change it.
struct ConfigPanel {
    void* owner;
    uint16_t platform_mask;  // of the connection, for the eligible methods
    uint32_t option_mask;
    bool loaded;            // read: the controls may edit it
    bool read_failed;       // Reset tries again
    ConfigRecord current;   // the methods and the messages as they would be stored
    ConfigRecord snapshot;  // as last read or saved
    int64_t selected;       // index in current.methods, -1: none
    char days_text[DAYS_FIELD_LIMIT + 1];
    char fields[MESSAGE_COUNT][MESSAGE_FIELD_SIZE];  // what the message fields show
    bool modified;
    uint32_t methods_version;  // changes whenever the method list changes
};

ConfigPanel& config_panel();
void config_set_owner(void* owner);

// Page commands: every showing reads the configuration again.
void config_activate(uint16_t platform_mask, uint32_t option_mask);
bool config_may_leave();
void config_reset();

// The controls.
void config_select_method(uint32_t index);
void config_move_up();
void config_move_down();
void config_activate_method();
void config_deactivate_method();
void config_edit_days(const char* text);
void config_edit_message(uint32_t message, const char* field);
// The Edit Rejection Message dialog: its title, the text it shows, and its OK.
void config_message_title(uint32_t message, char* title, uint32_t title_size);
void config_message_for_dialog(uint32_t message, char* shown, uint32_t shown_size);
void config_message_from_dialog(uint32_t message, const char* typed);
bool config_save();
// Reset: reads the configuration again.
void config_reread();
void config_method_text(uint32_t index, char* text, uint32_t text_size);

// The days field as the number stored: 0 to 3 decimal digits, empty for 0.
bool log_days_value(const char* text, uint32_t* days);

struct ConfigControls {
    bool up_enabled;
    bool down_enabled;
    bool activate_enabled;
    bool deactivate_enabled;
    bool fields_enabled;  // the days field, the message fields and their "..." buttons
    bool save_enabled;    // exactly while modified
    bool reset_enabled;   // while modified, and to read again after a failed read
};
ConfigControls config_controls();
