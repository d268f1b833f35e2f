#include "panels/admin_pick.h"

#include <stdio.h>
#include <string.h>

#include "api/text_field.h"
#include "panels/admins.h"
#include "resources/strings.h"
#include "ui/filled_prompt.h"

void admin_pick_start(AdminPick* pick, bool remote) {
    memset(pick, 0, sizeof *pick);
    pick->remote = remote;
}

AdminPickMove admin_pick_moved(AdminPick* pick, int item_kind, const char* text) {
    if (item_kind == BROWSE_ITEM_USER || item_kind == BROWSE_ITEM_GROUP) {
        copy_text(pick->account, sizeof pick->account, text);
        pick->kind = item_kind == BROWSE_ITEM_USER ? ADMIN_USER : ADMIN_GROUP;
        pick->selected = true;
        return PICK_ACCOUNT_CHOSEN;
    }
    if (item_kind == BROWSE_ITEM_DOMAIN && pick->remote) {
        copy_text(pick->domain, sizeof pick->domain, text);
        pick->selected = false;
        return PICK_DOMAIN_CHOSEN;
    }
    return PICK_UNCHANGED;
}

bool admin_pick_add(AdminPick* pick, void* owner) {
    if (!pick->selected) return false;
    char name[ADMIN_NAME_SIZE];
    int length = pick->remote ? snprintf(name, sizeof name, "%s\\%s", pick->domain, pick->account)
                              : snprintf(name, sizeof name, "%s", pick->account);
    // Cut short it would name another account: refuse it whole.
    if (length < 0 || (uint32_t)length >= sizeof name) {
        show_filled_error(owner, IDS_ADMIN_NAME_TOO_LONG, pick->account);
        return false;
    }
    admins_add(name, pick->kind);
    pick->selected = false;
    return true;
}

bool admin_pick_double_clicked(AdminPick* pick, int item_kind, const char* text, void* owner) {
    if (admin_pick_moved(pick, item_kind, text) != PICK_ACCOUNT_CHOSEN) return false;
    return admin_pick_add(pick, owner);
}
