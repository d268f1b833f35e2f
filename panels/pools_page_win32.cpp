// The IP address pools panel, page 6: hands every change of its controls to
// the model of pools.cpp and redraws the controls from the model's state.
#include <windows.h>

#include "panels/dialogs_win32.h"
#include "panels/pages_win32.h"
#include "panels/pools.h"
#include "panels/pools_ids.h"
#include "ui/help_win32.h"
#include "ui/page_win32.h"

namespace {

// What the page itself remembers: which lists it shows, and that it is
// writing to its own controls (their change notices are not the user's).
struct PoolsPage {
    uint32_t names_shown;
    uint32_t ranges_shown;
    bool filled;
    bool updating;
};

PoolsPage g_page = {};

HWND control(HWND page, int id) { return GetDlgItem(page, id); }

void fill_lists(HWND page) {
    const PoolsPanel& panel = pools_panel();
    if (!g_page.filled || g_page.names_shown != panel.lists_version)
        fill_list_box(control(page, IDC_POOL_LIST), panel.names.count, pools_list_name);
    if (!g_page.filled || g_page.ranges_shown != panel.ranges_version)
        fill_list_box(control(page, IDC_POOL_RANGES), panel.current.ranges.count, pools_range_text);
    g_page.names_shown = panel.lists_version;
    g_page.ranges_shown = panel.ranges_version;
    g_page.filled = true;
}

// Which rule of the model enables each control.
const ControlRule<PoolsControls> CONTROL_RULES[] = {
    {IDC_POOL_DESCRIPTION, &PoolsControls::description_enabled},
    {IDC_POOL_INSERT, &PoolsControls::insert_enabled},
    {IDC_POOL_DELETE, &PoolsControls::delete_enabled},
    {IDC_POOL_REMOVE, &PoolsControls::remove_enabled},
    {IDC_POOL_SAVE, &PoolsControls::save_enabled},
    {IDC_POOL_RESET, &PoolsControls::save_enabled},
};

void refresh(HWND page) {
    const PoolsPanel& panel = pools_panel();
    HWND had_focus = GetFocus();
    g_page.updating = true;
    fill_lists(page);
    SendDlgItemMessageA(page, IDC_POOL_LIST, LB_SETCURSEL, (WPARAM)panel.selected, 0);
    SendDlgItemMessageA(page, IDC_POOL_RANGES, LB_SETCURSEL, (WPARAM)panel.range_selected, 0);
    set_field_text(page, IDC_POOL_DESCRIPTION, panel.current.description);
    enable_controls(page, pools_controls(), CONTROL_RULES);
    // Losing Save, Reset or Del under the keyboard puts it on the pool list.
    keep_focus_usable(page, had_focus, control(page, IDC_POOL_LIST));
    g_page.updating = false;
}

void refresh_page(void* page) { refresh((HWND)page); }

void insert_clicked(HWND page) {
    if (!pools_controls().insert_enabled) return;
    pool_range_dialog_run(GetAncestor(page, GA_ROOT), control(page, IDC_POOL_RANGES), refresh_page, page);
}

void delete_clicked() {
    if (pools_controls().delete_enabled) pools_delete_range();
}

void add_clicked(HWND page) {
    if (!pools_begin_add()) return;
    refresh(page);  // the save prompt may have changed the record
    char name[POOL_NAME_LIMIT + 1];
    if (add_name_dialog_run(GetAncestor(page, GA_ROOT), IDD_ADD_POOL, nullptr, name, sizeof name)) pools_add(name);
}

void init_page(HWND page) {
    // A new page starts from nothing loaded.
    pools_reset();
    pools_set_owner(GetAncestor(page, GA_ROOT));
    g_page = PoolsPage();
    SendDlgItemMessageA(page, IDC_POOL_DESCRIPTION, EM_LIMITTEXT, DESCRIPTION_FIELD_LIMIT, 0);
    refresh(page);
}

const RecordPage POOLS_PAGE = {HELP_CONTEXT_ADDRESS_POOLS, pools_activate, pools_reset, pools_may_leave, refresh};

// A push button's click.
bool handle_button(HWND page, int id) {
    switch (id) {
        case IDC_POOL_INSERT: insert_clicked(page); break;
        case IDC_POOL_DELETE: delete_clicked(); break;
        case IDC_POOL_ADD: add_clicked(page); break;
        case IDC_POOL_REMOVE: pools_remove(); break;
        case IDC_POOL_SAVE: pools_save(); break;
        case IDC_POOL_RESET: pools_revert(); break;
        default: return false;
    }
    refresh(page);
    return true;
}

LRESULT list_selection(HWND page, int id) { return SendDlgItemMessageA(page, id, LB_GETCURSEL, 0, 0); }

// A notice of the lists and the description field; true when it was one.
bool handle_control(HWND page, int id, int code) {
    switch (id) {
        case IDC_POOL_LIST: {
            if (code != LBN_SELCHANGE) return true;
            LRESULT index = list_selection(page, IDC_POOL_LIST);
            if (index >= 0) pools_select((uint32_t)index);
            break;
        }
        case IDC_POOL_RANGES:
            if (code != LBN_SELCHANGE) return true;
            pools_select_range(list_selection(page, IDC_POOL_RANGES));
            break;
        case IDC_POOL_DESCRIPTION: {
            if (code != EN_CHANGE) return true;
            char text[POOL_DESCRIPTION_SIZE];
            GetDlgItemTextA(page, IDC_POOL_DESCRIPTION, text, sizeof text);
            pools_edit_description(text);
            break;
        }
        default: return code == BN_CLICKED && handle_button(page, id);
    }
    refresh(page);
    return true;
}

// Insert and Delete in the range list do what Ins and Del do; -1 leaves
// every other key to the list.
INT_PTR range_list_key(HWND page, WPARAM key) {
    switch (key) {
        case VK_INSERT: insert_clicked(page); break;
        case VK_DELETE: delete_clicked(); break;
        default: return -1;
    }
    refresh(page);
    return -2;
}

}  // namespace

INT_PTR CALLBACK pools_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_INITDIALOG: init_page(page); return FALSE;
        case WM_VKEYTOITEM:
            if ((HWND)lparam != control(page, IDC_POOL_RANGES)) return -1;
            return range_list_key(page, LOWORD(wparam));
        case WM_COMMAND: {
            INT_PTR result = TRUE;
            if (record_page_command(page, POOLS_PAGE, LOWORD(wparam), lparam, nullptr, &result)) return result;
            // Notices caused by the page's own redrawing are not the user's.
            if (g_page.updating) return TRUE;
            return handle_control(page, LOWORD(wparam), HIWORD(wparam)) ? TRUE : FALSE;
        }
    }
    return FALSE;
}
