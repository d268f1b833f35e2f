// The RAS clients panel, page 2: hands every change of its controls to the
// model of clients.cpp and redraws the controls from the model's state.
#include <windows.h>

#include "panels/clients.h"
#include "panels/clients_ids.h"
#include "panels/dialogs_win32.h"
#include "panels/pages_win32.h"
#include "ui/help_win32.h"
#include "ui/page_win32.h"

namespace {

// What the page itself remembers: which lists it shows, and that it is
// writing to its own controls (their change notices are not the user's).
struct ClientsPage {
    uint32_t lists_shown;
    bool lists_filled;
    bool updating;
    PanelContext connection;  // as the last PANEL_ACTIVATE told it
};

ClientsPage g_page = {};

HWND control(HWND page, int id) { return GetDlgItem(page, id); }

void fill_lists(HWND page) {
    fill_list_box(control(page, IDC_CLIENT_LIST), clients_panel().names.count, clients_list_name);
    HWND products = control(page, IDC_CLIENT_PRODUCT);
    SendMessageA(products, CB_RESETCONTENT, 0, 0);
    for (uint32_t i = 0; i < clients_product_entries(); ++i)
        SendMessageA(products, CB_ADDSTRING, 0, (LPARAM)clients_product_entry(i));
    g_page.lists_shown = clients_panel().lists_version;
    g_page.lists_filled = true;
}

// Which rule of the model enables each control.
const ControlRule<ClientsControls> CONTROL_RULES[] = {
    {IDC_CLIENT_ADDRESS, &ClientsControls::address_enabled},
    {IDC_CLIENT_PRODUCT, &ClientsControls::product_enabled},
    {IDC_CLIENT_VENDOR_INFO, &ClientsControls::vendor_enabled},
    {IDC_CLIENT_SECRET, &ClientsControls::secret_enabled},
    {IDC_CLIENT_ACCOUNTING, &ClientsControls::accounting_enabled},
    {IDC_CLIENT_ACCT_SECRET, &ClientsControls::acct_secret_enabled},
    {IDC_CLIENT_REMOVE, &ClientsControls::remove_enabled},
    {IDC_CLIENT_SAVE, &ClientsControls::save_enabled},
    {IDC_CLIENT_RESET, &ClientsControls::save_enabled},
};

void refresh(HWND page) {
    const ClientsPanel& panel = clients_panel();
    HWND had_focus = GetFocus();
    g_page.updating = true;
    if (!g_page.lists_filled || g_page.lists_shown != panel.lists_version) fill_lists(page);
    SendDlgItemMessageA(page, IDC_CLIENT_LIST, LB_SETCURSEL, (WPARAM)panel.selected, 0);
    set_field_text(page, IDC_CLIENT_ADDRESS, panel.address.text);
    SendDlgItemMessageA(page, IDC_CLIENT_PRODUCT, CB_SETCURSEL, (WPARAM)panel.product_choice, 0);
    CheckDlgButton(page, IDC_CLIENT_ACCOUNTING, panel.accounting_checked ? BST_CHECKED : BST_UNCHECKED);
    enable_controls(page, clients_controls(), CONTROL_RULES);
    // Losing Save or Reset under the keyboard puts it on the client list.
    keep_focus_usable(page, had_focus, control(page, IDC_CLIENT_LIST));
    g_page.updating = false;
    if (clients_take_address_rejected()) {
        HWND field = control(page, IDC_CLIENT_ADDRESS);
        SendMessageA(page, WM_NEXTDLGCTL, (WPARAM)field, TRUE);
        SendMessageA(field, EM_SETSEL, 0, -1);
    }
}

void address_changed(HWND page) {
    char text[ADDRESS_FIELD_LIMIT + 1];
    GetDlgItemTextA(page, IDC_CLIENT_ADDRESS, text, sizeof text);
    clients_edit_address(text);
}

void edit_secret(HWND page, ClientSecretKind kind) {
    ScrambledSecret secret = clients_secret(kind);
    if (secret_dialog_run(GetAncestor(page, GA_ROOT), &secret, g_page.connection.option_mask))
        clients_store_secret(kind, secret);
    secret_wipe(&secret, sizeof secret);
}

void add_clicked(HWND page) {
    if (!clients_begin_add()) return;
    refresh(page);  // the save prompt may have changed the record
    char name[CLIENT_NAME_SIZE];
    if (add_name_dialog_run(GetAncestor(page, GA_ROOT), IDD_ADD_CLIENT, ANY_CLIENT_NAME, name, sizeof name))
        clients_add(name);
}

void init_page(HWND page) {
    // A new page starts from nothing loaded.
    clients_reset();
    clients_set_owner(GetAncestor(page, GA_ROOT));
    g_page = ClientsPage();
    SendDlgItemMessageA(page, IDC_CLIENT_ADDRESS, EM_LIMITTEXT, ADDRESS_FIELD_LIMIT, 0);
    refresh(page);
}

const RecordPage CLIENTS_PAGE = {HELP_CONTEXT_RAS_CLIENTS, clients_activate, clients_reset, clients_may_leave, refresh};

// A push button's click.
bool handle_button(HWND page, int id) {
    switch (id) {
        case IDC_CLIENT_VENDOR_INFO: help_vendor_topic(clients_vendor_context()); return true;
        case IDC_CLIENT_SECRET: edit_secret(page, CLIENT_AUTH_SECRET); break;
        case IDC_CLIENT_ACCT_SECRET: edit_secret(page, CLIENT_ACCT_SECRET); break;
        case IDC_CLIENT_ADD: add_clicked(page); break;
        case IDC_CLIENT_REMOVE: clients_remove(); break;
        case IDC_CLIENT_SAVE: clients_save(); break;
        case IDC_CLIENT_RESET: clients_revert(); break;
        default: return false;
    }
    refresh(page);
    return true;
}

// A notice of the list, the fields and the check box; true when it was one.
bool handle_control(HWND page, int id, int code) {
    switch (id) {
        case IDC_CLIENT_LIST: {
            if (code != LBN_SELCHANGE) return true;
            LRESULT index = SendDlgItemMessageA(page, IDC_CLIENT_LIST, LB_GETCURSEL, 0, 0);
            if (index >= 0) clients_select((uint32_t)index);
            break;
        }
        case IDC_CLIENT_ADDRESS:
            if (code == EN_CHANGE)
                address_changed(page);
            else if (code == EN_KILLFOCUS)
                clients_resolve_address();
            else
                return true;
            break;
        case IDOK:  // Enter: in the address field it resolves a host name
            if (GetFocus() != control(page, IDC_CLIENT_ADDRESS)) return true;
            clients_resolve_address();
            break;
        case IDC_CLIENT_PRODUCT:
            if (code != CBN_SELCHANGE) return true;
            clients_choose_product(SendDlgItemMessageA(page, IDC_CLIENT_PRODUCT, CB_GETCURSEL, 0, 0));
            break;
        case IDC_CLIENT_ACCOUNTING:
            if (code != BN_CLICKED) return true;
            clients_check_accounting(IsDlgButtonChecked(page, IDC_CLIENT_ACCOUNTING) == BST_CHECKED);
            break;
        default: return code == BN_CLICKED && handle_button(page, id);
    }
    refresh(page);
    return true;
}

}  // namespace

INT_PTR CALLBACK clients_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_INITDIALOG: init_page(page); return FALSE;
        case WM_COMMAND: {
            INT_PTR result = TRUE;
            if (record_page_command(page, CLIENTS_PAGE, LOWORD(wparam), lparam, &g_page.connection, &result))
                return result;
            // Notices caused by the page's own redrawing are not the user's.
            if (g_page.updating) return TRUE;
            return handle_control(page, LOWORD(wparam), HIWORD(wparam)) ? TRUE : FALSE;
        }
    }
    return FALSE;
}
