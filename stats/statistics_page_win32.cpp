// The statistics panel, page 9: the counters of statistics_panel.cpp on
// three tabbed pages, the up time, the rate graph and the Current Users
// button. Only the fields whose text changed are written, so nothing flickers.
#include <windows.h>

#include "platform/ticks.h"
#include "resources/shell_ids.h"
#include "resources/strings.h"
#include "stats/statistics_panel.h"
#include "stats/stats_ids.h"
#include "stats/stats_win32.h"
#include "ui/page_win32.h"

namespace {

// The TabControl's messages and its selection notice.
const UINT TABS_SET_COUNT = WM_USER + 0;
const UINT TABS_SET_TEXT = WM_USER + 1;
const UINT TABS_GET_SELECTION = WM_USER + 2;
const UINT TABS_SET_SELECTION = WM_USER + 3;
const UINT TABS_SELECTION_CHANGED = 1;

const int PAGE_TEMPLATES[STATS_PAGE_COUNT] = {IDD_STATS_AUTHENTICATION, IDD_STATS_ACCOUNTING, IDD_STATS_PROXY};
const uint16_t PAGE_TABS[STATS_PAGE_COUNT] = {IDS_TAB_AUTHENTICATION, IDS_TAB_ACCOUNTING, IDS_TAB_PROXY};

// A counter page is found by the id it is given inside the page host.
const int PAGE_ID_BASE = 1;

HWND counter_page(HWND panel, uint32_t index) {
    return GetDlgItem(GetDlgItem(panel, IDC_STATS_PAGES), PAGE_ID_BASE + (int)index);
}

HWND field_control(HWND panel, uint32_t field) {
    StatsPage page = stats_field_page(field);
    if (page == STATS_PAGE_PANEL) return GetDlgItem(panel, IDC_STATS_UP_TIME);
    return GetDlgItem(counter_page(panel, page), IDC_STATS_FIELD_BASE + (int)field);
}

void show_changed_fields(HWND panel) {
    const StatisticsPanel& model = statistics_panel();
    for (uint32_t field = 0; field < STATS_FIELD_COUNT; ++field) {
        if (!model.changed[field]) continue;
        HWND control = field_control(panel, field);
        if (control) SetWindowTextA(control, model.texts[field]);
        statistics_mark_shown(field);
    }
    InvalidateRect(GetDlgItem(panel, IDC_STATS_GRAPH), nullptr, FALSE);
}

// A counter page only displays: shown, it takes the texts as they stand.
INT_PTR CALLBACK counter_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM) {
    if (message == WM_INITDIALOG) return FALSE;
    if (message != WM_COMMAND || LOWORD(wparam) != PANEL_ACTIVATE) return FALSE;
    const StatisticsPanel& model = statistics_panel();
    for (uint32_t field = 1; field < STATS_FIELD_COUNT; ++field) {
        HWND control = GetDlgItem(page, IDC_STATS_FIELD_BASE + (int)field);
        if (control) set_field_text(page, IDC_STATS_FIELD_BASE + (int)field, model.texts[field]);
    }
    return panel_answer(page, 0);
}

void show_page(HWND panel, uint32_t index) {
    for (uint32_t i = 0; i < STATS_PAGE_COUNT; ++i) {
        if (i != index) ShowWindow(counter_page(panel, i), SW_HIDE);
    }
    HWND page = counter_page(panel, index);
    panel_send(page, PANEL_ACTIVATE);
    ShowWindow(page, SW_SHOW);
}

void init_panel(HWND panel) {
    statistics_reset();
    HWND tabs = GetDlgItem(panel, IDC_STATS_TABS);
    HWND host = GetDlgItem(panel, IDC_STATS_PAGES);
    SendMessageA(tabs, TABS_SET_COUNT, STATS_PAGE_COUNT, 0);
    RECT area;
    GetClientRect(host, &area);
    HINSTANCE instance = (HINSTANCE)GetWindowLongPtrA(panel, GWLP_HINSTANCE);
    for (uint32_t i = 0; i < STATS_PAGE_COUNT; ++i) {
        SendMessageA(tabs, TABS_SET_TEXT, i, (LPARAM)string_text(PAGE_TABS[i]));
        HWND page = CreateDialogParamA(instance, MAKEINTRESOURCEA(PAGE_TEMPLATES[i]), host, counter_page_proc, 0);
        if (!page) continue;
        SetWindowLongPtrA(page, GWLP_ID, PAGE_ID_BASE + (LONG_PTR)i);
        SetWindowPos(page, nullptr, 0, 0, area.right, area.bottom, SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    }
    SendMessageA(tabs, TABS_SET_SELECTION, STATS_PAGE_AUTHENTICATION, 0);
    show_page(panel, STATS_PAGE_AUTHENTICATION);
}

void activate() { statistics_activate(tick_count()); }
bool may_leave() { return true; }

// Activation, reset and leaving go as for every record page; the timer's
// tick is the panel's own.
const RecordPage STATISTICS_PAGE = {HELP_CONTEXT_STATISTICS, activate, statistics_reset, may_leave,
                                    show_changed_fields};

void open_current_users(HWND panel) {
    statistics_set_current_users_open(true);
    current_users_run(GetAncestor(panel, GA_ROOT));
    statistics_set_current_users_open(false);
}

}  // namespace

INT_PTR CALLBACK statistics_page_proc(HWND panel, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_INITDIALOG: init_panel(panel); return FALSE;
        case WM_DRAWITEM: {
            const DRAWITEMSTRUCT* item = (const DRAWITEMSTRUCT*)lparam;
            if (wparam != IDC_STATS_GRAPH || !item) return FALSE;
            rate_graph_draw(*item, statistics_panel().rates, tick_count());
            return TRUE;
        }
        case WM_COMMAND: {
            if (LOWORD(wparam) == PANEL_TICK) {
                if (statistics_tick(tick_count())) show_changed_fields(panel);
                return TRUE;
            }
            INT_PTR result = TRUE;
            if (record_page_command(panel, STATISTICS_PAGE, LOWORD(wparam), lparam, nullptr, &result)) return result;
            if (LOWORD(wparam) == IDC_STATS_TABS && HIWORD(wparam) == TABS_SELECTION_CHANGED) {
                LRESULT selected = SendMessageA(GetDlgItem(panel, IDC_STATS_TABS), TABS_GET_SELECTION, 0, 0);
                if (selected >= 0 && selected < (LRESULT)STATS_PAGE_COUNT) show_page(panel, (uint32_t)selected);
                return TRUE;
            }
            if (LOWORD(wparam) == IDC_STATS_CURRENT_USERS && HIWORD(wparam) == BN_CLICKED) {
                open_current_users(panel);
                return TRUE;
            }
            break;
        }
    }
    return FALSE;
}
