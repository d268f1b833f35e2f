// TBL_Edit, the in-place edit: the masked text of edit_mask.cpp on the
// screen, its keys, caret, selection and clipboard, and what it tells its
// table.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "grid/edit_mask.h"
#include "grid/grid_win32.h"

namespace {

struct EditWindow {
    EditText model;
    char text_template[EDIT_TEXT_MAX + 1];
    HFONT font;
    int32_t char_width;
    int32_t margin;
    COLORREF text_colour, background_colour;
    int32_t exit_code;
    DWORD style;
    bool selecting;
};

EditWindow* edit_of(HWND edit) { return (EditWindow*)GetWindowLongPtrA(edit, 0); }

void tell_table(HWND edit, UINT code) {
    HWND table = GetParent(edit);
    if (table) SendMessageA(table, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(edit), code), (LPARAM)edit);
}

// x of each display position from the per-character widths.
int position_x(HWND edit, const EditWindow& e, HDC dc, int32_t index) {
    (void)edit;
    int x = e.margin;
    for (int32_t i = 0; i < index; ++i) {
        bool grey;
        char c = edit_display_char(e.model, e.text_template, i, &grey);
        SIZE size = {};
        GetTextExtentPoint32A(dc, c ? &c : " ", 1, &size);
        x += size.cx;
    }
    return x;
}

HDC edit_dc(HWND edit, const EditWindow& e, HGDIOBJ* old) {
    HDC dc = GetDC(edit);
    *old = e.font ? SelectObject(dc, e.font) : nullptr;
    return dc;
}

void release_dc(HWND edit, HDC dc, HGDIOBJ old) {
    if (old) SelectObject(dc, old);
    ReleaseDC(edit, dc);
}

void place_caret(HWND edit, const EditWindow& e) {
    if (GetFocus() != edit) return;
    HGDIOBJ old;
    HDC dc = edit_dc(edit, e, &old);
    int x = position_x(edit, e, dc, e.model.caret);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    release_dc(edit, dc, old);
    RECT client;
    GetClientRect(edit, &client);
    SetCaretPos(x, (client.bottom - metrics.tmHeight) / 2);
}

void changed(HWND edit, EditWindow& e, bool text_changed) {
    InvalidateRect(edit, nullptr, FALSE);
    place_caret(edit, e);
    if (text_changed) tell_table(edit, EDIT_CODE_CHANGED);
}

int32_t index_at(HWND edit, const EditWindow& e, int x) {
    HGDIOBJ old;
    HDC dc = edit_dc(edit, e, &old);
    int32_t best = 0;
    int best_distance = abs(x - e.margin);
    for (int32_t i = 1; i <= e.model.length; ++i) {
        int distance = abs(x - position_x(edit, e, dc, i));
        if (distance < best_distance) best = i, best_distance = distance;
    }
    release_dc(edit, dc, old);
    return best;
}

void paint(HWND edit, EditWindow& e) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(edit, &ps);
    RECT client;
    GetClientRect(edit, &client);
    HBRUSH brush = CreateSolidBrush(e.background_colour);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    HGDIOBJ old = e.font ? SelectObject(dc, e.font) : nullptr;
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    int y = (client.bottom - metrics.tmHeight) / 2;
    int32_t start = 0, end = 0;
    bool selection = edit_selection(e.model, &start, &end);
    int x = e.margin;
    int32_t shown = edit_display_length(e.model, e.text_template);
    SetBkMode(dc, OPAQUE);
    for (int32_t i = 0; i < shown; ++i) {
        bool grey;
        char c = edit_display_char(e.model, e.text_template, i, &grey);
        bool selected = selection && i >= start && i < end;
        SetTextColor(
            dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : (grey ? GetSysColor(COLOR_GRAYTEXT) : e.text_colour));
        SetBkColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHT) : e.background_colour);
        TextOutA(dc, x, y, &c, 1);
        SIZE size = {};
        GetTextExtentPoint32A(dc, &c, 1, &size);
        x += size.cx;
    }
    if (old) SelectObject(dc, old);
    EndPaint(edit, &ps);
}

void copy_selection(HWND edit, const EditWindow& e) {
    char selected[EDIT_TEXT_MAX + 1];
    edit_selected_text(e.model, selected, sizeof selected);
    if (!selected[0] || !OpenClipboard(edit)) return;
    EmptyClipboard();
    size_t length = strlen(selected) + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, length);
    if (memory) {
        memcpy(GlobalLock(memory), selected, length);
        GlobalUnlock(memory);
        if (!SetClipboardData(CF_TEXT, memory)) GlobalFree(memory);
    }
    CloseClipboard();
}

bool paste(HWND edit, EditWindow& e) {
    if (!OpenClipboard(edit)) return false;
    bool result = false;
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* text = data ? (const char*)GlobalLock(data) : nullptr;
    if (text) {
        // Clipboard data is untrusted: take a bounded copy first.
        char bounded[EDIT_PASTE_MAX + 1];
        size_t size = GlobalSize(data);
        size_t length = strnlen(text, size < sizeof bounded - 1 ? size : sizeof bounded - 1);
        memcpy(bounded, text, length);
        bounded[length] = 0;
        result = edit_paste(&e.model, bounded);
        GlobalUnlock(data);
    }
    CloseClipboard();
    return result;
}

int32_t exit_code_of(WPARAM key) {
    bool shift = GetKeyState(VK_SHIFT) < 0;
    switch (key) {
        case VK_RETURN: return EDIT_EXIT_ENTER;
        case VK_TAB: return shift ? EDIT_EXIT_SHIFT_TAB : EDIT_EXIT_TAB;
        case VK_UP: return EDIT_EXIT_UP;
        case VK_DOWN: return EDIT_EXIT_DOWN;
        case VK_PRIOR: return EDIT_EXIT_PAGE_UP;
        case VK_NEXT: return EDIT_EXIT_PAGE_DOWN;
        case VK_ESCAPE: return EDIT_EXIT_ESCAPE;
    }
    if (key >= VK_F1 && key <= VK_F9) return EDIT_EXIT_F1 + (int32_t)(key - VK_F1);
    return EDIT_EXIT_NONE;
}

void key_down(HWND edit, EditWindow& e, WPARAM key) {
    bool shift = GetKeyState(VK_SHIFT) < 0, ctrl = GetKeyState(VK_CONTROL) < 0;
    int32_t exit = exit_code_of(key);
    if (exit != EDIT_EXIT_NONE) {
        e.exit_code = exit;
        tell_table(edit, EDIT_CODE_EXIT_KEY);
        return;
    }
    switch (key) {
        case VK_HOME: edit_move(&e.model, 0, shift); break;
        case VK_END: edit_move(&e.model, e.model.length, shift); break;
        case VK_LEFT: edit_move(&e.model, e.model.caret - 1, shift); break;
        case VK_RIGHT: edit_move(&e.model, e.model.caret + 1, shift); break;
        case VK_DELETE:
            if (shift) copy_selection(edit, e);
            return changed(edit, e, shift ? edit_delete_selection(&e.model) : edit_delete(&e.model));
        case VK_BACK: return changed(edit, e, edit_backspace(&e.model));
        case VK_INSERT:
            if (ctrl) copy_selection(edit, e);
            if (shift) return changed(edit, e, paste(edit, e));
            return;
        default: return;
    }
    changed(edit, e, false);
}

void typed(HWND edit, EditWindow& e, WPARAM ch) {
    switch (ch) {
        case 3: copy_selection(edit, e); return;            // Ctrl+C
        case 22: changed(edit, e, paste(edit, e)); return;  // Ctrl+V
        case 24:                                            // Ctrl+X
            copy_selection(edit, e);
            changed(edit, e, edit_delete_selection(&e.model));
            return;
    }
    if (ch < 0x20 || ch > 0xFF) return;
    changed(edit, e, edit_type(&e.model, (char)ch));
}

LRESULT get_text(const char* source, WPARAM size, char* out) {
    if (!out || size == 0) return 0;
    int written = snprintf(out, size, "%s", source);
    size_t length = (size_t)written < size ? (size_t)written : size - 1;
    return (LRESULT)length;
}

}  // namespace

LRESULT CALLBACK edit_window_proc(HWND edit, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_CREATE) {
        EditWindow* e = (EditWindow*)calloc(1, sizeof(EditWindow));
        if (!e) return -1;
        edit_init(&e->model);
        e->margin = 1;
        e->text_colour = GetSysColor(COLOR_WINDOWTEXT);
        e->background_colour = GetSysColor(COLOR_WINDOW);
        e->style = ((const CREATESTRUCTA*)lparam)->style;
        SetWindowLongPtrA(edit, 0, (LONG_PTR)e);
        return 0;
    }
    EditWindow* e = edit_of(edit);
    if (!e) return DefWindowProcA(edit, message, wparam, lparam);
    switch (message) {
        case WM_NCDESTROY:
            free(e);
            SetWindowLongPtrA(edit, 0, 0);
            break;
        case WM_SETFONT: {
            e->font = (HFONT)wparam;
            HGDIOBJ old;
            HDC dc = edit_dc(edit, *e, &old);
            TEXTMETRICA metrics = {};
            GetTextMetricsA(dc, &metrics);
            release_dc(edit, dc, old);
            e->char_width = metrics.tmAveCharWidth;
            if (lparam) InvalidateRect(edit, nullptr, FALSE);
            return 0;
        }
        case WM_GETFONT: return (LRESULT)e->font;
        case WM_SETTEXT:
            edit_set_text(&e->model, (const char*)lparam);
            changed(edit, *e, false);
            return TRUE;
        case WM_GETTEXT: return get_text(e->model.text, wparam, (char*)lparam);
        case WM_GETTEXTLENGTH: return e->model.length;
        case TEM_SETTEMPLATE: {
            const char* text = lparam ? (const char*)lparam : "";
            if (strlen(text) > (size_t)EDIT_TEXT_MAX) return 0;
            snprintf(e->text_template, sizeof e->text_template, "%s", text);
            InvalidateRect(edit, nullptr, FALSE);
            return 1;
        }
        case TEM_GETTEMPLATE: return get_text(e->text_template, wparam, (char*)lparam);
        case TEM_GETMASK: return get_text(e->model.mask, wparam, (char*)lparam);
        case TEM_SETMASK:
            if (!edit_set_mask(&e->model, (const char*)lparam)) return 0;
            changed(edit, *e, false);
            return 1;
        case TEM_GETEXITCODE: return e->exit_code;
        case TEM_SETMARGIN:
            e->margin = (int32_t)wparam;
            InvalidateRect(edit, nullptr, FALSE);
            return e->margin;
        case TEM_SETTEXTCOLOR:
            e->text_colour = (COLORREF)lparam;
            InvalidateRect(edit, nullptr, FALSE);
            return lparam;
        case TEM_SETBKCOLOR:
            e->background_colour = (COLORREF)lparam;
            InvalidateRect(edit, nullptr, FALSE);
            return lparam;
        case WM_GETDLGCODE:
            return DLGC_WANTCHARS | DLGC_WANTARROWS | (e->style & TES_WANT_ENTER ? DLGC_WANTALLKEYS : 0) |
                   (e->style & TES_WANT_TAB ? DLGC_WANTTAB : 0);
        case WM_KEYDOWN: key_down(edit, *e, wparam); return 0;
        case WM_CHAR: typed(edit, *e, wparam); return 0;
        case WM_PAINT: paint(edit, *e); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_SETFOCUS: {
            HGDIOBJ old;
            HDC dc = edit_dc(edit, *e, &old);
            TEXTMETRICA metrics = {};
            GetTextMetricsA(dc, &metrics);
            release_dc(edit, dc, old);
            CreateCaret(edit, nullptr, 1, metrics.tmHeight);
            if (e->style & TES_SELECT_ON_FOCUS) edit_select(&e->model, 0, e->model.length);
            place_caret(edit, *e);
            ShowCaret(edit);
            InvalidateRect(edit, nullptr, FALSE);
            tell_table(edit, EDIT_CODE_FOCUS);
            return 0;
        }
        case WM_KILLFOCUS:
            DestroyCaret();
            e->selecting = false;
            tell_table(edit, EDIT_CODE_LOST_FOCUS);
            return 0;
        case WM_LBUTTONDOWN:
            if (GetFocus() != edit) SetFocus(edit);
            edit_move(&e->model, index_at(edit, *e, (short)LOWORD(lparam)), (wparam & MK_SHIFT) != 0);
            e->selecting = true;
            SetCapture(edit);
            changed(edit, *e, false);
            return 0;
        case WM_MOUSEMOVE:
            if (e->selecting) {
                edit_move(&e->model, index_at(edit, *e, (short)LOWORD(lparam)), true);
                changed(edit, *e, false);
            }
            return 0;
        case WM_LBUTTONUP:
            e->selecting = false;
            if (GetCapture() == edit) ReleaseCapture();
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(lparam) == HTCLIENT) {
                SetCursor(LoadCursor(nullptr, IDC_IBEAM));
                return TRUE;
            }
            break;
    }
    return DefWindowProcA(edit, message, wparam, lparam);
}

bool register_edit_class(HINSTANCE instance) {
    WNDCLASSA edit_class = {};
    edit_class.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS | CS_GLOBALCLASS;
    edit_class.lpfnWndProc = edit_window_proc;
    edit_class.cbWndExtra = sizeof(LONG_PTR);
    edit_class.hInstance = instance;
    edit_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
    edit_class.lpszClassName = "TBL_Edit";
    return RegisterClassA(&edit_class) != 0;
}

void table_close_edit(TableState* state, bool report) {
    HWND edit = (HWND)state->edit_window;
    if (!edit || !IsWindowVisible(edit)) return;
    if (report) {
        GridGlobals& g = grid_globals();
        GetWindowTextA(edit, g.text, 251);
        table_notify_cell(state, TBN_EDITEND, state->edit_column, state->edit_row, 0);
    }
    state->closing_edit = true;
    ShowWindow(edit, SW_HIDE);
    if (GetFocus() == edit) SetFocus(table_window(*state));
    state->closing_edit = false;
}

void table_edit_command(TableState* state, UINT code) {
    HWND edit = (HWND)state->edit_window;
    TableNotify& n = grid_globals().notify;
    switch (code) {
        case EDIT_CODE_EXIT_KEY:
            n.column = state->edit_column;
            n.row = state->edit_row;
            n.value = SendMessageA(edit, TEM_GETEXITCODE, 0, 0);
            n.extra = 0;
            table_notify(state, TBN_EDITKEY);
            break;
        case EDIT_CODE_FOCUS: table_notify_cell(state, TBN_EDITFOCUS, state->edit_column, state->edit_row, 0); break;
        case EDIT_CODE_CHANGED: table_notify_cell(state, TBN_EDITCHANGE, state->edit_column, state->edit_row, 0); break;
        case EDIT_CODE_LOST_FOCUS:
            if (state->closing_edit || !IsWindowVisible(edit)) break;
            state->closing_edit = true;
            ShowWindow(edit, SW_HIDE);
            state->closing_edit = false;
            GetWindowTextA(edit, grid_globals().text, 251);
            table_notify_cell(state, TBN_EDITEND, state->edit_column, state->edit_row, 0);
            break;
    }
}
