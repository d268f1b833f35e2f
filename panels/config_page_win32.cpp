// The configuration panel, page 8: hands every change of its controls to
// the model of config.cpp and redraws the controls from the model's state.
// The method list is drawn here: an active method with its place in the
// order, an inactive one in grey.
#include <windows.h>

#include <stdio.h>
#include <string.h>

#include "panels/config.h"
#include "panels/config_ids.h"
#include "panels/message_dialog_win32.h"
#include "panels/pages_win32.h"
#include "ui/attribute_rows_win32.h"
#include "ui/page_win32.h"

namespace {

// What the page itself remembers: which method list it shows, that it is
// writing to its own controls (their change notices are not the user's),
// and the arrows' bitmaps.
struct ConfigPage {
    uint32_t list_shown;
    bool list_filled;
    bool updating;
    PanelContext connection;  // as the last PANEL_ACTIVATE told it
    HBITMAP arrows[2];        // up, down
};

ConfigPage g_page = {};

const ControlRule<ConfigControls> CONTROL_RULES[] = {
    {IDC_CONFIG_UP, &ConfigControls::up_enabled},
    {IDC_CONFIG_DOWN, &ConfigControls::down_enabled},
    {IDC_CONFIG_ACTIVATE, &ConfigControls::activate_enabled},
    {IDC_CONFIG_DEACTIVATE, &ConfigControls::deactivate_enabled},
    {IDC_CONFIG_DAYS, &ConfigControls::fields_enabled},
    {IDC_CONFIG_UNKNOWN_USER, &ConfigControls::fields_enabled},
    {IDC_CONFIG_UNKNOWN_CLIENT, &ConfigControls::fields_enabled},
    {IDC_CONFIG_LISTS_MISMATCH, &ConfigControls::fields_enabled},
    {IDC_CONFIG_INVALID_LIST, &ConfigControls::fields_enabled},
    {IDC_CONFIG_DEFAULT, &ConfigControls::fields_enabled},
    {IDC_CONFIG_EDIT_UNKNOWN_USER, &ConfigControls::fields_enabled},
    {IDC_CONFIG_EDIT_UNKNOWN_CLIENT, &ConfigControls::fields_enabled},
    {IDC_CONFIG_EDIT_LISTS_MISMATCH, &ConfigControls::fields_enabled},
    {IDC_CONFIG_EDIT_INVALID_LIST, &ConfigControls::fields_enabled},
    {IDC_CONFIG_EDIT_DEFAULT, &ConfigControls::fields_enabled},
    {IDC_CONFIG_SAVE, &ConfigControls::save_enabled},
    {IDC_CONFIG_RESET, &ConfigControls::reset_enabled},
};

// A message field holds more than set_field_text compares; the same rule:
// only a different text is set, so the caret stays where the typing is.
void show_message_field(HWND page, int id, const char* text) {
    char shown[MESSAGE_FIELD_SIZE];
    GetDlgItemTextA(page, id, shown, sizeof shown);
    if (strcmp(shown, text) != 0) SetDlgItemTextA(page, id, text);
}

void refresh(HWND page) {
    const ConfigPanel& panel = config_panel();
    HWND had_focus = GetFocus();
    HWND list = GetDlgItem(page, IDC_CONFIG_METHODS);
    g_page.updating = true;
    if (!g_page.list_filled || g_page.list_shown != panel.methods_version) {
        fill_list_box(list, panel.current.methods.count, config_method_text);
        g_page.list_shown = panel.methods_version;
        g_page.list_filled = true;
    }
    SendMessageA(list, LB_SETCURSEL, (WPARAM)panel.selected, 0);
    set_field_text(page, IDC_CONFIG_DAYS, panel.days_text);
    for (uint32_t i = 0; i < MESSAGE_COUNT; ++i)
        show_message_field(page, IDC_CONFIG_MESSAGE_FIRST + (int)i, panel.fields[i]);
    enable_controls(page, config_controls(), CONTROL_RULES);
    keep_focus_usable(page, had_focus, list);
    g_page.updating = false;
}

void measure_row(HWND page, MEASUREITEMSTRUCT* item) {
    RECT row = {0, 0, 0, 10};
    MapDialogRect(page, &row);
    item->itemHeight = (UINT)row.bottom;
}

void draw_method(const DRAWITEMSTRUCT& item) {
    const MethodList& methods = config_panel().current.methods;
    if (item.itemID >= methods.count) return;
    HDC dc = item.hDC;
    bool selected = (item.itemState & ODS_SELECTED) != 0;
    bool active = methods.entries[item.itemID].active;
    FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    COLORREF ink = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : active ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
    COLORREF old_ink = SetTextColor(dc, ink);
    int old_mode = SetBkMode(dc, TRANSPARENT);
    char place[8] = "-";
    if (active) snprintf(place, sizeof place, "%u", item.itemID + 1);
    char name[64];
    config_method_text(item.itemID, name, sizeof name);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    RECT column = item.rcItem;
    column.left += metrics.tmAveCharWidth;
    column.right = column.left + 2 * metrics.tmAveCharWidth;
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    DrawTextA(dc, place, -1, &column, format | DT_RIGHT);
    column.left = column.right + metrics.tmAveCharWidth * 2;
    column.right = item.rcItem.right;
    DrawTextA(dc, name, -1, &column, format | DT_END_ELLIPSIS);
    SetBkMode(dc, old_mode);
    SetTextColor(dc, old_ink);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &item.rcItem);
}

INT_PTR draw_item(const DRAWITEMSTRUCT& item) {
    switch (item.CtlID) {
        case IDC_CONFIG_METHODS: draw_method(item); return TRUE;
        case IDC_CONFIG_UP:
        case IDC_CONFIG_DOWN: paint_arrow_button(item, g_page.arrows[item.CtlID == IDC_CONFIG_UP ? 0 : 1]); return TRUE;
        default: return FALSE;
    }
}

void init_page(HWND page) {
    config_reset();
    config_set_owner(GetAncestor(page, GA_ROOT));
    g_page = ConfigPage();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    g_page.arrows[0] = LoadBitmapA(instance, "UPARROW");
    g_page.arrows[1] = LoadBitmapA(instance, "DNARROW");
    SendDlgItemMessageA(page, IDC_CONFIG_DAYS, EM_LIMITTEXT, DAYS_FIELD_LIMIT, 0);
    for (uint32_t i = 0; i < MESSAGE_COUNT; ++i)
        SendDlgItemMessageA(page, IDC_CONFIG_MESSAGE_FIRST + (int)i, EM_LIMITTEXT, MESSAGE_FIELD_MAX, 0);
    refresh(page);
}

void destroy_page() {
    for (HBITMAP& arrow : g_page.arrows) {
        if (arrow) DeleteObject(arrow);
        arrow = nullptr;
    }
}

void activate() { config_activate(g_page.connection.platform_mask, g_page.connection.option_mask); }

const RecordPage CONFIG_PAGE = {HELP_CONTEXT_CONFIGURATION, activate, config_reset, config_may_leave, refresh};

bool handle_button(HWND page, int id) {
    if (id >= IDC_CONFIG_EDIT_FIRST && id < IDC_CONFIG_EDIT_FIRST + (int)MESSAGE_COUNT) {
        message_dialog_run(GetAncestor(page, GA_ROOT), (uint32_t)(id - IDC_CONFIG_EDIT_FIRST));
        return true;
    }
    switch (id) {
        case IDC_CONFIG_UP: config_move_up(); break;
        case IDC_CONFIG_DOWN: config_move_down(); break;
        case IDC_CONFIG_ACTIVATE: config_activate_method(); break;
        case IDC_CONFIG_DEACTIVATE: config_deactivate_method(); break;
        case IDC_CONFIG_SAVE: config_save(); break;
        case IDC_CONFIG_RESET: config_reread(); break;
        default: return false;
    }
    return true;
}

bool handle_control(HWND page, int id, int code) {
    if (id >= IDC_CONFIG_MESSAGE_FIRST && id < IDC_CONFIG_MESSAGE_FIRST + (int)MESSAGE_COUNT) {
        if (code != EN_CHANGE) return true;
        char text[MESSAGE_FIELD_SIZE];
        GetDlgItemTextA(page, id, text, sizeof text);
        config_edit_message((uint32_t)(id - IDC_CONFIG_MESSAGE_FIRST), text);
    } else if (id == IDC_CONFIG_DAYS) {
        if (code != EN_CHANGE) return true;
        char text[DAYS_FIELD_LIMIT + 1];
        GetDlgItemTextA(page, id, text, sizeof text);
        config_edit_days(text);
    } else if (id == IDC_CONFIG_METHODS) {
        if (code != LBN_SELCHANGE) return true;
        LRESULT index = SendDlgItemMessageA(page, id, LB_GETCURSEL, 0, 0);
        if (index >= 0) config_select_method((uint32_t)index);
    } else if (code != BN_CLICKED || !handle_button(page, id)) {
        return false;
    }
    refresh(page);
    return true;
}

}  // namespace

INT_PTR CALLBACK config_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_INITDIALOG: init_page(page); return FALSE;
        case WM_DESTROY: destroy_page(); return FALSE;
        case WM_MEASUREITEM:
            if (wparam != IDC_CONFIG_METHODS) return FALSE;
            measure_row(page, (MEASUREITEMSTRUCT*)lparam);
            return TRUE;
        case WM_DRAWITEM: return draw_item(*(const DRAWITEMSTRUCT*)lparam);
        case WM_COMMAND: {
            INT_PTR result = TRUE;
            if (record_page_command(page, CONFIG_PAGE, LOWORD(wparam), lparam, &g_page.connection, &result))
                return result;
            if (g_page.updating) return TRUE;
            return handle_control(page, LOWORD(wparam), HIWORD(wparam)) ? TRUE : FALSE;
        }
    }
    return FALSE;
}
