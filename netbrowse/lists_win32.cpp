// The list views handed to the library: filling them from the caches and
// the network, selecting in them, and telling their owner what the person
// does in them.
#include <windows.h>

#include <commctrl.h>

#include <string.h>

#include "netbrowse/accounts.h"
#include "netbrowse/control_registry.h"
#include "netbrowse/library_win32.h"
#include "netbrowse/net_text_win32.h"
#include "netbrowse/netview_lists_win32.h"

namespace {

// Touched only on the caller's user-interface thread.
ControlRegistry g_controls;

struct ItemText {
    int kind;
    char text[ANSI_NAME_SIZE];
};

bool read_item(HWND list, int index, ItemText* item) {
    LVITEMA query = {};
    query.mask = LVIF_TEXT | LVIF_IMAGE;
    query.iItem = index;
    query.pszText = item->text;
    query.cchTextMax = sizeof item->text;
    item->text[0] = 0;
    if (!SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query))) return false;
    item->kind = query.iImage;
    return true;
}

int item_count(HWND list) { return int(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

// The item with exactly this text, or -1.
int find_item(HWND list, const char* text) {
    ItemText item;
    for (int i = 0, count = item_count(list); i < count; ++i)
        if (read_item(list, i, &item) && strncmp(item.text, text, NETVIEW_NAME_SIZE) == 0) return i;
    return -1;
}

void add_item(HWND list, const char16_t* name, int kind) {
    char text[ANSI_NAME_SIZE];
    net_name_to_ansi(name, text, sizeof text);
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = item_count(list);
    item.pszText = text;
    item.iImage = kind;
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void set_item_state(HWND list, int index, UINT state, UINT mask) {
    LVITEMA item = {};
    item.stateMask = mask;
    item.state = state;
    SendMessageA(list, LVM_SETITEMSTATE, WPARAM(index), reinterpret_cast<LPARAM>(&item));
}

void select_item(HWND list, int index) {
    set_item_state(list, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SendMessageA(list, LVM_ENSUREVISIBLE, WPARAM(index), FALSE);
}

void notify(HWND notify_window, UINT message, HWND list, int index) {
    ItemText item;
    if (index < 0 || !read_item(list, index, &item)) return;
    SendMessageA(notify_window, message, WPARAM(item.kind), reinterpret_cast<LPARAM>(item.text));
}

int item_at(HWND list, LPARAM point) {
    LVHITTESTINFO hit = {};
    hit.pt.x = short(LOWORD(point));
    hit.pt.y = short(HIWORD(point));
    int index = int(SendMessageA(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return hit.flags & LVHT_ONITEM ? index : -1;
}

bool is_movement_key(WPARAM key) {
    return key == VK_UP || key == VK_DOWN || key == VK_HOME || key == VK_END || key == VK_PRIOR || key == VK_NEXT;
}

LRESULT CALLBACK list_procedure(HWND list, UINT message, WPARAM wparam, LPARAM lparam) {
    RegisteredControl* control = control_registry_find(&g_controls, list);
    if (!control) return DefWindowProcA(list, message, wparam, lparam);
    // Copies: the owner may let the list go while it is being told.
    HWND owner = static_cast<HWND>(control->notify);
    WNDPROC original = reinterpret_cast<WNDPROC>(control->original_procedure);
    switch (message) {
        case WM_LBUTTONDOWN: notify(owner, NETVIEW_SELECTED, list, item_at(list, lparam)); break;
        case WM_LBUTTONDBLCLK: {
            int index = item_at(list, lparam);
            ItemText item;
            if (index >= 0 && read_item(list, index, &item) &&
                (item.kind == NETVIEW_USER || item.kind == NETVIEW_GROUP))
                notify(owner, NETVIEW_DOUBLE_CLICKED, list, index);
            break;
        }
        case WM_KEYDOWN:
            if (is_movement_key(wparam)) {
                // The list moves its focus itself; the owner hears where it went.
                LRESULT result = CallWindowProcA(original, list, message, wparam, lparam);
                notify(owner, NETVIEW_SELECTED, list,
                       int(SendMessageA(list, LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED)));
                return result;
            }
            break;
        case WM_SETFOCUS: {
            LRESULT result = CallWindowProcA(original, list, message, wparam, lparam);
            if (item_count(list) > 0) notify(owner, NETVIEW_FOCUSED, list, 0);
            return result;
        }
        case WM_NCDESTROY:
            SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
            control_registry_remove(&g_controls, list);
            break;
    }
    return CallWindowProcA(original, list, message, wparam, lparam);
}

}  // namespace

extern "C" {

int NetViewInitControl(HWND list, HWND notify_window) {
    if (!IsWindow(list) || !control_registry_add(&g_controls, list, notify_window)) return 0;
    // One image list serves every list: the lists must not destroy it.
    SetWindowLongPtrA(list, GWL_STYLE, GetWindowLongPtrA(list, GWL_STYLE) | LVS_SHAREIMAGELISTS);
    SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(library_images()));
    LONG_PTR original = SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(list_procedure));
    control_registry_find(&g_controls, list)->original_procedure = reinterpret_cast<void*>(original);
    return 1;
}

int NetViewDeInitControl(HWND list) {
    RegisteredControl* control = control_registry_find(&g_controls, list);
    if (!control) return 0;
    if (GetWindowLongPtrA(list, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(list_procedure))
        SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(control->original_procedure));
    control_registry_remove(&g_controls, list);
    return 1;
}

int NetViewDisplayNetObjects(HWND list, int kind, const char* name, char* out_name) {
    if (kind != NETVIEW_TARGET_DOMAIN && kind != NETVIEW_TARGET_HOST) return NETVIEW_OBJECTS_DONE;
    HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    NetName target, refused;
    net_name_from_ansi(name, &target);
    std::vector<ListItem> items;
    uint16_t result = list_accounts(library_engine(), kind, target.text, library_notices(), &items, &refused);
    for (const ListItem& item : items) add_item(list, item.name.text, item.kind);
    if (result == NETVIEW_OBJECTS_LOGON_REFUSED && out_name)
        net_name_to_ansi(refused.text, out_name, NETVIEW_NAME_SIZE);
    SetCursor(previous);
    return result;
}

int NetViewSelectItem(HWND list, const char* text) {
    int index = text ? find_item(list, text) : -1;
    if (index < 0) return 0;
    select_item(list, index);
    return 1;
}

int NetViewDeselectItem(HWND list, const char* text) {
    int index = text ? find_item(list, text) : -1;
    if (index < 0) return 0;
    set_item_state(list, index, 0, LVIS_SELECTED);
    return 1;
}

int NetViewClearControl(HWND list) { return SendMessageA(list, LVM_DELETEALLITEMS, 0, 0) ? 1 : 0; }

int NetViewSelectFirstItem(HWND list) {
    if (item_count(list) <= 0) return 0;
    select_item(list, 0);
    return 1;
}

int NetViewDisplayDomainObjects(HWND list) {
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    for (const NetName& domain : domain_cache_reachable(&library_engine()->domains))
        add_item(list, domain.text, NETVIEW_DOMAIN);
    return 1;
}

int NetViewDisplayHostObjects(HWND list) {
    for (const NetName& host : host_cache_copy(&library_engine()->hosts)) {
        char text[ANSI_NAME_SIZE];
        net_name_to_ansi(host.text, text, sizeof text);
        if (find_item(list, text) < 0) add_item(list, host.text, NETVIEW_HOST);
    }
    return 1;
}

}  // extern "C"
