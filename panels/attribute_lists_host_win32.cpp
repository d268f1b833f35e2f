#include "panels/attribute_lists_host_win32.h"

#include "api/db_lists.h"
#include "panels/pool_record.h"
#include "resources/strings.h"
#include "shell/tab_control_win32.h"
#include "shell/tab_strip.h"

namespace {

const int CHECK_TAB = 0;
const int RETURN_TAB = 1;

int tab_of(ListKind kind) { return kind.list_bit == ATTR_CHECK ? CHECK_TAB : RETURN_TAB; }

// The body of the tab strip in the panel page's coordinates, a little inside
// its outline: the tab row is as high as the strip makes it for its font.
RECT body_of(HWND panel_page, HWND tab) {
    RECT area;
    GetWindowRect(tab, &area);
    MapWindowPoints(nullptr, panel_page, (POINT*)&area, 2);
    HDC dc = GetDC(tab);
    HGDIOBJ old = SelectObject(dc, (HFONT)SendMessageA(tab, WM_GETFONT, 0, 0));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(tab, dc);
    const int inset = 5;
    area.top += tab_height_for_font(metrics.tmHeight, metrics.tmExternalLeading) + inset;
    area.left += inset;
    area.right -= inset;
    area.bottom -= inset;
    return area;
}

void show_tab(AttributeListsHost* host, int shown) {
    for (int i = 0; i < 2; ++i) ShowWindow(host->pages[i], i == shown ? SW_SHOW : SW_HIDE);
}

}  // namespace

bool attribute_lists_host_create(AttributeListsHost* host, HWND panel_page, int tab_id, int first_page_id,
                                 const AttributeListsSetup& setup) {
    host->tab = GetDlgItem(panel_page, tab_id);
    SendMessageA(host->tab, TAB_SET_COUNT, 2, 0);
    SendMessageA(host->tab, TAB_SET_TEXT, CHECK_TAB, (LPARAM)string_text(IDS_CHECK_LIST_TAB));
    SendMessageA(host->tab, TAB_SET_TEXT, RETURN_TAB, (LPARAM)string_text(IDS_RETURN_LIST_TAB));
    RECT body = body_of(panel_page, host->tab);
    const ListKind kinds[2] = {CHECK_LIST, RETURN_LIST};
    HWND after = host->tab;
    for (int i = 0; i < 2; ++i) {
        host->setups[i] = {setup.record, kinds[i], setup.dictionary, setup.context, setup.modified, list_pool_names};
        host->pages[i] = attribute_page_create(panel_page, first_page_id + i, &host->setups[i]);
        if (!host->pages[i]) return false;
        // Right after the strip in the tab order; the strip leaves its body unpainted.
        SetWindowPos(host->pages[i], after, body.left, body.top, body.right - body.left, body.bottom - body.top,
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

bool attribute_lists_host_command(AttributeListsHost* host, int id, int code) {
    if (!host->tab || id != GetDlgCtrlID(host->tab)) return false;
    if (code == TAB_SELECTION_CHANGED) {
        LRESULT selected = SendMessageA(host->tab, TAB_GET_SELECTION, 0, 0);
        if (selected == CHECK_TAB || selected == RETURN_TAB) show_tab(host, (int)selected);
    }
    return true;
}

void attribute_lists_host_show(AttributeListsHost* host, ListKind kind) {
    SendMessageA(host->tab, TAB_SET_SELECTION, (WPARAM)tab_of(kind), 0);
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
