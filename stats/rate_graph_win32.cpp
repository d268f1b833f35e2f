// The request-rate graph: authentication and accounting requests per
// second over the last minutes, drawn off screen and copied in one go so
// that the once-a-second redraw does not flicker.
#include <stdio.h>

#include "resources/strings.h"
#include "stats/stats_win32.h"

namespace {

const COLORREF AUTHENTICATION_COLOUR = RGB(0, 84, 196);
const COLORREF ACCOUNTING_COLOUR = RGB(0, 142, 60);

struct Plot {
    RECT area;
    uint32_t now;
    double top;
};

int x_of(const Plot& plot, uint32_t tick) {
    int width = plot.area.right - plot.area.left;
    uint32_t age = plot.now - tick;
    if (age > RATE_WINDOW_MS) age = RATE_WINDOW_MS;
    return plot.area.right - (int)((int64_t)age * width / RATE_WINDOW_MS);
}

int y_of(const Plot& plot, double rate) {
    int height = plot.area.bottom - plot.area.top;
    if (rate > plot.top) rate = plot.top;
    return plot.area.bottom - (int)(rate * height / plot.top + 0.5);
}

void draw_series(HDC dc, const Plot& plot, const RateHistory& history, bool accounting, COLORREF colour) {
    HPEN pen = CreatePen(PS_SOLID, 2, colour);
    HGDIOBJ old = SelectObject(dc, pen);
    for (uint32_t i = 0; i < history.count; ++i) {
        const RateSample& sample = rate_history_at(history, i);
        int x = x_of(plot, sample.tick), y = y_of(plot, accounting ? sample.accounting : sample.authentication);
        if (i == 0 || sample.starts_line) {
            MoveToEx(dc, x, y, nullptr);
            LineTo(dc, x + 1, y);  // a lone reading still shows
        } else {
            LineTo(dc, x, y);
        }
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

// A short line in the series' colour and its name, ending at `right`; the
// left end of what it drew.
int draw_legend(HDC dc, int right, int y, int text_height, const char* name, COLORREF colour) {
    SIZE size;
    GetTextExtentPoint32A(dc, name, lstrlenA(name), &size);
    int text_left = right - size.cx;
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    TextOutA(dc, text_left, y, name, lstrlenA(name));
    HPEN pen = CreatePen(PS_SOLID, 2, colour);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, text_left - 18, y + text_height / 2, nullptr);
    LineTo(dc, text_left - 4, y + text_height / 2);
    SelectObject(dc, old);
    DeleteObject(pen);
    return text_left - 18;
}

void draw_scale(HDC dc, const Plot& plot, int label_right) {
    HPEN pen = CreatePen(PS_DOT, 1, GetSysColor(COLOR_BTNSHADOW));
    HGDIOBJ old = SelectObject(dc, pen);
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    for (int step = 0; step <= 2; ++step) {
        double value = plot.top * (2 - step) / 2;
        int y = y_of(plot, value);
        MoveToEx(dc, plot.area.left, y, nullptr);
        LineTo(dc, plot.area.right, y);
        char label[32];
        snprintf(label, sizeof label, value >= 10 || value == 0 ? "%.0f" : "%.1f", value);
        RECT place = {0, y - 7, label_right, y + 7};
        DrawTextA(dc, label, -1, &place, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

}  // namespace

void rate_graph_draw(const DRAWITEMSTRUCT& item, const RateHistory& history, uint32_t now) {
    int width = item.rcItem.right - item.rcItem.left, height = item.rcItem.bottom - item.rcItem.top;
    if (width <= 0 || height <= 0) return;
    HDC dc = CreateCompatibleDC(item.hDC);
    HBITMAP bitmap = CreateCompatibleBitmap(item.hDC, width, height);
    if (!dc || !bitmap) {
        if (bitmap) DeleteObject(bitmap);
        if (dc) DeleteDC(dc);
        return;
    }
    HGDIOBJ old_bitmap = SelectObject(dc, bitmap);
    HGDIOBJ old_font = SelectObject(dc, (HFONT)SendMessageA(item.hwndItem, WM_GETFONT, 0, 0));
    RECT all = {0, 0, width, height};
    FillRect(dc, &all, GetSysColorBrush(COLOR_WINDOW));
    FrameRect(dc, &all, GetSysColorBrush(COLOR_BTNSHADOW));
    SetBkMode(dc, TRANSPARENT);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    int text_height = metrics.tmHeight;

    const char* title = string_text(IDS_RATE_GRAPH_TITLE);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    TextOutA(dc, 6, 3, title, lstrlenA(title));
    int right = draw_legend(dc, width - 6, 3, text_height, string_text(IDS_TAB_ACCOUNTING), ACCOUNTING_COLOUR);
    draw_legend(dc, right - 10, 3, text_height, string_text(IDS_TAB_AUTHENTICATION), AUTHENTICATION_COLOUR);

    SIZE label;
    GetTextExtentPoint32A(dc, "00000", 5, &label);
    Plot plot;
    plot.area = {6 + label.cx + 4, 3 + text_height + 8, width - 8, height - 8};
    plot.now = now;
    plot.top = rate_scale_top(rate_history_peak(history));
    if (plot.area.right > plot.area.left && plot.area.bottom > plot.area.top) {
        draw_scale(dc, plot, plot.area.left - 4);
        draw_series(dc, plot, history, false, AUTHENTICATION_COLOUR);
        draw_series(dc, plot, history, true, ACCOUNTING_COLOUR);
    }
    BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, width, height, dc, 0, 0, SRCCOPY);
    SelectObject(dc, old_font);
    SelectObject(dc, old_bitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}
