// Which parts of the console an access level opens. Level 2 is full access;
// any other level leaves only the Servers panel, the settings, exit and help.
#pragma once

#include <stdint.h>

// `button_id` is one of the panel buttons 201 to 209.
bool panel_button_enabled(int button_id, uint16_t level);
// `item_id` is a menu command of the main window.
bool menu_item_enabled(int item_id, uint16_t level);
