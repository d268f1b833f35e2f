// The browser library's background lookups of domains or hosts, as the
// dialogs that list them wait for, show and restart them.
#pragma once

#include <windows.h>

#include <stdint.h>

struct BrowseScope {
    int cache;  // NETVIEW_CACHE_DOMAINS or _HOSTS
    uint16_t (*state)();
    uint32_t (*wait)(uint32_t milliseconds);
    int (*reset_event)();
    int (*start)();
    int (*display)(HWND list);
    int target;             // NETVIEW_TARGET_DOMAIN or _HOST: whose accounts a chosen entry lists
    uint16_t slow_text_id;  // the lookup is still running after the wait
};
extern const BrowseScope BROWSE_DOMAINS;
extern const BrowseScope BROWSE_HOSTS;

// Waits for the lookup, then shows what it found in `list`. A failed lookup
// leaves the list empty and says so; one still running after the wait shows
// what was found so far, with a warning. False when it failed.
bool browse_show_found(HWND dialog, HWND list, const BrowseScope& scope);
// Refresh: a lookup still running goes on; otherwise it starts afresh.
// False (reported) when it cannot be started.
bool browse_restart(HWND dialog, const BrowseScope& scope);
// A list view of one column as wide as the list, without its heading.
void prepare_single_column_list(HWND list);
