// The Access panel, page 7: shows the administrators of the model in
// admins.cpp with their icons, and hands the buttons and the list's
// selection to it.
#include <windows.h>

#include <commctrl.h>

#include "api/text_field.h"
#include "panels/admins.h"
#include "panels/admins_ids.h"
#include "panels/admins_win32.h"
#include "panels/browse_lookup_win32.h"
#include "panels/pages_win32.h"
#include "platform/prompt.h"
#include "resources/strings.h"
#include "ui/help_win32.h"
#include "ui/page_win32.h"

namespace {

const uint32_t SERVER_TEXT_SIZE = 256;

struct AdminsPage {
    uint32_t list_shown;  // the model's list_version the list shows
    bool filled;
    bool updating;  // the page is writing to the list: its notices are not the user's
    PanelContext connection;
    char server[SERVER_TEXT_SIZE];
};

AdminsPage g_page = {};

HWND control(HWND page, int id) { return GetDlgItem(page, id); }

// User and group icons in the order of the kinds; the list owns them once
// given. Without them the list shows its names alone.
HIMAGELIST make_images() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    int size = GetSystemMetrics(SM_CXSMICON);
    HIMAGELIST images = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 2, 0);
    const int ICONS[] = {IDI_ADMIN_USER, IDI_ADMIN_GROUP};
    for (int id : ICONS) {
        HICON icon = images ? (HICON)LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0) : nullptr;
        bool added = icon && ImageList_AddIcon(images, icon) >= 0;
        if (icon) DestroyIcon(icon);
        if (!added) {
            if (images) ImageList_Destroy(images);
            PromptRequest request = {nullptr,
                                     string_text(IDS_TITLE_ERROR),
                                     string_text(IDS_ADMIN_IMAGE_LIST_FAILED),
                                     PROMPT_ICON_STOP,
                                     PROMPT_OK,
                                     true};
            show_prompt(request);
            return nullptr;
        }
    }
    return images;
}

void fill_list(HWND page) {
    const AdminsPanel& panel = admins_panel();
    HWND list = control(page, IDC_ADMIN_LIST);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    for (uint32_t i = 0; i < panel.count; ++i) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = (int)i;
        item.pszText = (char*)panel.entries[i].name;
        item.iImage = panel.entries[i].kind;
        SendMessageA(list, LVM_INSERTITEMA, 0, (LPARAM)&item);
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    g_page.list_shown = panel.list_version;
    g_page.filled = true;
}

void show_selection(HWND list, int64_t selected) {
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = 0;
    SendMessageA(list, LVM_SETITEMSTATE, (WPARAM)-1, (LPARAM)&state);
    if (selected < 0) return;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, (WPARAM)selected, (LPARAM)&state);
    SendMessageA(list, LVM_ENSUREVISIBLE, (WPARAM)selected, FALSE);
}

void refresh(HWND page) {
    const AdminsPanel& panel = admins_panel();
    HWND had_focus = GetFocus();
    g_page.updating = true;
    HWND list = control(page, IDC_ADMIN_LIST);
    if (!g_page.filled || g_page.list_shown != panel.list_version) fill_list(page);
    LRESULT shown = SendMessageA(list, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
    if (shown != panel.selected) show_selection(list, panel.selected);
    AdminsControls controls = admins_controls();
    EnableWindow(control(page, IDC_ADMIN_ADD_LOCAL), controls.add_local_enabled);
    EnableWindow(control(page, IDC_ADMIN_ADD_REMOTE), controls.add_remote_enabled);
    EnableWindow(control(page, IDC_ADMIN_REMOVE), controls.remove_enabled);
    // A button that has just been disabled must not keep the keyboard.
    if (had_focus && IsChild(page, had_focus) && !IsWindowEnabled(had_focus))
        SendMessageA(page, WM_NEXTDLGCTL, (WPARAM)list, TRUE);
    g_page.updating = false;
}

void init_page(HWND page) {
    admins_reset();
    admins_set_owner(GetAncestor(page, GA_ROOT));
    g_page = AdminsPage();
    HWND list = control(page, IDC_ADMIN_LIST);
    prepare_single_column_list(list);
    HIMAGELIST images = make_images();
    if (images) SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, (LPARAM)images);
    refresh(page);
}

void activate(LPARAM argument) {
    g_page.connection = panel_context(argument);
    copy_text(g_page.server, sizeof g_page.server, g_page.connection.server_name ? g_page.connection.server_name : "");
    g_page.connection.server_name = g_page.server;
    help_set_context(HELP_CONTEXT_ACCESS);
    admins_activate(g_page.connection);
}

bool handle_page_command(HWND page, int id, LPARAM argument) {
    switch (id) {
        case PANEL_TICK: return true;
        case PANEL_QUERY_LEAVE: panel_answer(page, 0); return true;
        case PANEL_ACTIVATE: activate(argument); break;
        case PANEL_RESET:
            admins_reset();
            // Reset while shown (after an import): list again at once.
            if (IsWindowVisible(page)) admins_activate(g_page.connection);
            break;
        default: return false;
    }
    refresh(page);
    return true;
}

bool handle_button(HWND page, int id) {
    switch (id) {
        case IDC_ADMIN_ADD_LOCAL:
            if (!admins_controls().add_local_enabled) return true;
            admin_add_dialog_run(page, false, g_page.server);
            break;
        case IDC_ADMIN_ADD_REMOTE:
            if (!admins_controls().add_remote_enabled) return true;
            admin_add_dialog_run(page, true, g_page.server);
            break;
        case IDC_ADMIN_REMOVE: admins_remove(); break;
        default: return false;
    }
    refresh(page);
    return true;
}

// Every notice of the list: the selection is the first selected item.
void list_notice(HWND page, const NMHDR* header) {
    if (header->idFrom != IDC_ADMIN_LIST || header->code != LVN_ITEMCHANGED || g_page.updating) return;
    admins_select(SendMessageA(header->hwndFrom, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED));
    EnableWindow(control(page, IDC_ADMIN_REMOVE), admins_controls().remove_enabled);
}

}  // namespace

INT_PTR CALLBACK admins_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_INITDIALOG: init_page(page); return FALSE;
        case WM_NOTIFY: list_notice(page, (const NMHDR*)lparam); return FALSE;
        case ADMINS_REFILL: refresh(page); return TRUE;
        case WM_COMMAND:
            if (handle_page_command(page, LOWORD(wparam), lparam)) return TRUE;
            return HIWORD(wparam) == BN_CLICKED && handle_button(page, LOWORD(wparam)) ? TRUE : FALSE;
    }
    return FALSE;
}
