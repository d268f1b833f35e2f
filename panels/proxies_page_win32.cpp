// The proxies panel, page 5: hands every change of its controls to the
// model of proxies.cpp and redraws the controls from the model's state.
#include <windows.h>

#include "panels/dialogs_win32.h"
#include "panels/pages_win32.h"
#include "panels/proxies.h"
#include "panels/proxies_ids.h"
#include "ui/help_win32.h"
#include "ui/page_win32.h"

namespace {

// What the page itself remembers: which list it shows, and that it is
// writing to its own controls (their change notices are not the user's).
struct ProxiesPage {
    uint32_t list_shown;
    bool list_filled;
    bool updating;
    PanelContext connection;  // as the last PANEL_ACTIVATE told it
};

ProxiesPage g_page = {};

const ControlRule<ProxiesControls> CONTROL_RULES[] = {
    {IDC_PROXY_ADDRESS, &ProxiesControls::address_enabled},
    {IDC_PROXY_SECRET, &ProxiesControls::secret_enabled},
    {IDC_PROXY_RETRIES, &ProxiesControls::retries_enabled},
    {IDC_PROXY_RETRY_MS, &ProxiesControls::retries_enabled},
    {IDC_PROXY_FORWARD, &ProxiesControls::accounting_mode_enabled},
    {IDC_PROXY_RECORD, &ProxiesControls::accounting_mode_enabled},
    {IDC_PROXY_BOTH, &ProxiesControls::accounting_mode_enabled},
    {IDC_PROXY_ACCOUNTING, &ProxiesControls::accounting_enabled},
    {IDC_PROXY_ACCT_SECRET, &ProxiesControls::acct_secret_enabled},
    {IDC_PROXY_REMOVE, &ProxiesControls::remove_enabled},
    {IDC_PROXY_SAVE, &ProxiesControls::save_enabled},
    {IDC_PROXY_RESET, &ProxiesControls::save_enabled},
};

// The radio button of each accounting mode, in mode order (1, 2, 3).
const int MODE_BUTTONS[] = {IDC_PROXY_FORWARD, IDC_PROXY_RECORD, IDC_PROXY_BOTH};

void refresh(HWND page) {
    const ProxiesPanel& panel = proxies_panel();
    HWND had_focus = GetFocus();
    g_page.updating = true;
    if (!g_page.list_filled || g_page.list_shown != panel.lists_version) {
        fill_list_box(GetDlgItem(page, IDC_PROXY_LIST), panel.names.count, proxies_list_name);
        g_page.list_shown = panel.lists_version;
        g_page.list_filled = true;
    }
    SendDlgItemMessageA(page, IDC_PROXY_LIST, LB_SETCURSEL, (WPARAM)panel.selected, 0);
    set_field_text(page, IDC_PROXY_ADDRESS, panel.address.text);
    set_field_text(page, IDC_PROXY_RETRIES, panel.retry_count_text);
    set_field_text(page, IDC_PROXY_RETRY_MS, panel.retry_ms_text);
    bool selected = panel.selected >= 0;
    CheckRadioButton(page, IDC_PROXY_FORWARD, IDC_PROXY_BOTH,
                     selected ? MODE_BUTTONS[panel.acct_mode - PROXY_ACCT_FORWARD] : 0);
    CheckDlgButton(page, IDC_PROXY_ACCOUNTING, panel.accounting_checked ? BST_CHECKED : BST_UNCHECKED);
    ProxiesControls controls = proxies_controls();
    enable_controls(page, controls, CONTROL_RULES);
    keep_focus_usable(page, had_focus, GetDlgItem(page, IDC_PROXY_LIST));
    g_page.updating = false;
    if (proxies_take_address_rejected()) {
        HWND field = GetDlgItem(page, IDC_PROXY_ADDRESS);
        SendMessageA(page, WM_NEXTDLGCTL, (WPARAM)field, TRUE);
        SendMessageA(field, EM_SETSEL, 0, -1);
    }
}

void field_changed(HWND page, int id, void (*edit)(const char* text)) {
    char text[ADDRESS_FIELD_LIMIT + 1];
    GetDlgItemTextA(page, id, text, sizeof text);
    edit(text);
}

void edit_secret(HWND page, ProxySecretKind kind) {
    ScrambledSecret secret = proxies_secret(kind);
    if (secret_dialog_run(GetAncestor(page, GA_ROOT), &secret, g_page.connection.option_mask))
        proxies_store_secret(kind, secret);
    secret_wipe(&secret, sizeof secret);
}

void add_clicked(HWND page) {
    if (!proxies_begin_add()) return;
    refresh(page);  // the save prompt may have changed the record
    char name[PROXY_NAME_SIZE];
    if (add_name_dialog_run(GetAncestor(page, GA_ROOT), IDD_ADD_PROXY, ROAMING_PROXY_NAME, name, sizeof name))
        proxies_add(name);
}

void init_page(HWND page) {
    proxies_reset();
    proxies_set_owner(GetAncestor(page, GA_ROOT));
    g_page = ProxiesPage();
    SendDlgItemMessageA(page, IDC_PROXY_ADDRESS, EM_LIMITTEXT, ADDRESS_FIELD_LIMIT, 0);
    SendDlgItemMessageA(page, IDC_PROXY_RETRIES, EM_LIMITTEXT, RETRY_FIELD_LIMIT, 0);
    SendDlgItemMessageA(page, IDC_PROXY_RETRY_MS, EM_LIMITTEXT, RETRY_FIELD_LIMIT, 0);
    refresh(page);
}

const RecordPage PROXIES_PAGE = {HELP_CONTEXT_PROXY, proxies_activate, proxies_reset, proxies_may_leave, refresh};

bool handle_button(HWND page, int id) {
    switch (id) {
        case IDC_PROXY_SECRET: edit_secret(page, PROXY_AUTH_SECRET); break;
        case IDC_PROXY_ACCT_SECRET: edit_secret(page, PROXY_ACCT_SECRET); break;
        case IDC_PROXY_FORWARD: proxies_choose_accounting(PROXY_ACCT_FORWARD); break;
        case IDC_PROXY_RECORD: proxies_choose_accounting(PROXY_ACCT_RECORD); break;
        case IDC_PROXY_BOTH: proxies_choose_accounting(PROXY_ACCT_BOTH); break;
        case IDC_PROXY_ACCOUNTING:
            proxies_check_accounting(IsDlgButtonChecked(page, IDC_PROXY_ACCOUNTING) == BST_CHECKED);
            break;
        case IDC_PROXY_ADD: add_clicked(page); break;
        case IDC_PROXY_REMOVE: proxies_remove(); break;
        case IDC_PROXY_SAVE: proxies_save(); break;
        case IDC_PROXY_RESET: proxies_revert(); break;
        default: return false;
    }
    refresh(page);
    return true;
}

bool handle_control(HWND page, int id, int code) {
    switch (id) {
        case IDC_PROXY_LIST: {
            if (code != LBN_SELCHANGE) return true;
            LRESULT index = SendDlgItemMessageA(page, IDC_PROXY_LIST, LB_GETCURSEL, 0, 0);
            if (index >= 0) proxies_select((uint32_t)index);
            break;
        }
        case IDC_PROXY_ADDRESS:
            if (code == EN_CHANGE)
                field_changed(page, id, proxies_edit_address);
            else if (code == EN_KILLFOCUS)
                proxies_resolve_address();
            else
                return true;
            break;
        case IDC_PROXY_RETRIES:
        case IDC_PROXY_RETRY_MS:
            if (code != EN_CHANGE) return true;
            field_changed(page, id, id == IDC_PROXY_RETRIES ? proxies_edit_retry_count : proxies_edit_retry_ms);
            break;
        case IDOK:  // Enter: in the address field it resolves a host name
            if (GetFocus() != GetDlgItem(page, IDC_PROXY_ADDRESS)) return true;
            proxies_resolve_address();
            break;
        default: return code == BN_CLICKED && handle_button(page, id);
    }
    refresh(page);
    return true;
}

}  // namespace

INT_PTR CALLBACK proxies_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_INITDIALOG: init_page(page); return FALSE;
        case WM_COMMAND: {
            INT_PTR result = TRUE;
            if (record_page_command(page, PROXIES_PAGE, LOWORD(wparam), lparam, &g_page.connection, &result))
                return result;
            if (g_page.updating) return TRUE;
            return handle_control(page, LOWORD(wparam), HIWORD(wparam)) ? TRUE : FALSE;
        }
    }
    return FALSE;
}
