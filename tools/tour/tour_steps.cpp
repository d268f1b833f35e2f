#include "tools/tour/tour_steps.h"

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
    {nullptr, back_to_servers, false},
    {nullptr, exit_console, false},
};

const unsigned TOUR_STEP_COUNT = sizeof TOUR_STEPS / sizeof TOUR_STEPS[0];
