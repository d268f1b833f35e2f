// The attribute list page: rows drawn from the record, the buttons kept in
// step with the selected row, the keys of the list.
#include "ui/attribute_page_win32.h"

#include <string.h>

#include "attrs/editor.h"
#include "attrs/value_forms.h"
#include "ui/attribute_editor_ids.h"
#include "ui/attribute_rows_win32.h"

namespace {

// Posted by the Add dialog after each value it adds: refill, select wParam.
const UINT PAGE_SHOW_ROW = WM_APP + 40;
const char KEYS_PROPERTY[] = "keel.attribute.list.proc";

struct PageState {
    AttributePageSetup* setup;
    RowPainter painter;
    HBITMAP arrows[2];
    bool editable;
};

PageState* page_state(HWND page) { return (PageState*)GetWindowLongPtrA(page, DWLP_USER); }
HWND list_of_page(HWND page) { return GetDlgItem(page, IDC_ATTR_LIST); }

const AttributeList* rows_of(const PageState* state) {
    if (!state || !state->setup || !state->setup->record) return nullptr;
    return &list_of(state->setup->record, state->setup->kind);
}

EditorTarget target_of(HWND page, const PageState* state) {
    return {state->setup->record, state->setup->kind, state->setup->dictionary, page};
}

void update_buttons(HWND page) {
    PageState* state = page_state(page);
    const AttributeList* rows = rows_of(state);
    PageButtons buttons = {false, false, false, false};
    bool editable = state->editable && rows;
    if (editable) buttons = page_buttons(*rows, attribute_page_selection(page), state->setup->dictionary);
    HWND focus = GetFocus();
    const struct {
        int id;
        bool on;
    } states[] = {{IDC_ATTR_INSERT, editable},
                  {IDC_ATTR_EDIT, buttons.edit},
                  {IDC_ATTR_DELETE, buttons.del},
                  {IDC_ATTR_UP, buttons.up},
                  {IDC_ATTR_DOWN, buttons.down}};
    for (const auto& button : states) {
        HWND control = GetDlgItem(page, button.id);
        // A button losing the keyboard hands it to Ins, or to the list.
        if (!button.on && focus == control) SetFocus(editable ? GetDlgItem(page, IDC_ATTR_INSERT) : list_of_page(page));
        EnableWindow(control, button.on);
    }
}

void fill_rows(HWND page, int32_t select) {
    PageState* state = page_state(page);
    HWND list = list_of_page(page);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    const AttributeList* rows = rows_of(state);
    for (uint16_t i = 0; rows && i < rows->count; ++i) {
        char line[VALUE_LINE_SIZE];
        format_value_line(rows->items[i], line, sizeof line);
        SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)line);
    }
    row_painter_measure(&state->painter, list, state->setup ? state->setup->dictionary : nullptr, rows);
    if (rows && rows->count) {
        if (select < 0 || select >= rows->count) select = select < 0 ? 0 : rows->count - 1;
        SendMessageA(list, LB_SETCURSEL, (WPARAM)select, 0);
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    update_buttons(page);
}

void changed(HWND page, int32_t select) {
    fill_rows(page, select);
    PageState* state = page_state(page);
    if (state->setup->modified) state->setup->modified(state->setup->host);
}

void on_insert(HWND page) {
    PageState* state = page_state(page);
    if (!state->editable || !rows_of(state)) return;
    run_add_attribute_dialog(page, state->setup, attribute_page_selection(page));
    SetFocus(list_of_page(page));
}

void on_edit(HWND page) {
    PageState* state = page_state(page);
    int32_t selected = attribute_page_selection(page);
    if (!state->editable || !rows_of(state) || selected < 0) return;
    if (editor_check_change(target_of(page, state), (uint16_t)selected) != 0) return;
    int32_t result = run_change_attribute_dialog(page, state->setup, (uint16_t)selected);
    if (result >= 0) changed(page, result);
    SetFocus(list_of_page(page));
}

void on_delete(HWND page) {
    PageState* state = page_state(page);
    int32_t selected = attribute_page_selection(page);
    if (!state->editable || !rows_of(state) || selected < 0) return;
    changed(page, editor_delete(target_of(page, state), (uint16_t)selected));
}

void on_move(HWND page, bool up) {
    PageState* state = page_state(page);
    int32_t selected = attribute_page_selection(page);
    if (!rows_of(state) || selected < 0) return;
    PageButtons buttons = page_buttons(*rows_of(state), selected, state->setup->dictionary);
    if (!(up ? buttons.up : buttons.down)) return;
    changed(page, editor_move(&list_of(state->setup->record, state->setup->kind), (uint16_t)selected, up));
}

// Insert, Delete and Enter on the list are the page's Ins, Del and Edit.
LRESULT CALLBACK list_keys(HWND list, UINT message, WPARAM wparam, LPARAM lparam) {
    WNDPROC original = (WNDPROC)GetPropA(list, KEYS_PROPERTY);
    int command = wparam == VK_INSERT   ? IDC_ATTR_INSERT
                  : wparam == VK_DELETE ? IDC_ATTR_DELETE
                  : wparam == VK_RETURN ? IDC_ATTR_EDIT
                                        : 0;
    if (message == WM_GETDLGCODE && lparam && command) {
        const MSG* key = (const MSG*)lparam;
        if (key->message == WM_KEYDOWN) return DLGC_WANTMESSAGE;
    }
    if (message == WM_KEYDOWN && command) {
        PostMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
        return 0;
    }
    if (message == WM_NCDESTROY) {
        RemovePropA(list, KEYS_PROPERTY);
        SetWindowLongPtrA(list, GWLP_WNDPROC, (LONG_PTR)original);
    }
    return CallWindowProcA(original, list, message, wparam, lparam);
}

// The list fills the page; the buttons stand in a column at its right.
void lay_out(HWND page, int width, int height) {
    RECT unit = {0, 0, 38, 14};
    MapDialogRect(page, &unit);
    RECT step = {0, 0, 4, 3};
    MapDialogRect(page, &step);
    int button_width = unit.right, button_height = unit.bottom;
    int x = width - button_width;
    HWND list = list_of_page(page);
    MoveWindow(list, 0, 0, x - step.right > 0 ? x - step.right : 0, height, TRUE);
    const int ids[] = {IDC_ATTR_INSERT, IDC_ATTR_EDIT, IDC_ATTR_DELETE, IDC_ATTR_UP, IDC_ATTR_DOWN};
    int y = 0;
    for (int i = 0; i < 5; ++i) {
        if (i == 3) y += button_height / 2;  // the arrows apart from the others
        MoveWindow(GetDlgItem(page, ids[i]), x, y, button_width, button_height, TRUE);
        y += button_height + step.bottom;
    }
}

BOOL init_page(HWND page, AttributePageSetup* setup) {
    PageState* state = new PageState();
    state->setup = setup;
    state->editable = true;
    SetWindowLongPtrA(page, DWLP_USER, (LONG_PTR)state);
    HWND list = list_of_page(page);
    row_painter_init(&state->painter, list);
    SendMessageA(list, LB_SETITEMHEIGHT, 0, state->painter.row_height);
    SetPropA(list, KEYS_PROPERTY, (HANDLE)GetWindowLongPtrA(list, GWLP_WNDPROC));
    SetWindowLongPtrA(list, GWLP_WNDPROC, (LONG_PTR)list_keys);

    HINSTANCE instance = GetModuleHandleA(nullptr);
    const char* names[] = {"UPARROW", "DNARROW"};
    for (int i = 0; i < 2; ++i) state->arrows[i] = LoadBitmapA(instance, names[i]);
    RECT client;
    GetClientRect(page, &client);
    lay_out(page, client.right, client.bottom);
    fill_rows(page, 0);
    return TRUE;
}

void destroy_page(HWND page) {
    PageState* state = page_state(page);
    if (!state) return;
    row_painter_free(&state->painter);
    for (HBITMAP arrow : state->arrows) {
        if (arrow) DeleteObject(arrow);
    }
    SetWindowLongPtrA(page, DWLP_USER, 0);
    delete state;
}

void on_command(HWND page, int id, int code) {
    switch (id) {
        case IDC_ATTR_LIST:
            if (code == LBN_SELCHANGE) update_buttons(page);
            if (code == LBN_DBLCLK) on_edit(page);
            break;
        case IDC_ATTR_INSERT: on_insert(page); break;
        case IDC_ATTR_EDIT: on_edit(page); break;
        case IDC_ATTR_DELETE: on_delete(page); break;
        case IDC_ATTR_UP:
        case IDC_ATTR_DOWN: on_move(page, id == IDC_ATTR_UP); break;
        default: break;
    }
}

}  // namespace

INT_PTR CALLBACK attribute_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_INITDIALOG) return init_page(page, (AttributePageSetup*)lparam);
    PageState* state = page_state(page);
    if (!state) return FALSE;
    switch (message) {
        case WM_SIZE: lay_out(page, LOWORD(lparam), HIWORD(lparam)); return TRUE;
        case WM_MEASUREITEM: ((MEASUREITEMSTRUCT*)lparam)->itemHeight = (UINT)state->painter.row_height; return TRUE;
        case WM_DRAWITEM: {
            const DRAWITEMSTRUCT* item = (const DRAWITEMSTRUCT*)lparam;
            if (item->CtlID == IDC_ATTR_UP || item->CtlID == IDC_ATTR_DOWN) {
                paint_arrow_button(*item, state->arrows[item->CtlID == IDC_ATTR_UP ? 0 : 1]);
                return TRUE;
            }
            if (item->CtlID != IDC_ATTR_LIST) return FALSE;
            const AttributeList* rows = rows_of(state);
            const AttributeInstance* instance =
                rows && item->itemID < rows->count ? &rows->items[item->itemID] : nullptr;
            paint_row(state->painter, *item, instance);
            return TRUE;
        }
        case WM_COMMAND: on_command(page, LOWORD(wparam), HIWORD(wparam)); return TRUE;
        case PAGE_SHOW_ROW: changed(page, (int32_t)wparam); return TRUE;
        case WM_DESTROY: destroy_page(page); return FALSE;
        default: return FALSE;
    }
}

HWND attribute_page_create(HWND parent, int id, AttributePageSetup* setup) {
    HWND page = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ATTRIBUTE_PAGE), parent,
                                   attribute_page_proc, (LPARAM)setup);
    if (page) SetWindowLongPtrA(page, GWLP_ID, id);
    return page;
}

void attribute_page_refresh(HWND page) {
    if (page_state(page)) fill_rows(page, 0);
}

void attribute_page_enable(HWND page, bool editable) {
    PageState* state = page_state(page);
    if (!state) return;
    state->editable = editable;
    update_buttons(page);
}

int32_t attribute_page_selection(HWND page) {
    LRESULT selected = SendMessageA(list_of_page(page), LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? -1 : (int32_t)selected;
}

void attribute_page_show_row(HWND page, int32_t row) { SendMessageA(page, PAGE_SHOW_ROW, (WPARAM)row, 0); }
