// Add New User: a tab control with the Native, Domain, Host and SecurID
// pages (Domain and Host only where the server's option mask offers them).
// Each page turns what was typed or chosen into a kind and a name; OK hands
// them to the users panel, which selects an existing user or creates one.
#include <windows.h>

#include <commctrl.h>
#include <stdio.h>
#include <string.h>

#include "api/report.h"
#include "api/requests.h"
#include "api/text_field.h"
#include "netbrowse/netview.h"
#include "netbrowse/netview_lists_win32.h"
#include "panels/browse_lookup_win32.h"
#include "panels/dialogs_win32.h"
#include "panels/users.h"
#include "panels/users_ids.h"
#include "resources/strings.h"
#include "ui/dialogs_win32.h"
#include "ui/wait_cursor.h"

namespace {

enum AddPageKind { ADD_NATIVE, ADD_DOMAIN, ADD_HOST, ADD_SECURID, ADD_PAGE_COUNT };

const uint16_t PAGE_LABELS[ADD_PAGE_COUNT] = {IDS_PAGE_NATIVE, IDS_PAGE_DOMAIN, IDS_PAGE_HOST, IDS_PAGE_SECURID};
const int PAGE_TEMPLATES[ADD_PAGE_COUNT] = {IDD_ADD_USER_NATIVE, IDD_ADD_USER_BROWSE, IDD_ADD_USER_BROWSE,
                                            IDD_ADD_USER_SECURID};

// The page shown when the dialog opens again.
AddPageKind g_last_page = ADD_NATIVE;

// A Domain or Host page: the domain (host) and the user or group chosen.
struct BrowsePage {
    const BrowseScope* scope;
    bool host;
    bool registered[2];
    bool shown_once;
    char source[NETVIEW_NAME_SIZE + 1];
    char account[NETVIEW_NAME_SIZE + 1];
    bool group;
    bool chosen;
};

struct AddUserDialog {
    HWND dialog;
    uint32_t option_mask;
    int count;
    AddPageKind kinds[ADD_PAGE_COUNT];
    HWND pages[ADD_PAGE_COUNT];
    BrowsePage browse[2];  // Domain, Host
};

HWND sources(HWND page) { return GetDlgItem(page, IDC_BROWSE_SOURCES); }
HWND accounts(HWND page) { return GetDlgItem(page, IDC_BROWSE_ACCOUNTS); }

int current_tab(const AddUserDialog* state) {
    return (int)SendDlgItemMessageA(state->dialog, IDC_ADD_USER_TABS, TCM_GETCURSEL, 0, 0);
}

bool field_given(HWND page) { return GetWindowTextLengthA(GetDlgItem(page, IDC_NEW_USER_NAME)) > 0; }

// OK follows the page: a name typed, or a user or group chosen.
void enable_ok(AddUserDialog* state) {
    const int tab = current_tab(state);
    if (tab < 0) return;
    HWND page = state->pages[tab];
    const AddPageKind kind = state->kinds[tab];
    const bool ready =
        kind == ADD_DOMAIN || kind == ADD_HOST ? state->browse[kind - ADD_DOMAIN].chosen : field_given(page);
    EnableWindow(GetDlgItem(state->dialog, IDOK), ready ? TRUE : FALSE);
}

// The accounts of the domain or host chosen on the left; on the Host page
// under the server's lock on that host.
void show_accounts(HWND page, BrowsePage* browse) {
    browse->chosen = false;
    char out_name[NETVIEW_NAME_SIZE] = "";
    WaitCursor wait;
    if (browse->host) {
        uint16_t status = lock_named(browse->source);
        if (status != 0) {
            NetViewClearControl(accounts(page));
            report_status(IDS_TITLE_ERROR_DB, IDS_HOST_LOCK_FAILED, status);
            return;
        }
    }
    NetViewDisplayNetObjects(accounts(page), browse->scope->target, browse->source, out_name);
    NetViewSelectFirstItem(accounts(page));
    if (browse->host) unlock_named(browse->source);
}

// Shown: the lookup's findings on the left, the previous choice again.
void show_sources(HWND page, BrowsePage* browse) {
    WaitCursor wait;
    NetViewClearControl(sources(page));
    if (!browse_show_found(page, sources(page), *browse->scope)) return;
    if (browse->source[0]) NetViewSelectItem(sources(page), browse->source);
}

void refresh_sources(HWND page, BrowsePage* browse) {
    NetViewClearControl(accounts(page));
    NetViewClearControl(sources(page));
    browse->chosen = false;
    if (browse_restart(page, *browse->scope)) show_sources(page, browse);
}

INT_PTR CALLBACK browse_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam) {
    BrowsePage* browse = (BrowsePage*)dialog_state(page, message, lparam);
    if (!browse) return FALSE;
    AddUserDialog* state = (AddUserDialog*)GetWindowLongPtrA(GetParent(page), DWLP_USER);
    switch (message) {
        case WM_INITDIALOG:
            SetDlgItemTextA(page, IDC_BROWSE_SOURCES_LABEL,
                            string_text(browse->host ? IDS_SELECT_HOST : IDS_SELECT_DOMAIN));
            prepare_single_column_list(sources(page));
            prepare_single_column_list(accounts(page));
            browse->registered[0] = NetViewInitControl(sources(page), page) != 0;
            browse->registered[1] = NetViewInitControl(accounts(page), page) != 0;
            return TRUE;
        case WM_SHOWWINDOW:
            if (wparam && !browse->shown_once) {
                browse->shown_once = true;
                PostMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_BROWSE_SOURCES, 0), 0);  // after it is drawn
            }
            return FALSE;
        case NETVIEW_SELECTED: {
            const char* text = (const char*)lparam;
            if (!text) return TRUE;
            if ((int)wparam == NETVIEW_DOMAIN || (int)wparam == NETVIEW_HOST) {
                copy_text(browse->source, sizeof browse->source, text);
                show_accounts(page, browse);
            } else if ((int)wparam == NETVIEW_USER || (int)wparam == NETVIEW_GROUP) {
                copy_text(browse->account, sizeof browse->account, text);
                browse->group = (int)wparam == NETVIEW_GROUP;
                browse->chosen = true;
            }
            if (state) enable_ok(state);
            return TRUE;
        }
        case NETVIEW_DOUBLE_CLICKED:
            if (lparam && state) PostMessageA(state->dialog, WM_COMMAND, IDOK, 0);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wparam) == IDC_BROWSE_SOURCES && lparam == 0) show_sources(page, browse);
            if (LOWORD(wparam) == IDC_BROWSE_REFRESH) refresh_sources(page, browse);
            if (state) enable_ok(state);
            return TRUE;
        case WM_DESTROY:
            if (browse->registered[0]) NetViewDeInitControl(sources(page));
            if (browse->registered[1]) NetViewDeInitControl(accounts(page));
            return FALSE;
    }
    return FALSE;
}

// The SecurID choice: Any User fills in its name and locks the field.
void securid_choice(HWND page) {
    HWND field = GetDlgItem(page, IDC_NEW_USER_NAME);
    const bool any = IsDlgButtonChecked(page, IDC_SECURID_ANY) == BST_CHECKED;
    if (any) SetWindowTextA(field, SECURID_ANY_USER);
    if (!any && !IsWindowEnabled(field)) SetWindowTextA(field, "");
    EnableWindow(field, any ? FALSE : TRUE);
}

INT_PTR CALLBACK name_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_INITDIALOG:
            SendDlgItemMessageA(page, IDC_NEW_USER_NAME, EM_LIMITTEXT, USER_NAME_LIMIT, 0);
            if (GetDlgItem(page, IDC_SECURID_SPECIFIC)) CheckDlgButton(page, IDC_SECURID_SPECIFIC, BST_CHECKED);
            return FALSE;
        case WM_COMMAND: {
            AddUserDialog* state = (AddUserDialog*)GetWindowLongPtrA(GetParent(page), DWLP_USER);
            const int id = LOWORD(wparam);
            if (id >= IDC_SECURID_SPECIFIC && id <= IDC_SECURID_ANY && HIWORD(wparam) == BN_CLICKED)
                securid_choice(page);
            if (state) enable_ok(state);
            return TRUE;
        }
    }
    (void)lparam;
    return FALSE;
}

UserKind securid_kind(HWND page) {
    if (IsDlgButtonChecked(page, IDC_SECURID_PREFIX) == BST_CHECKED) return USER_SECURID_PREFIX;
    if (IsDlgButtonChecked(page, IDC_SECURID_SUFFIX) == BST_CHECKED) return USER_SECURID_SUFFIX;
    return USER_SECURID;
}

// OK: true when the dialog may close.
bool add_chosen(AddUserDialog* state) {
    const int tab = current_tab(state);
    if (tab < 0) return false;
    HWND page = state->pages[tab];
    char name[USER_NAME_LIMIT + 1] = "";
    UserKind kind = USER_NATIVE;
    switch (state->kinds[tab]) {
        case ADD_NATIVE: GetDlgItemTextA(page, IDC_NEW_USER_NAME, name, sizeof name); break;
        case ADD_SECURID:
            GetDlgItemTextA(page, IDC_NEW_USER_NAME, name, sizeof name);
            kind = securid_kind(page);
            break;
        case ADD_DOMAIN:
        case ADD_HOST: {
            const BrowsePage& browse = state->browse[state->kinds[tab] - ADD_DOMAIN];
            if (!browse.chosen) return false;
            int length = snprintf(name, sizeof name, "\\\\%s\\%s", browse.source, browse.account);
            if (length < 0 || (size_t)length >= sizeof name) return false;
            kind = browse.host ? (browse.group ? USER_HOST_GROUP : USER_HOST_USER)
                               : (browse.group ? USER_DOMAIN_GROUP : USER_DOMAIN_USER);
            break;
        }
        default: return false;
    }
    if (!users_add(kind, name)) return false;
    g_last_page = state->kinds[tab];
    return true;
}

void show_page(AddUserDialog* state) {
    const int tab = current_tab(state);
    for (int i = 0; i < state->count; ++i) ShowWindow(state->pages[i], i == tab ? SW_SHOW : SW_HIDE);
    enable_ok(state);
}

void init_dialog(HWND dialog, AddUserDialog* state) {
    state->dialog = dialog;
    center_over_owner(dialog);
    HWND tabs = GetDlgItem(dialog, IDC_ADD_USER_TABS);
    const bool offered[ADD_PAGE_COUNT] = {true, (state->option_mask & OPTION_DOMAIN_USERS) != 0,
                                          (state->option_mask & OPTION_HOST_USERS) != 0, true};
    for (int kind = ADD_NATIVE; kind < ADD_PAGE_COUNT; ++kind) {
        if (!offered[kind]) continue;
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = (char*)string_text(PAGE_LABELS[kind]);
        SendMessageA(tabs, TCM_INSERTITEMA, state->count, (LPARAM)&item);
        state->kinds[state->count++] = (AddPageKind)kind;
    }
    // The pages fill the tabs' display area, which the labels decide.
    RECT area;
    GetWindowRect(tabs, &area);
    MapWindowPoints(nullptr, dialog, (POINT*)&area, 2);
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, (LPARAM)&area);
    int chosen = 0;
    HWND after = tabs;
    for (int i = 0; i < state->count; ++i) {
        const AddPageKind kind = state->kinds[i];
        const bool browse = kind == ADD_DOMAIN || kind == ADD_HOST;
        BrowsePage* page_state = browse ? &state->browse[kind - ADD_DOMAIN] : nullptr;
        if (page_state) {
            page_state->host = kind == ADD_HOST;
            page_state->scope = page_state->host ? &BROWSE_HOSTS : &BROWSE_DOMAINS;
        }
        state->pages[i] = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(PAGE_TEMPLATES[kind]), dialog,
                                             browse ? browse_page_proc : name_page_proc, (LPARAM)page_state);
        SetWindowPos(state->pages[i], after, area.left, area.top, area.right - area.left, area.bottom - area.top,
                     SWP_NOACTIVATE);
        after = state->pages[i];
        if (kind == g_last_page) chosen = i;
    }
    SendMessageA(tabs, TCM_SETCURSEL, chosen, 0);
    show_page(state);
    HWND field = GetDlgItem(state->pages[chosen], IDC_NEW_USER_NAME);
    SetFocus(field ? field : tabs);
}

INT_PTR CALLBACK add_user_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    AddUserDialog* state = (AddUserDialog*)dialog_state(dialog, message, lparam);
    if (!state) return FALSE;
    switch (message) {
        case WM_INITDIALOG: init_dialog(dialog, state); return FALSE;  // the focus is set
        case WM_NOTIFY: {
            const NMHDR* header = (const NMHDR*)lparam;
            if (header->idFrom == IDC_ADD_USER_TABS && header->code == TCN_SELCHANGE) show_page(state);
            return TRUE;
        }
        case WM_COMMAND:
            switch (LOWORD(wparam)) {
                case IDOK:
                    if (IsWindowEnabled(GetDlgItem(dialog, IDOK)) && add_chosen(state)) EndDialog(dialog, IDOK);
                    return TRUE;
                case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
            }
            break;
    }
    return FALSE;
}

}  // namespace

void add_user_dialog_run(HWND owner, uint32_t option_mask) {
    AddUserDialog state = {};
    state.option_mask = option_mask;
    run_dialog(owner, IDD_ADD_USER, add_user_proc, &state);
}
