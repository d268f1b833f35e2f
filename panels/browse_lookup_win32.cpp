#include "panels/browse_lookup_win32.h"

#include <commctrl.h>

#include "netbrowse/netview.h"
#include "netbrowse/netview_lists_win32.h"
#include "platform/prompt.h"
#include "resources/strings.h"

const BrowseScope BROWSE_DOMAINS = {NETVIEW_CACHE_DOMAINS,      NetViewGetDomainState,   NetViewWaitOnGetDomainEvent,
                                    NetViewResetGetDomainEvent, NetViewInitDomainLookup, NetViewDisplayDomainObjects,
                                    NETVIEW_TARGET_DOMAIN,      IDS_DOMAIN_WAIT_SLOW};
const BrowseScope BROWSE_HOSTS = {NETVIEW_CACHE_HOSTS,      NetViewGetHostState,   NetViewWaitOnGetHostEvent,
                                  NetViewResetGetHostEvent, NetViewInitHostLookup, NetViewDisplayHostObjects,
                                  NETVIEW_TARGET_HOST,      IDS_HOST_WAIT_SLOW};

namespace {

void tell(HWND dialog, uint16_t title_id, uint16_t text_id, PromptIcon icon) {
    PromptRequest request = {dialog, string_text(title_id), string_text(text_id), icon, PROMPT_OK, false};
    show_prompt(request);
}

}  // namespace

bool browse_show_found(HWND dialog, HWND list, const BrowseScope& scope) {
    if (scope.state() == NETVIEW_NOT_READY) scope.wait(NETVIEW_LOOKUP_WAIT_MS);
    const uint16_t state = scope.state();
    if (state == NETVIEW_FAILED) {
        tell(dialog, IDS_TITLE_ERROR, IDS_NETWORK_FAILURE, PROMPT_ICON_STOP);
        return false;
    }
    scope.display(list);
    if (state == NETVIEW_NOT_READY) tell(dialog, IDS_TITLE_WARNING, scope.slow_text_id, PROMPT_ICON_EXCLAMATION);
    return true;
}

bool browse_restart(HWND dialog, const BrowseScope& scope) {
    if (scope.state() == NETVIEW_NOT_READY) return true;
    NetViewFlushCache(scope.cache);
    scope.reset_event();
    if (scope.start()) return true;
    tell(dialog, IDS_TITLE_ERROR, IDS_NETWORK_FAILURE, PROMPT_ICON_STOP);
    return false;
}

void prepare_single_column_list(HWND list) {
    RECT client;
    GetClientRect(list, &client);
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH;
    column.cx = client.right - GetSystemMetrics(SM_CXVSCROLL);
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, (LPARAM)&column);
}
