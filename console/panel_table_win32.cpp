// The nine panels in page order. A panel not built yet has an empty page
// with its template id; its own work puts its dialog procedure here.
#include "console/panel_table_win32.h"

#include "panels/pages_win32.h"
#include "resources/shell_ids.h"
#include "stats/stats_win32.h"

namespace {

const PanelEntry ENTRIES[] = {
    {IDC_PANEL_SERVERS, IDD_SERVERS, servers_page_proc, "servers"},
    {IDC_PANEL_RAS_CLIENTS, IDD_RAS_CLIENTS, clients_page_proc, "ras-clients"},
    {IDC_PANEL_USERS, IDD_USERS, empty_page_proc, "users"},
    {IDC_PANEL_PROFILES, IDD_PROFILES, empty_page_proc, "profiles"},
    {IDC_PANEL_PROXY, IDD_PROXY, proxies_page_proc, "proxy"},
    {IDC_PANEL_ADDRESS_POOLS, IDD_ADDRESS_POOLS, pools_page_proc, "address-pools"},
    {IDC_PANEL_ACCESS, IDD_ACCESS, admins_page_proc, "access"},
    {IDC_PANEL_CONFIGURATION, IDD_CONFIGURATION, empty_page_proc, "configuration"},
    {IDC_PANEL_STATISTICS, IDD_STATISTICS, statistics_page_proc, "statistics"},
};

}  // namespace

const PanelTable CONSOLE_PANELS = {ENTRIES, sizeof ENTRIES / sizeof ENTRIES[0]};
