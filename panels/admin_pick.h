// What the Add Local and Add Remote Administrator dialogs remember between
// the browser library's notices: the chosen domain (remote only) and the
// chosen user or group. The dialogs hand each notice and each Add here.
#pragma once

#include <stdint.h>

// The browser library's item kinds, as its notices carry them.
const int BROWSE_ITEM_DOMAIN = 0;
const int BROWSE_ITEM_USER = 2;
const int BROWSE_ITEM_GROUP = 3;
// Its item texts are at most 256 bytes.
const uint32_t BROWSE_TEXT_SIZE = 257;

struct AdminPick {
    bool remote;                     // names are DOMAIN\account
    char domain[BROWSE_TEXT_SIZE];   // remote: the domain chosen, "" before one is
    char account[BROWSE_TEXT_SIZE];  // the user or group last chosen
    uint16_t kind;                   // ADMIN_USER or ADMIN_GROUP
    bool selected;                   // Add is enabled exactly while set
};

void admin_pick_start(AdminPick* pick, bool remote);

enum AdminPickMove {
    PICK_UNCHANGED,       // neither a user, a group nor a domain
    PICK_ACCOUNT_CHOSEN,  // a user or group: Add may be pressed
    PICK_DOMAIN_CHOSEN,   // remote: show this domain's users and groups
};
AdminPickMove admin_pick_moved(AdminPick* pick, int item_kind, const char* text);

// Add: sends the chosen account to the server through the Access panel
// (which reports a refusal and lists again), then clears the selection;
// `account` keeps the name so the dialog can deselect it. False when
// nothing was chosen, or the full name does not fit (reported).
bool admin_pick_add(AdminPick* pick, void* owner);
// A double-click on a user or group: chosen, then added.
bool admin_pick_double_clicked(AdminPick* pick, int item_kind, const char* text, void* owner);
