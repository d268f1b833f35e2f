// The nine panels in page order. A panel not built yet has an empty page
// with its template id; its own work puts its dialog procedure here.
#include "console/panel_table_win32.h"

#include "panels/pages_win32.h"
#include "panels/profiles.h"
#include "resources/shell_ids.h"
#include "shell/subdlg_win32.h"
#include "stats/stats_win32.h"

namespace {

// The profiles panel tells the users panel of added, removed and saved
// profiles. Both are pages of the frame's page host, which only the program
// sees whole: the notice goes to the users page alone, which acts on it the
// next time it is shown.
void tell_users_page(void* profiles_page, uint32_t argument) {
    HWND host = GetParent((HWND)profiles_page);
    panel_send(subdlg_page(host, IDC_PANEL_USERS - 200), PANEL_RESET, (LPARAM)argument);
}

INT_PTR CALLBACK profiles_in_frame_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam) {
    INT_PTR result = profiles_page_proc(page, message, wparam, lparam);
    if (message == WM_INITDIALOG) profiles_set_users_notice(tell_users_page, page);
    return result;
}

const PanelEntry ENTRIES[] = {
    {IDC_PANEL_SERVERS, IDD_SERVERS, servers_page_proc, "servers"},
    {IDC_PANEL_RAS_CLIENTS, IDD_RAS_CLIENTS, clients_page_proc, "ras-clients"},
    {IDC_PANEL_USERS, IDD_USERS, users_page_proc, "users"},
    {IDC_PANEL_PROFILES, IDD_PROFILES, profiles_in_frame_proc, "profiles"},
    {IDC_PANEL_PROXY, IDD_PROXY, proxies_page_proc, "proxy"},
    {IDC_PANEL_ADDRESS_POOLS, IDD_ADDRESS_POOLS, pools_page_proc, "address-pools"},
    {IDC_PANEL_ACCESS, IDD_ACCESS, admins_page_proc, "access"},
    {IDC_PANEL_CONFIGURATION, IDD_CONFIGURATION, config_page_proc, "configuration"},
    {IDC_PANEL_STATISTICS, IDD_STATISTICS, statistics_page_proc, "statistics"},
};

}  // namespace

const PanelTable CONSOLE_PANELS = {ENTRIES, sizeof ENTRIES / sizeof ENTRIES[0]};
