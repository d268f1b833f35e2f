#include "tools/tour/tour_steps_win32.h"

#include <string.h>

#include <commctrl.h>
#include "grid/keelgrid32_win32.h"

#include "panels/admins_ids.h"
#include "panels/clients_ids.h"
#include "panels/config_ids.h"
#include "panels/dialog_ids.h"
#include "panels/pools_ids.h"
#include "panels/profiles_ids.h"
#include "panels/proxies_ids.h"
#include "panels/users_ids.h"
#include "platform/profile_file.h"
#include "report/report_ids.h"
#include "report/report_settings.h"
#include "resources/shell_ids.h"
#include "shell/dialogs_win32.h"
#include "shell/main_window_win32.h"
#include "shell/servers.h"
#include "shell/subdlg_win32.h"
#include "stats/stats_ids.h"
#include "tools/griddemo/demo_window_win32.h"
#include "tools/tour/attribute_pages_host_win32.h"
#include "transfer/export_progress_win32.h"
#include "transfer/import_status_win32.h"
#include "transfer/transfer_ids.h"
#include "transfer/users_import_ids.h"
#include "transfer/users_import_options_win32.h"
#include "ui/attribute_editor_ids.h"

namespace {

HWND servers_control(int id) { return GetDlgItem(subdlg_page(panel_host(), 1), id); }

void connect_local() { SendMessageA(servers_control(IDC_CONNECT), BM_CLICK, 0, 0); }

void open_about() { PostMessageA(main_window(), WM_COMMAND, IDM_ABOUT, 0); }

void close_front_dialog() {
    HWND dialog = tour_front_dialog();
    if (dialog) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

// Returns when a later step closes the dialog.
void open_attach_to_host() {
    char user[LOGON_TEXT_SIZE] = "", password[LOGON_TEXT_SIZE] = "";
    attach_dialog_run(main_window(), server_connection().local_name, user, password);
}

void type_logon() {
    HWND dialog = tour_front_dialog();
    if (!dialog) return;
    SetDlgItemTextA(dialog, IDC_ATTACH_USER, "RIVERNET\\administrator");
    SetDlgItemTextA(dialog, IDC_ATTACH_PASSWORD, "password");
    SendDlgItemMessageA(dialog, IDC_ATTACH_USER, EM_SETSEL, 64, 64);  // caret after the name
}

HWND clients_page() { return subdlg_page(panel_host(), IDC_PANEL_RAS_CLIENTS - 200); }

void show_clients() { SendMessageA(GetDlgItem(main_window(), IDC_PANEL_RAS_CLIENTS), BM_CLICK, 0, 0); }

// A client with both secrets, chosen as a click in the list chooses it.
void select_hq_nas1() {
    HWND list = GetDlgItem(clients_page(), IDC_CLIENT_LIST);
    LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM) "HQ-NAS1");
    if (index < 0) return;
    SendMessageA(list, LB_SETCURSEL, (WPARAM)index, 0);
    SendMessageA(clients_page(), WM_COMMAND, MAKEWPARAM(IDC_CLIENT_LIST, LBN_SELCHANGE), (LPARAM)list);
}

// Each returns when a later step closes the dialog.
void open_shared_secret() { SendMessageA(GetDlgItem(clients_page(), IDC_CLIENT_SECRET), BM_CLICK, 0, 0); }
void open_add_client() { SendMessageA(GetDlgItem(clients_page(), IDC_CLIENT_ADD), BM_CLICK, 0, 0); }

void unmask_secret() {
    HWND dialog = tour_front_dialog();
    if (dialog) SendMessageA(GetDlgItem(dialog, IDC_SECRET_UNMASK), BM_CLICK, 0, 0);
}

void type_client_name() {
    HWND dialog = tour_front_dialog();
    if (!dialog) return;
    SetDlgItemTextA(dialog, IDC_ADD_NAME, "pop-west1");
    SendDlgItemMessageA(dialog, IDC_ADD_NAME, EM_SETSEL, 64, 64);
}

HWND users_page() { return subdlg_page(panel_host(), IDC_PANEL_USERS - 200); }

void show_users() { SendMessageA(GetDlgItem(main_window(), IDC_PANEL_USERS), BM_CLICK, 0, 0); }

// A user whose own rows override and subtract its profile's, chosen as a
// click chooses it.
void select_mkowalski() {
    HWND list = GetDlgItem(users_page(), IDC_USER_LIST);
    LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM) "MKOWALSKI");
    if (index < 0) return;
    SendMessageA(list, LB_SETCURSEL, (WPARAM)index, 0);
    SendMessageA(users_page(), WM_COMMAND, MAKEWPARAM(IDC_USER_LIST, LBN_SELCHANGE), (LPARAM)list);
}

// Chooses tab `index` of a tab control as a click does.
void choose_tab(HWND parent, int id, int index) {
    HWND tabs = GetDlgItem(parent, id);
    SendMessageA(tabs, TCM_SETCURSEL, (WPARAM)index, 0);
    NMHDR header = {tabs, (UINT_PTR)id, (UINT)TCN_SELCHANGE};
    SendMessageA(parent, WM_NOTIFY, (WPARAM)id, (LPARAM)&header);
}

void show_user_check_list() { choose_tab(users_page(), IDC_USER_TABS, 0); }

// Each returns when a later step closes the dialog.
void open_user_password() { SendMessageA(GetDlgItem(users_page(), IDC_USER_PASSWORD), BM_CLICK, 0, 0); }
void open_add_user() { SendMessageA(GetDlgItem(users_page(), IDC_USER_ADD), BM_CLICK, 0, 0); }

void type_user_name() {
    HWND dialog = tour_front_dialog();
    if (!dialog) return;
    HWND page = FindWindowExA(dialog, nullptr, "#32770", nullptr);
    SetDlgItemTextA(page, IDC_NEW_USER_NAME, "smith");
}

// The Add New User page shown, after choosing tab `index`.
HWND add_user_page(int index) {
    HWND dialog = tour_front_dialog();
    if (!dialog) return nullptr;
    choose_tab(dialog, IDC_ADD_USER_TABS, index);
    for (HWND page = FindWindowExA(dialog, nullptr, "#32770", nullptr); page;
         page = FindWindowExA(dialog, page, "#32770", nullptr))
        if (IsWindowVisible(page)) return page;
    return nullptr;
}

// The browser's lists hear the keys as the administrator's.
void choose_in_page(HWND page, int id, const char* text) {
    if (!page) return;
    HWND list = GetDlgItem(page, id);
    LVFINDINFOA find = {};
    find.flags = LVFI_STRING;
    find.psz = text;
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_BROWSE_SOURCES, 0), 0);  // the lookup's findings, now
    LRESULT index = SendMessageA(list, LVM_FINDITEMA, (WPARAM)-1, (LPARAM)&find);
    if (index < 0) return;
    SetFocus(list);
    SendMessageA(list, WM_KEYDOWN, VK_HOME, 0);
    for (LRESULT i = 0; i < index; ++i) SendMessageA(list, WM_KEYDOWN, VK_DOWN, 0);
}

void choose_domain_user() {
    HWND page = add_user_page(1);
    choose_in_page(page, IDC_BROWSE_SOURCES, "RIVERNET");
    HWND accounts = page ? GetDlgItem(page, IDC_BROWSE_ACCOUNTS) : nullptr;
    if (accounts) SendMessageA(accounts, WM_KEYDOWN, VK_DOWN, 0);
}

void choose_host_group() {
    HWND page = add_user_page(2);
    choose_in_page(page, IDC_BROWSE_SOURCES, "RIVERDC");
}

void choose_securid_prefix() {
    HWND page = add_user_page(3);
    if (!page) return;
    SetDlgItemTextA(page, IDC_NEW_USER_NAME, "sid-");
    SendMessageA(GetDlgItem(page, IDC_SECURID_PREFIX), BM_CLICK, 0, 0);
}

HWND proxies_page() { return subdlg_page(panel_host(), IDC_PANEL_PROXY - 200); }

void show_proxies() { SendMessageA(GetDlgItem(main_window(), IDC_PANEL_PROXY), BM_CLICK, 0, 0); }

// Returns when a later step closes the dialog.
void open_add_proxy() { SendMessageA(GetDlgItem(proxies_page(), IDC_PROXY_ADD), BM_CLICK, 0, 0); }

void check_roaming() {
    HWND dialog = tour_front_dialog();
    if (dialog) SendMessageA(GetDlgItem(dialog, IDC_ADD_ANY), BM_CLICK, 0, 0);
}

HWND pools_page() { return subdlg_page(panel_host(), IDC_PANEL_ADDRESS_POOLS - 200); }

void show_pools() { SendMessageA(GetDlgItem(main_window(), IDC_PANEL_ADDRESS_POOLS), BM_CLICK, 0, 0); }

// A pool of several ranges, one of them chosen as a click chooses it.
void select_dialup_range() {
    HWND page = pools_page();
    HWND pools = GetDlgItem(page, IDC_POOL_LIST);
    LRESULT index = SendMessageA(pools, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM) "DIALUP-POOL");
    if (index < 0) return;
    SendMessageA(pools, LB_SETCURSEL, (WPARAM)index, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_POOL_LIST, LBN_SELCHANGE), (LPARAM)pools);
    HWND ranges = GetDlgItem(page, IDC_POOL_RANGES);
    SendMessageA(ranges, LB_SETCURSEL, 1, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_POOL_RANGES, LBN_SELCHANGE), (LPARAM)ranges);
}

// Each returns when a later step closes the dialog.
void open_add_pool() { SendMessageA(GetDlgItem(pools_page(), IDC_POOL_ADD), BM_CLICK, 0, 0); }
void open_add_range() { SendMessageA(GetDlgItem(pools_page(), IDC_POOL_INSERT), BM_CLICK, 0, 0); }

void type_pool_name() {
    HWND dialog = tour_front_dialog();
    if (!dialog) return;
    SetDlgItemTextA(dialog, IDC_ADD_NAME, "wireless-pool");
    SendDlgItemMessageA(dialog, IDC_ADD_NAME, EM_SETSEL, 64, 64);
}

void type_range() {
    HWND dialog = tour_front_dialog();
    if (!dialog) return;
    SetDlgItemTextA(dialog, IDC_RANGE_START, "10.64.3.1");
    SetDlgItemTextA(dialog, IDC_RANGE_COUNT, "126");
    SendDlgItemMessageA(dialog, IDC_RANGE_COUNT, EM_SETSEL, 8, 8);
}

// Returns when a later step closes the window.
void open_attribute_pages() { run_attribute_pages_host(main_window()); }

void select_return_row(const char* starting) {
    HWND page = attribute_host_page(true);
    if (!page) return;
    HWND list = GetDlgItem(page, IDC_ATTR_LIST);
    char line[400];
    for (LRESULT i = 0, count = SendMessageA(list, LB_GETCOUNT, 0, 0); i < count; ++i) {
        if (SendMessageA(list, LB_GETTEXTLEN, (WPARAM)i, 0) >= (LRESULT)sizeof line) continue;
        SendMessageA(list, LB_GETTEXT, (WPARAM)i, (LPARAM)line);
        if (strncmp(line, starting, strlen(starting)) != 0) continue;
        SendMessageA(list, LB_SETCURSEL, (WPARAM)i, 0);
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_ATTR_LIST, LBN_SELCHANGE), (LPARAM)list);
        return;
    }
}

// The subtracted filter selected: struck through in the highlight.
void select_subtracted_filter() { select_return_row("Filter-Id    \tstd-internet"); }

// Each returns when a later step closes the dialog.
void open_add_attribute() {
    HWND page = attribute_host_page(true);
    if (page) SendMessageA(GetDlgItem(page, IDC_ATTR_INSERT), BM_CLICK, 0, 0);
}
void open_change_attribute() {
    select_return_row("Idle-Timeout");
    HWND page = attribute_host_page(true);
    if (page) SendMessageA(GetDlgItem(page, IDC_ATTR_EDIT), BM_CLICK, 0, 0);
}

// An address from a pool: the pool controls of the return list.
void choose_pool_value() {
    HWND dialog = tour_front_dialog();
    if (!dialog) return;
    HWND list = GetDlgItem(dialog, IDC_ADD_ATTRIBUTES);
    LRESULT at = SendMessageA(list, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM) "Framed-IP-Address");
    if (at < 0) return;
    SendMessageA(list, LB_SETCURSEL, (WPARAM)at, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_ADD_ATTRIBUTES, LBN_SELCHANGE), (LPARAM)list);
    SendMessageA(GetDlgItem(dialog, IDC_VALUE_POOL_CHECK), BM_CLICK, 0, 0);
    HWND pools = GetDlgItem(dialog, IDC_VALUE_POOLS);
    SendMessageA(pools, CB_SETCURSEL, 0, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_VALUE_POOLS, CBN_SELCHANGE), (LPARAM)pools);
}

HWND profiles_page() { return subdlg_page(panel_host(), IDC_PANEL_PROFILES - 200); }

void show_profiles() { SendMessageA(GetDlgItem(main_window(), IDC_PANEL_PROFILES), BM_CLICK, 0, 0); }

// DIALUP-STANDARD: the richest return list of the demo profiles.
void select_dialup_profile() {
    HWND list = GetDlgItem(profiles_page(), IDC_PROFILE_LIST);
    LRESULT at = SendMessageA(list, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM) "DIALUP-STANDARD");
    if (at < 0) return;
    SendMessageA(list, LB_SETCURSEL, (WPARAM)at, 0);
    SendMessageA(profiles_page(), WM_COMMAND, MAKEWPARAM(IDC_PROFILE_LIST, LBN_SELCHANGE), (LPARAM)list);
}

// The check list's tab, chosen from the keyboard as the administrator would.
void show_profile_check_list() {
    HWND tabs = GetDlgItem(profiles_page(), IDC_PROFILE_TABS);
    SetFocus(tabs);
    SendMessageA(tabs, WM_KEYDOWN, VK_LEFT, 0);
}

// Returns when a later step closes the dialog.
void open_add_profile() { SendMessageA(GetDlgItem(profiles_page(), IDC_PROFILE_ADD), BM_CLICK, 0, 0); }

void type_profile_name() {
    HWND dialog = tour_front_dialog();
    if (dialog) SetDlgItemTextA(dialog, IDC_ADD_NAME, "sales");
}

HWND access_page() { return subdlg_page(panel_host(), IDC_PANEL_ACCESS - 200); }

void show_access() { SendMessageA(GetDlgItem(main_window(), IDC_PANEL_ACCESS), BM_CLICK, 0, 0); }

// An entry chosen as a click in the list chooses it.
void select_first_admin() {
    HWND list = GetDlgItem(access_page(), IDC_ADMIN_LIST);
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, 0, (LPARAM)&state);
    SetFocus(list);
}

// Each returns when a later step closes the dialog.
void open_add_local_admin() { SendMessageA(GetDlgItem(access_page(), IDC_ADMIN_ADD_LOCAL), BM_CLICK, 0, 0); }
void open_add_remote_admin() { SendMessageA(GetDlgItem(access_page(), IDC_ADMIN_ADD_REMOTE), BM_CLICK, 0, 0); }

// The browser's lists hear the keys as the administrator's: Home, then
// Down until the item with `text` is the current one.
void choose_in_list(int id, const char* text) {
    HWND dialog = tour_front_dialog();
    if (!dialog) return;
    HWND list = GetDlgItem(dialog, id);
    LVFINDINFOA find = {};
    find.flags = LVFI_STRING;
    find.psz = text;
    LRESULT index = SendMessageA(list, LVM_FINDITEMA, (WPARAM)-1, (LPARAM)&find);
    if (index < 0) return;
    SetFocus(list);
    SendMessageA(list, WM_KEYDOWN, VK_HOME, 0);
    for (LRESULT i = 0; i < index; ++i) SendMessageA(list, WM_KEYDOWN, VK_DOWN, 0);
}

void choose_local_account() { choose_in_list(IDC_PICK_ACCOUNTS, "operator"); }
void choose_domain() { choose_in_list(IDC_PICK_DOMAINS, "RIVERNET"); }
void choose_remote_account() { choose_in_list(IDC_PICK_ACCOUNTS, "jlee"); }

HWND config_page() { return subdlg_page(panel_host(), IDC_PANEL_CONFIGURATION - 200); }

void show_configuration() { SendMessageA(GetDlgItem(main_window(), IDC_PANEL_CONFIGURATION), BM_CLICK, 0, 0); }

// The inactive method, chosen as a click in the list chooses it: Activate
// is the button it offers.
void select_inactive_method() {
    HWND list = GetDlgItem(config_page(), IDC_CONFIG_METHODS);
    LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM) "NT Host Group");
    if (index < 0) return;
    SendMessageA(list, LB_SETCURSEL, (WPARAM)index, 0);
    SendMessageA(config_page(), WM_COMMAND, MAKEWPARAM(IDC_CONFIG_METHODS, LBN_SELCHANGE), (LPARAM)list);
}

// Returns when a later step closes the dialog: the message with two lines.
void open_edit_message() { SendMessageA(GetDlgItem(config_page(), IDC_CONFIG_EDIT_UNKNOWN_USER), BM_CLICK, 0, 0); }

HWND statistics_page() { return subdlg_page(panel_host(), IDC_PANEL_STATISTICS - 200); }

void show_statistics() { SendMessageA(GetDlgItem(main_window(), IDC_PANEL_STATISTICS), BM_CLICK, 0, 0); }

// The next tab, as the Right key chooses it.
void next_statistics_tab() {
    HWND tabs = GetDlgItem(statistics_page(), IDC_STATS_TABS);
    SetFocus(tabs);
    SendMessageA(tabs, WM_KEYDOWN, VK_RIGHT, 0);
}

// Returns when a later step closes the window.
void open_current_users() { SendMessageA(GetDlgItem(statistics_page(), IDC_STATS_CURRENT_USERS), BM_CLICK, 0, 0); }

HWND current_users_grid() {
    HWND window = tour_front_dialog();
    return window ? GetDlgItem(window, IDC_CU_GRID) : nullptr;
}

// The middle of a cell of the grid (or of its heading strip, row -1).
LPARAM cell_point(HWND grid, int column, int row) {
    int x = 0;
    for (int c = 0; c < column; ++c) x += (int)SendMessageA(grid, TBM_GETCOLWIDTH, c, 0);
    x += (int)SendMessageA(grid, TBM_GETCOLWIDTH, column, 0) / 2;
    int height = (int)SendMessageA(grid, TBM_GETROWHEIGHT, 0, 0);
    return MAKELPARAM(x, row < 0 ? 6 : row * height + height / 2);
}

void click_cell(HWND window, HWND grid, int column, int row, WPARAM keys) {
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON | keys, cell_point(grid, column, row));
    SendMessageA(window, WM_LBUTTONUP, keys, cell_point(grid, column, row));
    UpdateWindow(window);
}

// Two sessions chosen with Ctrl, as the mouse chooses them.
void select_two_sessions() {
    HWND grid = current_users_grid();
    if (!grid) return;
    click_cell(grid, grid, 0, 1, 0);
    click_cell(grid, grid, 0, 4, MK_CONTROL);
}

// "Time" dragged onto "User Name": the sessions by date.
void drag_time_first() {
    HWND grid = current_users_grid();
    if (!grid) return;
    HWND heading = GetDlgItem(GetParent(grid), IDC_CU_HEADING);
    SendMessageA(heading, WM_LBUTTONDOWN, MK_LBUTTON, cell_point(grid, 4, -1));
    SendMessageA(heading, WM_MOUSEMOVE, MK_LBUTTON, cell_point(grid, 0, -1));
    SendMessageA(heading, WM_LBUTTONUP, 0, cell_point(grid, 0, -1));
    click_cell(grid, grid, 0, 2, 0);
}

// Returns when a later step answers the confirmation.
void press_delete() {
    HWND grid = current_users_grid();
    if (grid) SendMessageA(GetDlgItem(GetParent(grid), IDC_CU_DELETE), BM_CLICK, 0, 0);
}

void back_to_servers() { SendMessageA(GetDlgItem(main_window(), IDC_PANEL_SERVERS), BM_CLICK, 0, 0); }

// The grid demo's window, found by its class: the tour keeps no window handles.
HWND grid_demo() { return FindWindowA("KeelGridDemo", nullptr); }

void open_grid_demo() { griddemo_open(GetModuleHandleA(nullptr), 70, 60); }

// A selection, an unchecked box, and a row dragged by its number into Picked.
void select_and_pick() {
    HWND demo = grid_demo();
    if (!demo) return;
    HWND users = griddemo_users(demo), picked = griddemo_picked(demo);
    SetFocus(users);
    SendMessageA(users, TBM_SETCURROW, 0, 2);
    SendMessageA(users, TBM_SETCURCOL, DEMO_ACTIVE, 0);
    SendMessageA(users, WM_CHAR, ' ', 0);
    SendMessageA(users, TBM_SETCURCOL, DEMO_SINCE, 0);
    SendMessageA(users, TBM_SETCURROW, 0, 4);
    POINT at = {10, 8};
    MapWindowPoints(picked, users, &at, 1);
    PostMessageA(users, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    PostMessageA(users, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    char name[] = "user000004";
    char* data[2] = {name, nullptr};
    TB_DragStart(users, LoadCursor(nullptr, IDC_HAND), data, 4);
}

// An edit of the Since column started by typing, half filled.
void open_grid_edit() {
    HWND demo = grid_demo();
    if (!demo || !griddemo_edit(demo, DEMO_SINCE, 4, '0')) return;
    HWND edit = (HWND)SendMessageA(griddemo_users(demo), TBM_GETEDITWINDOW, 0, 0);
    for (const char* key = "704"; *key; ++key) PostMessageA(edit, WM_CHAR, (WPARAM)*key, 0);
}

void close_grid_demo() {
    HWND demo = grid_demo();
    if (demo) DestroyWindow(demo);
}

void open_export() { PostMessageA(main_window(), WM_COMMAND, IDM_EXPORT, 0); }

// Everything selected, the Users page in front.
void select_all_for_export() {
    HWND dialog = tour_front_dialog();
    if (!dialog) return;
    SendMessageA(GetDlgItem(dialog, IDC_SELECT_ALL), BM_CLICK, 0, 0);
    HWND tabs = GetDlgItem(dialog, IDC_SELECT_TABS);
    SendMessageA(tabs, TCM_SETCURSEL, 1, 0);
    NMHDR header = {tabs, (UINT_PTR)IDC_SELECT_TABS, (UINT)TCN_SELCHANGE};
    SendMessageA(dialog, WM_NOTIFY, IDC_SELECT_TABS, (LPARAM)&header);
}

// The progress window as an export of the demo database shows it halfway
// through the users (a real export of it is over too soon to be taken).
ExportProgressWindow g_progress = {};
void open_export_progress() {
    export_progress_open(&g_progress, main_window());
    ExportProgress progress = {"Exporting Users", "JSMITH", 30, 81};
    export_progress_update(&g_progress, progress);
}
void close_export_progress() { export_progress_close(&g_progress); }

// Returns when a later step closes the dialog; Cancel loads nothing.
void open_users_import_options() {
    UsersImportChoices choices;
    ImportDictionaryTables tables = {};
    UsersImportOptions options = {};
    users_import_options_run(main_window(), &choices, &tables, &options);
    import_dictionaries_free(&tables);
    users_import_options_free(&choices);
}

// A profile linked to every user and passwords kept as digests.
void choose_users_import_options() {
    HWND dialog = tour_front_dialog();
    if (!dialog) return;
    SendDlgItemMessageA(dialog, IDC_UIMPORT_PROFILE, CB_SETCURSEL, 1, 0);
    CheckRadioButton(dialog, IDC_UIMPORT_PAP_CHAP, IDC_UIMPORT_PAP_ONLY, IDC_UIMPORT_PAP_ONLY);
}
// The replace question of an import, as it stands when the file holds a
// client the server has already.
ImportStatusWindow g_import_status = {};
void open_import_question() {
    import_status_open(&g_import_status, main_window());
    import_status_show_question(&g_import_status, "Client", "HQ-NAS1");
}
void close_import_question() { import_status_close(&g_import_status); }
// The settings as a first run finds them: the defaults, and all sections.
void open_report_settings() {
    save_report_files(SETTINGS_FILE, "", "");
    ReportSelection all = {};
    all.all = true;
    save_report_selection(SETTINGS_FILE, all);
    PostMessageA(main_window(), WM_COMMAND, IDM_SETTINGS, 0);
}

// The report goes to Report.rtf in the tour's folder, where ./run tour
// prints its first pages; the viewer is a command that ends at once, so no
// window of another program comes up in the tour.
void open_report() {
    save_report_files(SETTINGS_FILE, "cmd.exe /c rem", "Report.rtf");
    PostMessageA(main_window(), WM_COMMAND, IDM_REPORT, 0);
}

void press_in_front(int id) {
    HWND dialog = tour_front_dialog();
    if (dialog) SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

// Selected sections, users and profiles left out.
void choose_some_sections() {
    press_in_front(IDC_REPORT_SELECTED);
    press_in_front(IDC_REPORT_USERS);
    press_in_front(IDC_REPORT_PROFILES);
}

// Everything again, and the report written.
void report_everything() {
    press_in_front(IDC_REPORT_ALL);
    press_in_front(IDOK);
}

void exit_console() { PostMessageA(main_window(), WM_COMMAND, IDM_EXIT, 0); }

}  // namespace

const TourStep TOUR_STEPS[] = {
    {"servers-not-connected", nullptr, false},
    {nullptr, connect_local, false},
    {"servers-connected", nullptr, false},
    {nullptr, open_about, false},
    {"about-box", nullptr, false},
    {nullptr, close_front_dialog, false},
    {nullptr, open_attach_to_host, false},
    {nullptr, type_logon, false},
    {"attach-to-host", nullptr, false},
    {nullptr, close_front_dialog, false},
    {nullptr, nullptr, true},
    {nullptr, show_clients, false},
    {nullptr, select_hq_nas1, false},
    {"ras-clients-selected", nullptr, false},
    {nullptr, open_shared_secret, false},
    {"ras-clients-shared-secret", nullptr, false},
    {nullptr, unmask_secret, false},
    {"ras-clients-shared-secret-unmasked", nullptr, false},
    {nullptr, close_front_dialog, false},
    {nullptr, open_add_client, false},
    {nullptr, type_client_name, false},
    {"ras-clients-add", nullptr, false},
    {nullptr, close_front_dialog, false},
    {nullptr, show_users, false},
    {nullptr, select_mkowalski, false},
    {"users-selected", nullptr, false},
    {nullptr, show_user_check_list, false},
    {"users-check-list", nullptr, false},
    {nullptr, open_user_password, false},
    {"users-password", nullptr, false},
    {nullptr, close_front_dialog, false},
    {nullptr, open_add_user, false},
    {nullptr, type_user_name, false},
    {"users-add-native", nullptr, false},
    {nullptr, choose_domain_user, false},
    {"users-add-domain", nullptr, false},
    {nullptr, choose_host_group, false},
    {"users-add-host", nullptr, false},
    {nullptr, choose_securid_prefix, false},
    {"users-add-securid", nullptr, false},
    {nullptr, close_front_dialog, false},
    {nullptr, show_proxies, false},
    {nullptr, open_add_proxy, false},
    {nullptr, check_roaming, false},
    {"proxies-add-roaming", nullptr, false},
    {nullptr, show_pools, false},
    {nullptr, select_dialup_range, false},
    {"address-pools-selected", nullptr, false},
    {nullptr, open_add_pool, false},
    {nullptr, type_pool_name, false},
    {"address-pools-add", nullptr, false},
    {nullptr, close_front_dialog, false},
    {nullptr, open_add_range, false},
    {nullptr, type_range, false},
    {"address-pools-add-range", nullptr, false},
    {nullptr, close_front_dialog, false},
    {nullptr, show_profiles, false},
    {nullptr, select_dialup_profile, false},
    {"profiles-return-list", nullptr, false},
    {nullptr, show_profile_check_list, false},
    {"profiles-check-list", nullptr, false},
    {nullptr, open_add_profile, false},
    {nullptr, type_profile_name, false},
    {"profiles-add", nullptr, false},
    {nullptr, close_front_dialog, false},
    {nullptr, open_attribute_pages, false},
    {nullptr, select_subtracted_filter, false},
    {"attribute-lists", nullptr, false},
    {nullptr, open_add_attribute, false},
    {nullptr, choose_pool_value, false},
    {"attribute-add", nullptr, false},
    {nullptr, close_front_dialog, false},
    {nullptr, open_change_attribute, false},
    {"attribute-change", nullptr, false},
    {nullptr, close_front_dialog, false},
    {nullptr, close_front_dialog, false},
    {nullptr, show_access, false},
    {nullptr, select_first_admin, false},
    {"access-selected", nullptr, false},
    {nullptr, open_add_local_admin, false},
    {nullptr, choose_local_account, false},
    {"access-add-local", nullptr, false},
    {nullptr, close_front_dialog, false},
    {nullptr, open_add_remote_admin, false},
    {nullptr, choose_domain, false},
    {nullptr, choose_remote_account, false},
    {"access-add-remote", nullptr, false},
    {nullptr, close_front_dialog, false},
    {nullptr, show_configuration, false},
    {nullptr, select_inactive_method, false},
    {"configuration-inactive-selected", nullptr, false},
    {nullptr, open_edit_message, false},
    {"configuration-edit-message", nullptr, false},
    {nullptr, close_front_dialog, false},
    {nullptr, show_statistics, false},
    {nullptr, nullptr, false},  // a few refreshes for the graph
    {nullptr, nullptr, false},
    {nullptr, nullptr, false},
    {nullptr, nullptr, false},
    {nullptr, nullptr, false},
    {"statistics-authentication", nullptr, false},
    {nullptr, next_statistics_tab, false},
    {"statistics-accounting", nullptr, false},
    {nullptr, next_statistics_tab, false},
    {"statistics-proxy", nullptr, false},
    {nullptr, open_current_users, false},
    {nullptr, select_two_sessions, false},
    {"current-users-selected", nullptr, false},
    {nullptr, drag_time_first, false},
    {"current-users-by-time", nullptr, false},
    {nullptr, press_delete, false},
    {"current-users-delete", nullptr, false},
    {nullptr, close_front_dialog, false},
    {nullptr, close_front_dialog, false},
    {nullptr, open_export, false},
    {nullptr, select_all_for_export, false},
    {"export-select", nullptr, false},
    {nullptr, close_front_dialog, false},
    {nullptr, open_export_progress, false},
    {"export-progress", nullptr, false},
    {nullptr, close_export_progress, false},
    {nullptr, open_users_import_options, false},
    {nullptr, choose_users_import_options, false},
    {"users-import-options", nullptr, false},
    {nullptr, close_front_dialog, false},
    {nullptr, open_import_question, false},
    {"import-replace", nullptr, false},
    {nullptr, close_import_question, false},
    {nullptr, open_report_settings, false},
    {"report-settings", nullptr, false},
    {nullptr, close_front_dialog, false},
    {nullptr, open_report, false},
    {"report-selections-all", nullptr, false},
    {nullptr, choose_some_sections, false},
    {"report-selections-chosen", nullptr, false},
    {nullptr, report_everything, false},
    {nullptr, back_to_servers, false},
    {nullptr, open_grid_demo, false},
    {nullptr, select_and_pick, false},
    {"grid-table-selection", nullptr, false},
    {nullptr, open_grid_edit, false},
    {"grid-in-place-edit", nullptr, false},
    {nullptr, close_grid_demo, false},
    {nullptr, exit_console, false},
};

const unsigned TOUR_STEP_COUNT = sizeof TOUR_STEPS / sizeof TOUR_STEPS[0];
