// The profiles panel, page 4: hands every change of its controls to the
// model of profiles.cpp and redraws the controls from the model's state.
// The two attribute list pages edit the model's record directly. Whoever
// hosts the page connects the model's notices to the users panel.
#include <windows.h>

#include "panels/attribute_lists_host_win32.h"
#include "panels/dialogs_win32.h"
#include "panels/pages_win32.h"
#include "panels/profiles.h"
#include "panels/profiles_ids.h"
#include "ui/page_win32.h"

namespace {

// What the page itself remembers: which names and which record its
// controls show, and that it is writing to its own controls.
struct ProfilesPage {
    uint32_t list_shown;
    bool list_filled;
    uint32_t record_shown;
    bool updating;
    AttributeListsHost lists;
};

ProfilesPage g_page = {};

const ControlRule<ProfilesControls> CONTROL_RULES[] = {
    {IDC_PROFILE_REMOVE, &ProfilesControls::remove_enabled},
    {IDC_PROFILE_SAVE, &ProfilesControls::save_enabled},
    {IDC_PROFILE_RESET, &ProfilesControls::save_enabled},
};

void refresh(HWND page) {
    const ProfilesPanel& panel = profiles_panel();
    HWND had_focus = GetFocus();
    g_page.updating = true;
    if (!g_page.list_filled || g_page.list_shown != panel.lists_version) {
        fill_list_box(GetDlgItem(page, IDC_PROFILE_LIST), panel.names.count, profiles_list_name);
        g_page.list_shown = panel.lists_version;
        g_page.list_filled = true;
    }
    SendDlgItemMessageA(page, IDC_PROFILE_LIST, LB_SETCURSEL, (WPARAM)panel.selected, 0);
    if (g_page.record_shown != panel.record.version) {
        attribute_lists_host_refresh(g_page.lists);
        g_page.record_shown = panel.record.version;
    }
    ProfilesControls controls = profiles_controls();
    attribute_lists_host_enable(g_page.lists, controls.lists_enabled);
    enable_controls(page, controls, CONTROL_RULES);
    keep_focus_usable(page, had_focus, GetDlgItem(page, IDC_PROFILE_LIST));
    g_page.updating = false;
}

// A list page changed the record.
void lists_changed(void* page) {
    profiles_modified();
    refresh((HWND)page);
}

void add_clicked(HWND page) {
    if (!profiles_begin_add()) return;
    refresh(page);  // the save prompt may have changed the record
    char name[PROFILE_NAME_LIMIT + 1];
    if (add_name_dialog_run(GetAncestor(page, GA_ROOT), IDD_ADD_PROFILE, "", name, sizeof name)) profiles_add(name);
}

void init_page(HWND page) {
    profiles_reset();
    profiles_set_owner(GetAncestor(page, GA_ROOT));
    g_page = ProfilesPage();
    AttributeListsSetup setup = {&profiles_panel().record.current, program_dictionary(), page, lists_changed};
    attribute_lists_host_create(&g_page.lists, page, IDC_PROFILE_TABS, IDC_PROFILE_LIST_PAGES, setup);
    g_page.record_shown = profiles_panel().record.version;
    refresh(page);
}

const RecordPage PROFILES_PAGE = {HELP_CONTEXT_PROFILES, profiles_activate, profiles_reset, profiles_may_leave,
                                  refresh};

bool handle_control(HWND page, int id, int code) {
    switch (id) {
        case IDC_PROFILE_LIST: {
            if (code != LBN_SELCHANGE) return true;
            LRESULT index = SendDlgItemMessageA(page, IDC_PROFILE_LIST, LB_GETCURSEL, 0, 0);
            if (index >= 0) profiles_select((uint32_t)index);
            break;
        }
        case IDC_PROFILE_ADD:
            if (code != BN_CLICKED) return true;
            add_clicked(page);
            break;
        case IDC_PROFILE_REMOVE:
            if (code != BN_CLICKED) return true;
            profiles_remove();
            break;
        case IDC_PROFILE_SAVE:
            if (code != BN_CLICKED) return true;
            profiles_save();
            break;
        case IDC_PROFILE_RESET:
            if (code != BN_CLICKED) return true;
            profiles_revert();
            break;
        default: return false;
    }
    refresh(page);
    return true;
}

}  // namespace

INT_PTR CALLBACK profiles_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_INITDIALOG: init_page(page); return FALSE;
        case WM_COMMAND: {
            INT_PTR result = TRUE;
            if (record_page_command(page, PROFILES_PAGE, LOWORD(wparam), lparam, nullptr, &result)) return result;
            if (g_page.updating) return TRUE;
            return handle_control(page, LOWORD(wparam), HIWORD(wparam)) ? TRUE : FALSE;
        }
        case WM_NOTIFY: return attribute_lists_host_notify(&g_page.lists, (const NMHDR*)lparam) ? TRUE : FALSE;
        case WM_DESTROY: profiles_set_users_notice(nullptr, nullptr); return FALSE;
    }
    return FALSE;
}
