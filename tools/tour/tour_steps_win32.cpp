#include "tools/tour/tour_steps_win32.h"

#include <commctrl.h>

#include "panels/admins_ids.h"
#include "panels/clients_ids.h"
#include "panels/dialog_ids.h"
#include "resources/shell_ids.h"
#include "shell/dialogs_win32.h"
#include "shell/main_window_win32.h"
#include "shell/servers.h"
#include "shell/subdlg_win32.h"

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

void back_to_servers() { SendMessageA(GetDlgItem(main_window(), IDC_PANEL_SERVERS), BM_CLICK, 0, 0); }

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
    {nullptr, back_to_servers, false},
    {nullptr, exit_console, false},
};

const unsigned TOUR_STEP_COUNT = sizeof TOUR_STEPS / sizeof TOUR_STEPS[0];
