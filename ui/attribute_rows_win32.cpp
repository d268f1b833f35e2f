#include "ui/attribute_rows_win32.h"

#include <string.h>

#include "attrs/editor.h"
#include "attrs/value_forms.h"

namespace {

const char* const MARKER_NAMES[] = {nullptr, "ERROR", "SUBTRACT", "PROFILE", "OVERWRITE"};
const COLORREF MARKER_TRANSPARENT = RGB(255, 0, 255);
const COLORREF ARROW_FACE = RGB(192, 192, 192);
const COLORREF ARROW_INK = RGB(0, 0, 0);
const int NAME_GAP = 10;

int text_width(HDC dc, const char* text, int length) {
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc, text, length, &size);
    return size.cx;
}

void draw_marker(const RowPainter& painter, HDC dc, RowMarker marker, const RECT& row) {
    HBITMAP bitmap = painter.markers[marker];
    if (!bitmap) return;
    int side = row.bottom - row.top - 2;
    BITMAP info;
    GetObjectA(bitmap, sizeof info, &info);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, bitmap);
    TransparentBlt(dc, row.left + 1, row.top + 1, side, side, memory, 0, 0, info.bmWidth, info.bmHeight,
                   MARKER_TRANSPARENT);
    SelectObject(memory, old);
    DeleteDC(memory);
}

}  // namespace

void row_painter_init(RowPainter* painter, HWND list) {
    memset(painter, 0, sizeof *painter);
    HFONT dialog_font = (HFONT)SendMessageA(GetParent(list), WM_GETFONT, 0, 0);
    LOGFONTA face;
    if (!dialog_font || !GetObjectA(dialog_font, sizeof face, &face))
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
    // A light face: the rows are many and the marker carries the emphasis.
    face.lfWeight = 100;
    painter->font = CreateFontIndirectA(&face);
    face.lfStrikeOut = TRUE;
    painter->struck_font = CreateFontIndirectA(&face);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (int i = 1; i < 5; ++i) painter->markers[i] = LoadBitmapA(instance, MARKER_NAMES[i]);

    HDC dc = GetDC(list);
    HGDIOBJ old = SelectObject(dc, painter->font);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    painter->row_height = metrics.tmHeight + 2;
    painter->star_width = text_width(dc, "*", 1) + 3;
    SelectObject(dc, old);
    ReleaseDC(list, dc);
}

void row_painter_free(RowPainter* painter) {
    if (painter->font) DeleteObject(painter->font);
    if (painter->struck_font) DeleteObject(painter->struck_font);
    for (HBITMAP bitmap : painter->markers) {
        if (bitmap) DeleteObject(bitmap);
    }
    memset(painter, 0, sizeof *painter);
}

void row_painter_measure(RowPainter* painter, HWND list, const Dictionary* dictionary, const AttributeList* rows) {
    HDC dc = GetDC(list);
    HGDIOBJ old = SelectObject(dc, painter->font);
    int widest = painter->widest_name;
    for (uint32_t i = 0; dictionary && i < dictionary->attribute_count; ++i) {
        const char* name = dictionary->attributes[i].name;
        int width = text_width(dc, name, (int)strlen(name));
        if (width > widest) widest = width;
    }
    for (uint16_t i = 0; rows && i < rows->count; ++i) {
        const char* name = rows->items[i].name;
        int width = text_width(dc, name, (int)strlen(name));
        if (width > widest) widest = width;
    }
    painter->widest_name = widest;
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    // The rows may now be wider than the list: let it scroll sideways.
    SendMessageA(list, LB_SETHORIZONTALEXTENT,
                 (WPARAM)(painter->row_height + widest + NAME_GAP + painter->star_width + 300), 0);
}

void paint_row(const RowPainter& painter, const DRAWITEMSTRUCT& item, const AttributeInstance* instance) {
    HDC dc = item.hDC;
    RECT row = item.rcItem;
    bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &row, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (instance) {
        bool subtract = is_subtract_instance(*instance);
        COLORREF colour = GetSysColor(subtract ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
        draw_marker(painter, dc, row_marker(*instance), row);

        char line[VALUE_LINE_SIZE];
        format_value_line(*instance, line, sizeof line);
        const char* tab = strchr(line, '\t');
        int name_length = tab ? (int)(tab - line) : (int)strlen(line);
        const char* value = tab ? tab + 1 : "";

        HGDIOBJ old = SelectObject(dc, subtract ? painter.struck_font : painter.font);
        SetTextColor(dc, colour);
        SetBkMode(dc, TRANSPARENT);
        int height = row.bottom - row.top;
        RECT column = row;
        column.left = row.left + height + 2;
        column.right = column.left + painter.widest_name + NAME_GAP;
        DrawTextA(dc, line, name_length, &column, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        column.left = column.right;
        column.right = column.left + painter.star_width;
        DrawTextA(dc, (instance->flags & IF_DEFAULT) ? "*" : " ", 1, &column, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        column.left = column.right;
        column.right = row.right;
        DrawTextA(dc, value, -1, &column, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        SelectObject(dc, old);
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &row);
}

void paint_arrow_button(const DRAWITEMSTRUCT& item, HBITMAP arrow) {
    HDC dc = item.hDC;
    RECT face = item.rcItem;
    bool pushed = (item.itemState & ODS_SELECTED) != 0, disabled = (item.itemState & ODS_DISABLED) != 0;
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    if (arrow) {
        BITMAP info;
        GetObjectA(arrow, sizeof info, &info);
        HDC memory = CreateCompatibleDC(dc);
        HBITMAP copy = CreateCompatibleBitmap(dc, info.bmWidth, info.bmHeight);
        HGDIOBJ old_copy = SelectObject(memory, copy);
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old_source = SelectObject(source, arrow);
        BitBlt(memory, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
        SelectObject(source, old_source);
        DeleteDC(source);
        if (disabled) {
            COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
            for (int y = 0; y < info.bmHeight; ++y) {
                for (int x = 0; x < info.bmWidth; ++x) {
                    if (GetPixel(memory, x, y) == ARROW_INK) SetPixel(memory, x, y, grey);
                }
            }
        }
        int offset = pushed ? 1 : 0;
        int x = (face.left + face.right - info.bmWidth) / 2 + offset,
            y = (face.top + face.bottom - info.bmHeight) / 2 + offset;
        TransparentBlt(dc, x, y, info.bmWidth, info.bmHeight, memory, 0, 0, info.bmWidth, info.bmHeight, ARROW_FACE);
        SelectObject(memory, old_copy);
        DeleteObject(copy);
        DeleteDC(memory);
    }
    if (item.itemState & ODS_FOCUS) {
        RECT focus = face;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}
