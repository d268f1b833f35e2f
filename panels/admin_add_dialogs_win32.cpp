// Add Local and Add Remote Administrator: the browser library fills and
// watches the lists, the choices go to admin_pick.cpp, and each addition to
// the server through the Access panel. Both stay open until Close.
#include <windows.h>

#include <commctrl.h>

#include "netbrowse/netview.h"
#include "netbrowse/netview_lists_win32.h"
#include "panels/admin_pick.h"
#include "panels/admins.h"
#include "panels/admins_ids.h"
#include "panels/admins_win32.h"
#include "panels/browse_lookup_win32.h"
#include "platform/prompt.h"
#include "resources/strings.h"
#include "ui/dialogs_win32.h"
#include "ui/help.h"
#include "ui/wait_cursor.h"

namespace {

// Where the dialog sits: just inside the Access list, just below the top
// of the main window.
const int PLACEMENT_OFFSET = 9;

struct AdminAddDialog {
    HWND page;
    const char* server;
    AdminPick pick;
    uint32_t previous_help;
    bool domains_registered;
    bool accounts_registered;
};

HWND accounts(HWND dialog) { return GetDlgItem(dialog, IDC_PICK_ACCOUNTS); }
HWND domains(HWND dialog) { return GetDlgItem(dialog, IDC_PICK_DOMAINS); }

void place(HWND dialog, HWND page) {
    RECT list, main;
    GetWindowRect(GetDlgItem(page, IDC_ADMIN_LIST), &list);
    GetWindowRect(GetAncestor(page, GA_ROOT), &main);
    SetWindowPos(dialog, nullptr, list.left + PLACEMENT_OFFSET, main.top + PLACEMENT_OFFSET, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Add follows the choice; a disabled button must not keep the keyboard.
void enable_add(HWND dialog, const AdminAddDialog* state) {
    HWND add = GetDlgItem(dialog, IDOK);
    bool had_focus = GetFocus() == add;
    EnableWindow(add, state->pick.selected ? TRUE : FALSE);
    if (had_focus && !state->pick.selected) SendMessageA(dialog, WM_NEXTDLGCTL, (WPARAM)accounts(dialog), TRUE);
}

void show_host_accounts(HWND dialog, const AdminAddDialog* state) {
    char out_name[NETVIEW_NAME_SIZE] = "";
    WaitCursor wait;
    NetViewDisplayNetObjects(accounts(dialog), NETVIEW_TARGET_HOST, state->server, out_name);
}

// Registers the dialog's lists with the library; false when one is refused.
bool register_lists(HWND dialog, AdminAddDialog* state) {
    if (state->pick.remote) {
        prepare_single_column_list(domains(dialog));
        state->domains_registered = NetViewInitControl(domains(dialog), dialog) != 0;
        if (!state->domains_registered) return false;
    }
    prepare_single_column_list(accounts(dialog));
    state->accounts_registered = NetViewInitControl(accounts(dialog), dialog) != 0;
    return state->accounts_registered;
}

void init_dialog(HWND dialog, AdminAddDialog* state) {
    place(dialog, state->page);
    state->previous_help =
        help_set_context(state->pick.remote ? HELP_CONTEXT_ADD_REMOTE_ADMIN : HELP_CONTEXT_ADD_LOCAL_ADMIN);
    if (!register_lists(dialog, state)) {
        EndDialog(dialog, IDCANCEL);
        return;
    }
    if (state->pick.remote)
        browse_show_found(dialog, domains(dialog), BROWSE_DOMAINS);
    else
        show_host_accounts(dialog, state);
    enable_add(dialog, state);
}

void refresh_lists(HWND dialog, AdminAddDialog* state) {
    NetViewClearControl(accounts(dialog));
    admin_pick_start(&state->pick, state->pick.remote);
    if (!state->pick.remote) {
        show_host_accounts(dialog, state);
        enable_add(dialog, state);
        return;
    }
    NetViewClearControl(domains(dialog));
    if (browse_restart(dialog, BROWSE_DOMAINS)) browse_show_found(dialog, domains(dialog), BROWSE_DOMAINS);
    enable_add(dialog, state);
}

// After an addition: the Access page shows the new list, the account is
// no longer chosen.
void added(HWND dialog, AdminAddDialog* state) {
    SendMessageA(state->page, ADMINS_REFILL, 0, 0);
    NetViewDeselectItem(accounts(dialog), state->pick.account);
    enable_add(dialog, state);
}

void selection_moved(HWND dialog, AdminAddDialog* state, int kind, const char* text) {
    if (admin_pick_moved(&state->pick, kind, text) == PICK_DOMAIN_CHOSEN) {
        char out_name[NETVIEW_NAME_SIZE] = "";
        WaitCursor wait;
        NetViewDisplayNetObjects(accounts(dialog), NETVIEW_TARGET_DOMAIN, state->pick.domain, out_name);
    }
    enable_add(dialog, state);
}

INT_PTR CALLBACK admin_add_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    AdminAddDialog* state = (AdminAddDialog*)dialog_state(dialog, message, lparam);
    if (!state) return FALSE;
    switch (message) {
        case WM_INITDIALOG: init_dialog(dialog, state); return TRUE;
        case NETVIEW_SELECTED:
            if (lparam) selection_moved(dialog, state, (int)wparam, (const char*)lparam);
            return TRUE;
        case NETVIEW_DOUBLE_CLICKED:
            if (lparam && admin_pick_double_clicked(&state->pick, (int)wparam, (const char*)lparam, dialog))
                added(dialog, state);
            return TRUE;
        case WM_DESTROY:
            if (state->domains_registered) NetViewDeInitControl(domains(dialog));
            if (state->accounts_registered) NetViewDeInitControl(accounts(dialog));
            help_set_context(state->previous_help);
            return FALSE;
        case WM_COMMAND:
            switch (LOWORD(wparam)) {
                case IDOK:  // Add (Enter too, which does nothing without a choice)
                    if (admin_pick_add(&state->pick, dialog)) added(dialog, state);
                    return TRUE;
                case IDC_PICK_REFRESH: refresh_lists(dialog, state); return TRUE;
                case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
            }
            break;
    }
    return FALSE;
}

}  // namespace

void admin_add_dialog_run(HWND page, bool remote, const char* server) {
    AdminAddDialog state = {};
    state.page = page;
    state.server = server;
    admin_pick_start(&state.pick, remote);
    run_dialog(GetAncestor(page, GA_ROOT), remote ? IDD_ADD_REMOTE_ADMIN : IDD_ADD_LOCAL_ADMIN, admin_add_proc, &state);
}
