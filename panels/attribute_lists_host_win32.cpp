#include "panels/attribute_lists_host_win32.h"

#include <commctrl.h>

#include "api/db_lists.h"
#include "panels/pool_record.h"
#include "resources/strings.h"

namespace {

const int CHECK_TAB = 0;
const int RETURN_TAB = 1;

int tab_of(ListKind kind) { return kind.list_bit == ATTR_CHECK ? CHECK_TAB : RETURN_TAB; }

void show_tab(AttributeListsHost* host, int shown) {
    for (int i = 0; i < 2; ++i) ShowWindow(host->pages[i], i == shown ? SW_SHOW : SW_HIDE);
}

}  // namespace

bool attribute_lists_host_create(AttributeListsHost* host, HWND panel_page, int tab_id, int first_page_id,
                                 const AttributeListsSetup& setup) {
    host->tab = GetDlgItem(panel_page, tab_id);
    const uint16_t labels[2] = {IDS_CHECK_LIST_TAB, IDS_RETURN_LIST_TAB};
    for (int i = 0; i < 2; ++i) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = (char*)string_text(labels[i]);
        SendMessageA(host->tab, TCM_INSERTITEMA, (WPARAM)i, (LPARAM)&item);
    }
    RECT area;
    GetWindowRect(host->tab, &area);
    MapWindowPoints(nullptr, panel_page, (POINT*)&area, 2);
    SendMessageA(host->tab, TCM_ADJUSTRECT, FALSE, (LPARAM)&area);
    const ListKind kinds[2] = {CHECK_LIST, RETURN_LIST};
    HWND after = host->tab;
    for (int i = 0; i < 2; ++i) {
        host->setups[i] = {setup.record, kinds[i], setup.dictionary, setup.context, setup.modified, list_pool_names};
        host->pages[i] = attribute_page_create(panel_page, first_page_id + i, &host->setups[i]);
        if (!host->pages[i]) return false;
        SetWindowPos(host->pages[i], after, area.left, area.top, area.right - area.left, area.bottom - area.top,
                     SWP_NOACTIVATE);
        after = host->pages[i];
    }
    attribute_lists_host_show(host, RETURN_LIST);
    return true;
}

void attribute_lists_host_refresh(const AttributeListsHost& host) {
    for (HWND page : host.pages) attribute_page_refresh(page);
}

void attribute_lists_host_enable(const AttributeListsHost& host, bool editable) {
    for (HWND page : host.pages) attribute_page_enable(page, editable);
}

bool attribute_lists_host_notify(AttributeListsHost* host, const NMHDR* header) {
    if (!host->tab || header->hwndFrom != host->tab) return false;
    if (header->code == TCN_SELCHANGE) {
        LRESULT selected = SendMessageA(host->tab, TCM_GETCURSEL, 0, 0);
        if (selected == CHECK_TAB || selected == RETURN_TAB) show_tab(host, (int)selected);
    }
    return true;
}

void attribute_lists_host_show(AttributeListsHost* host, ListKind kind) {
    SendMessageA(host->tab, TCM_SETCURSEL, (WPARAM)tab_of(kind), 0);
    show_tab(host, tab_of(kind));
}

HWND attribute_lists_host_page(const AttributeListsHost& host, ListKind kind) { return host.pages[tab_of(kind)]; }

void list_pool_names(void*, PoolNameSink add, void* to) {
    NameList names = {};
    if (list_pools(&names) == 0) {
        for (uint32_t i = 0; i < names.count; ++i) add(to, name_list_at(&names, i));
    }
    name_list_free(&names);
}
