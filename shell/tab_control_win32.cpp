#include "shell/tab_control_win32.h"

#include <stdlib.h>
#include <string.h>

#include "resources/shell_ids.h"
#include "shell/tab_strip.h"
#include "shell/window_class_win32.h"

namespace {

struct TabControl {
    TabStrip strip;
    bool focused;
    HFONT font;
    HFONT normal_font;  // owned: the font at weight 400, for the unselected tabs
};

TabControl* state_of(HWND window) { return (TabControl*)GetWindowLongPtrA(window, 0); }

HFONT normal_weight_copy(HFONT font) {
    LOGFONTA description;
    if (!GetObjectA(font, sizeof description, &description)) return nullptr;
    description.lfWeight = FW_NORMAL;
    return CreateFontIndirectA(&description);
}

void set_font(HWND window, TabControl* tab, HFONT font) {
    tab->font = font;
    if (tab->normal_font) DeleteObject(tab->normal_font);
    tab->normal_font = normal_weight_copy(font);
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA metrics;
    if (GetTextMetricsA(dc, &metrics))
        tab->strip.tab_height = tab_height_for_font(metrics.tmHeight, metrics.tmExternalLeading);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
}

RECT tab_rect(const TabStrip& strip, int32_t index) {
    // The selected tab is one pixel wider on each side; cover that too.
    RECT rect = {tab_edge(&strip, index) - 1, strip.top, tab_edge(&strip, index + 1) + 1,
                 strip.top + strip.tab_height + 1};
    return rect;
}

void invalidate_tab(HWND window, const TabStrip& strip, int32_t index) {
    if (index < 0 || index >= strip.tab_count) return;
    RECT rect = tab_rect(strip, index);
    InvalidateRect(window, &rect, FALSE);
}

void select_tab(HWND window, TabControl* tab, int32_t index) {
    SetFocus(window);
    if (index == tab->strip.selected) return;
    invalidate_tab(window, tab->strip, tab->strip.selected);
    invalidate_tab(window, tab->strip, index);
    tab->strip.selected = index;
    SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), TAB_SELECTION_CHANGED),
                 (LPARAM)window);
}

void line(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

struct Pens {
    HPEN black, highlight, shadow;
};

// One tab from (x1, y1) to (x2, y2): filled with the face colour, a black
// outline with the top corners cut, highlight inside on the top and left,
// shadow inside on the right. Returns the rectangle inside the outline.
RECT draw_tab(HDC dc, const Pens& pens, HBRUSH face, int x1, int y1, int x2, int y2, int cut) {
    RECT inside = {x1 + 1, y1 + 1, x2, y2 + 1};
    FillRect(dc, &inside, face);
    POINT outline[] = {{x1, y2}, {x1, y1 + cut}, {x1 + cut, y1}, {x2 - cut, y1}, {x2, y1 + cut}, {x2, y2 + 1}};
    SelectObject(dc, pens.black);
    Polyline(dc, outline, 6);
    POINT light[] = {{x1 + 1, y2 + 1}, {x1 + 1, y1 + cut}, {x1 + cut, y1 + 1}, {x2 - cut + 1, y1 + 1}};
    SelectObject(dc, pens.highlight);
    Polyline(dc, light, 4);
    SelectObject(dc, pens.shadow);
    line(dc, x2 - 1, y1 + cut, x2 - 1, y2 + 1);
    return inside;
}

void draw_text(HDC dc, HFONT font, const char* text, RECT rect, bool focus) {
    if (!text) return;
    HGDIOBJ old = SelectObject(dc, font);
    DrawTextA(dc, text, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (focus) {
        RECT measured = rect;
        DrawTextA(dc, text, -1, &measured, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        int width = measured.right - measured.left;
        int height = measured.bottom - measured.top;
        RECT around = {rect.left + (rect.right - rect.left - width) / 2 - 1,
                       rect.top + (rect.bottom - rect.top - height) / 2 - 1, 0, 0};
        around.right = around.left + width + 2;
        around.bottom = around.top + height + 2;
        DrawFocusRect(dc, &around);
    }
    SelectObject(dc, old);
}

void paint(HWND window, TabControl* tab) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    const TabStrip& s = tab->strip;
    Pens pens = {(HPEN)GetStockObject(BLACK_PEN), CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT)),
                 CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW))};
    HBRUSH face = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    HGDIOBJ old_pen = SelectObject(dc, pens.black);

    // The tab row behind the tabs takes the face colour.
    RECT row = {s.left, s.top, s.right + 1, s.top + s.tab_height};
    FillRect(dc, &row, face);

    // 1. The body: black outline, highlight top and left, shadow bottom and right.
    int body_top = s.top + s.tab_height;
    if (s.bottom > body_top) {
        SelectObject(dc, pens.black);
        line(dc, s.left, body_top, s.right, body_top);
        line(dc, s.right, body_top, s.right, s.bottom);
        line(dc, s.right, s.bottom, s.left, s.bottom);
        line(dc, s.left, s.bottom, s.left, body_top);
        SelectObject(dc, pens.highlight);
        line(dc, s.left + 1, s.bottom - 1, s.left + 1, body_top + 1);
        line(dc, s.left + 1, body_top + 1, s.right - 1, body_top + 1);
        SelectObject(dc, pens.shadow);
        line(dc, s.right - 1, body_top + 1, s.right - 1, s.bottom - 1);
        line(dc, s.right - 1, s.bottom - 1, s.left + 1, s.bottom - 1);
    }

    // 2. The unselected tabs, normal weight, corners cut by 2 pixels.
    for (int32_t i = 0; i < s.tab_count; ++i) {
        if (i == s.selected) continue;
        RECT inside = draw_tab(dc, pens, face, tab_edge(&s, i), s.top + 2, tab_edge(&s, i + 1) - 1, body_top - 1, 2);
        draw_text(dc, tab->normal_font ? tab->normal_font : tab->font, s.texts[i], inside, false);
    }

    // 3. The selected tab, one pixel wider each side, open into the body.
    if (s.selected >= 0 && s.selected < s.tab_count) {
        RECT inside = draw_tab(dc, pens, face, tab_edge(&s, s.selected) - 1, s.top, tab_edge(&s, s.selected + 1),
                               body_top + 1, 3);
        inside.bottom = body_top;
        draw_text(dc, tab->font, s.texts[s.selected], inside, tab->focused);
    }

    SelectObject(dc, old_pen);
    DeleteObject(pens.highlight);
    DeleteObject(pens.shadow);
    DeleteObject(face);
    EndPaint(window, &ps);
}

LRESULT CALLBACK tab_control_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    TabControl* tab = state_of(window);
    switch (message) {
        case WM_CREATE: {
            tab = (TabControl*)calloc(1, sizeof(TabControl));
            if (!tab) return -1;
            tab_strip_init(&tab->strip, 2 * HIWORD(GetDialogBaseUnits()));
            tab->font = (HFONT)GetStockObject(SYSTEM_FONT);
            tab->normal_font = normal_weight_copy(tab->font);
            SetWindowLongPtrA(window, 0, (LONG_PTR)tab);
            RECT client;
            GetClientRect(window, &client);
            tab_strip_resize(&tab->strip, client.right, client.bottom);
            return 0;
        }
        case WM_NCDESTROY:
            if (tab) {
                tab_strip_free(&tab->strip);
                if (tab->normal_font) DeleteObject(tab->normal_font);
                free(tab);
                SetWindowLongPtrA(window, 0, 0);
            }
            break;
    }
    if (!tab) return DefWindowProcA(window, message, wparam, lparam);

    switch (message) {
        case WM_SIZE:
            tab_strip_resize(&tab->strip, LOWORD(lparam), HIWORD(lparam));
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        case WM_SETFONT:
            set_font(window, tab, (HFONT)wparam);
            if (LOWORD(lparam)) InvalidateRect(window, nullptr, FALSE);
            return 0;
        case WM_GETFONT: return (LRESULT)tab->font;
        case TAB_SET_COUNT: {
            int32_t result = tab_set_count(&tab->strip, (int32_t)wparam);
            if (result >= 0) InvalidateRect(window, nullptr, FALSE);
            return result;
        }
        case TAB_SET_TEXT: {
            int32_t result = tab_set_text(&tab->strip, (int32_t)wparam, (const char*)lparam);
            if (result >= 0) invalidate_tab(window, tab->strip, (int32_t)wparam);
            return result;
        }
        case TAB_GET_SELECTION: return tab->strip.selected;
        case TAB_SET_SELECTION: {
            int32_t old = tab->strip.selected;
            int32_t result = tab_set_selection(&tab->strip, (int32_t)(INT_PTR)wparam);
            if (result >= 0 || (INT_PTR)wparam == TAB_NONE) {
                invalidate_tab(window, tab->strip, old);
                invalidate_tab(window, tab->strip, tab->strip.selected);
            }
            return result;
        }
        case WM_LBUTTONDOWN: {
            int32_t index = tab_hit(&tab->strip, (short)LOWORD(lparam), (short)HIWORD(lparam));
            if (index != TAB_NONE) select_tab(window, tab, index);
            return 0;
        }
        case WM_KEYDOWN: {
            TabKey key;
            switch (wparam) {
                case VK_HOME: key = TAB_KEY_HOME; break;
                case VK_END: key = TAB_KEY_END; break;
                case VK_LEFT: key = TAB_KEY_LEFT; break;
                case VK_RIGHT: key = TAB_KEY_RIGHT; break;
                default: return DefWindowProcA(window, message, wparam, lparam);
            }
            int32_t index = tab_key_target(&tab->strip, key);
            if (index != TAB_NONE) select_tab(window, tab, index);
            return 0;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            tab->focused = message == WM_SETFOCUS;
            invalidate_tab(window, tab->strip, tab->strip.selected);
            return 0;
        case WM_GETDLGCODE: return DLGC_WANTARROWS;
        case WM_NCHITTEST: {
            POINT point = {(short)LOWORD(lparam), (short)HIWORD(lparam)};
            ScreenToClient(window, &point);
            return tab_in_row(&tab->strip, point.x, point.y) ? HTCLIENT : HTTRANSPARENT;
        }
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: paint(window, tab); return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

bool tab_control_register(HINSTANCE instance) {
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = tab_control_proc;
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = TAB_CONTROL_CLASS;
    return register_window_class(wc);
}
