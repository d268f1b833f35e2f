// The users panel, page 2: hands every change of its controls to the model
// of users.cpp and redraws the controls from the model's state. The check
// list and the return list are the attribute list pages, one per tab.
#include <windows.h>

#include "attrs/dictionary.h"
#include "panels/attribute_lists_host_win32.h"
#include "panels/dialogs_win32.h"
#include "panels/pages_win32.h"
#include "panels/users.h"
#include "panels/users_ids.h"
#include "resources/strings.h"
#include "ui/page_win32.h"

namespace {

// What the page itself remembers: which versions of the model's lists it
// shows, and that it is writing to its own controls.
struct UsersPage {
    HWND page;
    AttributeListsHost lists;
    uint32_t users_shown;
    uint32_t profiles_shown;
    uint32_t record_shown;
    bool filled;
    bool updating;
    PanelContext connection;
};

UsersPage g_page = {};

const ControlRule<UsersControls> CONTROL_RULES[] = {
    {IDC_USER_ADD, &UsersControls::add},         {IDC_USER_REMOVE, &UsersControls::remove},
    {IDC_USER_PROFILE, &UsersControls::profile}, {IDC_USER_PASSWORD, &UsersControls::set_password},
    {IDC_USER_SAVE, &UsersControls::save_reset}, {IDC_USER_RESET, &UsersControls::save_reset},
};

void fill_profiles(HWND combo) {
    const UsersPanel& panel = users_panel();
    SendMessageA(combo, WM_SETREDRAW, FALSE, 0);
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)string_text(IDS_NO_PROFILE));
    char name[PROFILE_NAME_SIZE];
    for (uint32_t i = 0; i < panel.profiles.count; ++i) {
        users_profile_name(i, name, sizeof name);
        SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)name);
    }
    SendMessageA(combo, WM_SETREDRAW, TRUE, 0);
}

void refresh(HWND page) {
    const UsersPanel& panel = users_panel();
    HWND had_focus = GetFocus();
    g_page.updating = true;
    if (!g_page.filled || g_page.users_shown != panel.lists_version) {
        fill_list_box(GetDlgItem(page, IDC_USER_LIST), panel.names.count, users_list_name);
        g_page.users_shown = panel.lists_version;
    }
    if (!g_page.filled || g_page.profiles_shown != panel.profiles_version) {
        fill_profiles(GetDlgItem(page, IDC_USER_PROFILE));
        g_page.profiles_shown = panel.profiles_version;
    }
    const bool record_changed = !g_page.filled || g_page.record_shown != panel.record_version;
    g_page.filled = true;
    SendDlgItemMessageA(page, IDC_USER_LIST, LB_SETCURSEL, (WPARAM)panel.selected, 0);
    UsersControls controls = users_controls();
    SetDlgItemTextA(page, IDC_USER_KIND, controls.kind_text_id ? string_text(controls.kind_text_id) : "");
    SendDlgItemMessageA(page, IDC_USER_PROFILE, CB_SETCURSEL, (WPARAM)(controls.profile_index + 1), 0);
    if (record_changed) attribute_lists_host_refresh(g_page.lists);
    attribute_lists_host_enable(g_page.lists, controls.lists_editable);
    g_page.record_shown = panel.record_version;
    enable_controls(page, controls, CONTROL_RULES);
    keep_focus_usable(page, had_focus, GetDlgItem(page, IDC_USER_LIST));
    g_page.updating = false;
}

void lists_modified(void*) {
    users_lists_changed();
    refresh(g_page.page);
}

void init_page(HWND page) {
    users_reset(PANEL_RESET_ALL);
    users_set_owner(GetAncestor(page, GA_ROOT));
    g_page = UsersPage();
    g_page.page = page;
    SendDlgItemMessageA(page, IDC_USER_LIST, LB_SETHORIZONTALEXTENT, 600, 0);
    const AttributeListsSetup lists = {&users_panel().record, program_dictionary(), nullptr, lists_modified};
    attribute_lists_host_create(&g_page.lists, page, IDC_USER_TABS, IDC_USER_CHECK_PAGE, lists);
    refresh(page);
}

void activate() { users_activate(g_page.connection.option_mask); }
void reset_all() { users_reset(PANEL_RESET_ALL); }

const RecordPage USERS_PAGE = {HELP_CONTEXT_USERS, activate, reset_all, users_may_leave, refresh};

void add_clicked(HWND page) {
    if (!users_begin_add()) return;
    refresh(page);  // the save prompt may have changed the record
    add_user_dialog_run(GetAncestor(page, GA_ROOT), g_page.connection.option_mask);
}

bool handle_control(HWND page, int id, int code) {
    switch (id) {
        case IDC_USER_LIST: {
            if (code != LBN_SELCHANGE) return true;
            LRESULT index = SendDlgItemMessageA(page, IDC_USER_LIST, LB_GETCURSEL, 0, 0);
            if (index >= 0) users_select((uint32_t)index);
            break;
        }
        case IDC_USER_PROFILE: {
            if (code != CBN_SELCHANGE) return true;
            LRESULT index = SendDlgItemMessageA(page, IDC_USER_PROFILE, CB_GETCURSEL, 0, 0);
            if (index >= 0) users_choose_profile((int64_t)index - 1);
            break;
        }
        case IDC_USER_ADD: add_clicked(page); break;
        case IDC_USER_REMOVE: users_remove(); break;
        case IDC_USER_PASSWORD: user_password_dialog_run(GetAncestor(page, GA_ROOT)); break;
        case IDC_USER_SAVE: users_save(); break;
        case IDC_USER_RESET: users_revert(); break;
        default: return false;
    }
    refresh(page);
    return true;
}

}  // namespace

INT_PTR CALLBACK users_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_INITDIALOG: init_page(page); return FALSE;
        case WM_NOTIFY: {
            attribute_lists_host_notify(&g_page.lists, (const NMHDR*)lparam);
            return TRUE;
        }
        case WM_COMMAND: {
            const uint16_t command = LOWORD(wparam);
            // Profile notices wait for the next showing; a full reset is the
            // record pages' own.
            if (command == PANEL_RESET && lparam != PANEL_RESET_ALL) {
                users_reset((uint32_t)lparam);
                return TRUE;
            }
            INT_PTR result = TRUE;
            if (record_page_command(page, USERS_PAGE, command, lparam, &g_page.connection, &result)) return result;
            if (g_page.updating) return TRUE;
            return handle_control(page, command, HIWORD(wparam)) ? TRUE : FALSE;
        }
    }
    return FALSE;
}
