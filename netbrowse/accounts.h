// The users and groups of a domain or host, for the second list.
#pragma once

#include <stdint.h>

#include <vector>

#include "netbrowse/browser.h"
#include "netbrowse/notices.h"

// The kind of a list item: its image index, and the number reported to the
// caller with its text.
enum ItemKind : uint16_t { ITEM_DOMAIN = 0, ITEM_HOST = 1, ITEM_USER = 2, ITEM_GROUP = 3 };

struct ListItem {
    NetName name;
    uint16_t kind;
};

enum AccountsResult : uint16_t {
    ACCOUNTS_DONE = 0,          // also for a target kind that is neither domain nor host
    ACCOUNTS_FAILED = 1,        // the cause was shown where it is known
    ACCOUNTS_LOGON_REFUSED = 2  // the server refused the anonymous logon
};

// Lists the users, then the groups, of the domain's controller (kind 4) or
// the host (kind 5) into `items`, which stay empty unless the whole listing
// succeeded. On ACCOUNTS_LOGON_REFUSED `refused_server` names the server
// the caller should attach to with credentials.
uint16_t list_accounts(BrowserEngine* engine, int kind, const char16_t* target, const Notices& notices,
                       std::vector<ListItem>* items, NetName* refused_server);
