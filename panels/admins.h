// The Access panel apart from its window: the server's administrators as
// the list shows them, the selected entry, the rules of the three buttons,
// and removing and adding entries. The page and the two Add dialogs call
// these functions and then redraw from the panel's state.
#pragma once

#include <stdint.h>

#include "api/requests.h"
#include "ui/panel_commands.h"

const uint32_t HELP_CONTEXT_ACCESS = 1005;
const uint32_t HELP_CONTEXT_ADD_LOCAL_ADMIN = 1026;
const uint32_t HELP_CONTEXT_ADD_REMOTE_ADMIN = 1038;
const uint32_t HELP_TOPIC_ADD_ADMIN = 1022;

// Option-mask bits of the service that decide the two Add buttons.
const uint32_t OPTION_NO_LOCAL_ADMINS = 0x10;
const uint32_t OPTION_REMOTE_ADMINS = 0x01;

// A name as the list holds it: up to 259 characters.
const uint32_t ADMIN_NAME_SIZE = 260;

struct AdminEntry {
    char name[ADMIN_NAME_SIZE];
    uint16_t kind;  // ADMIN_USER or ADMIN_GROUP: also the icon index
};

// The one panel. The page reads it; only the functions below change it.
struct AdminsPanel {
    void* owner;          // window that owns the panel's messages
    bool loaded;          // listed since the last reset
    AdminEntry* entries;  // in the order shown: by name, case ignored
    uint32_t count;
    uint32_t capacity;
    int64_t selected;       // index in entries, -1: none
    uint32_t option_mask;   // as the last activation told it
    uint32_t list_version;  // changes whenever the entries change
};

AdminsPanel& admins_panel();
void admins_set_owner(void* owner);

// Page commands: activation lists the entries unless they were listed
// since the last reset, and clears the selection; reset forgets them.
void admins_activate(const PanelContext& context);
void admins_reset();

// Lists the entries again. A failed listing is reported once and the list
// shows what was read before the failure; the next activation tries again.
void admins_refill();
// The list's selection: an index, or -1 for none.
void admins_select(int64_t index);
// Remove: the selected entry; then the entry now at its place is selected.
void admins_remove();
// Adds `name` as a user or group administrator. The server's refusal is
// reported with its status; either way the list is read again.
uint16_t admins_add(const char* name, uint16_t kind);

struct AdminsControls {
    bool add_local_enabled;
    bool add_remote_enabled;
    bool remove_enabled;
};
AdminsControls admins_controls();
