// The four page commands by which a host talks to its pages (the main window
// to its nine panels, a panel to pages of its own). They arrive as command
// messages; only PANEL_RESET carries an argument.
#pragma once

#include <stdint.h>

// The panel is about to be shown: load what it shows, set its help context.
// The argument points to the PanelContext of the connection.
const uint16_t PANEL_ACTIVATE = 900;
// Every tick of the main timer, to the visible panel only.
const uint16_t PANEL_TICK = 901;
// Before another panel is shown and before the window closes: nonzero to stay.
const uint16_t PANEL_QUERY_LEAVE = 902;
// Forget what was loaded (argument 0), or a profile change for the users panel.
const uint16_t PANEL_RESET = 903;

const uint32_t PANEL_RESET_ALL = 0;
const uint32_t PROFILE_LIST_CHANGED = 1;
const uint32_t PROFILE_CONTENTS_CHANGED = 2;

// What the host tells a panel about the connection when it shows it: the
// panels read the connection through this, never through the frame.
struct PanelContext {
    uint16_t access_level;
    uint32_t option_mask;
    uint16_t platform_mask;
    const char* server_name;  // the connected server; valid during the command
};
