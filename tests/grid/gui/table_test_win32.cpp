#include <string.h>

#include "tests/grid/gui/grid_fixture_win32.h"

namespace {

TEST(GridExports, EveryFunctionAnswersByItsOrdinal) {
    HMODULE library = GetModuleHandleA("keelgrid32.dll");
    ASSERT_TRUE(library);
    const struct {
        int ordinal;
        const char* name;
    } exports[] = {{1, "MainTableProc"},         {2, "TB_InitTable"},        {3, "TB_SetupTable"},
                   {4, "TB_ExtendText"},         {5, "TB_FitToWindow"},      {6, "TB_BestFit"},
                   {7, "TB_RedrawTable"},        {8, "TB_CurrencyToString"}, {9, "TB_DateToString"},
                   {10, "TB_FitHeadingToTable"}, {11, "TB_StartEdit"},       {12, "TB_StartEditEx"},
                   {13, "TB_EndEdit"},           {14, "TB_DragStart"},       {15, "TB_StartCache"},
                   {16, "TB_RefreshCache"},      {17, "TB_SetEditClass"},    {100, "TB_SetEditClassEx"}};
    for (const auto& e : exports) {
        FARPROC by_ordinal = GetProcAddress(library, MAKEINTRESOURCEA(e.ordinal));
        EXPECT_TRUE(by_ordinal) << e.name;
        EXPECT_EQ(by_ordinal, GetProcAddress(library, e.name)) << e.name;
    }
    char text[64];
    TB_CurrencyToString(text, -5, 0, "$");
    EXPECT_STREQ(text, "-$ 5.00");
    TB_DateToString(text, 5, 3, 1997, "/", 0x13);
    EXPECT_STREQ(text, "05/Mar/1997");
}

TEST_F(GridTest, AMillionRowsCostOnlyTheVisibleCells) {
    EXPECT_EQ(send(TBM_GETROWCOUNT), 1000000);
    EXPECT_EQ(send(WM_USER, TBQ_IS_TABLE), 1);
    int32_t visible = (int32_t)send(TBM_GETVISIBLEROWS);
    ASSERT_GT(visible, 5);
    RedrawWindow(table, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_GT(g_log.cells_asked, 0);
    EXPECT_LE(g_log.cells_asked, (visible + 1) * 4);
    EXPECT_EQ(g_log.lowest_row_asked, 0);
    EXPECT_LE(g_log.highest_row_asked, visible);
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(table, SB_VERT, &info);
    EXPECT_EQ(info.nMax - (int)info.nPage + 1, 1000000 - visible);  // positions run to the highest top row
}

TEST_F(GridTest, PagingAndScrollingMoveTheViewAndTellTheOwner) {
    SetFocus(table);
    int32_t visible = (int32_t)send(TBM_GETVISIBLEROWS);
    g_log.events.clear();
    for (int i = 0; i < 3; ++i) send(WM_KEYDOWN, VK_NEXT);
    EXPECT_EQ(send(TBM_GETCURROW), 3 * visible);
    EXPECT_EQ(send(TBM_GETTOPROW), 3 * visible);
    EXPECT_EQ(events(TBN_ROWCHANGED).size(), 3u);
    EXPECT_EQ(events(TBN_TOPROWCHANGED).size(), 3u);
    EXPECT_EQ(events(TBN_SELCHANGED).size(), 3u);
    ASSERT_TRUE(last(TBN_ROWCHANGED));
    EXPECT_EQ(last(TBN_ROWCHANGED)->row, 3 * visible);
    g_log.clear_cells();
    send(WM_KEYDOWN, VK_DOWN);  // one row within the page: no scroll
    EXPECT_EQ(send(TBM_GETTOPROW), 3 * visible);
    EXPECT_LE(g_log.cells_asked, 2 * 4);  // only the old and the new current row are drawn
    send(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(send(TBM_GETTOPROW), 1000000 - visible);
    EXPECT_GE(g_log.highest_row_asked, 999999 - 1);
    send(WM_VSCROLL, SB_LINEUP);
    EXPECT_EQ(send(TBM_GETTOPROW), 1000000 - visible - 1);
    send(TBM_SETCURROW, 0, 500000);
    EXPECT_EQ(send(TBM_GETCURROW), 500000);
    int32_t top = (int32_t)send(TBM_GETTOPROW);
    EXPECT_LE(top, 500000);
    EXPECT_GT(top + visible, 500000);
}

TEST_F(GridTest, ClicksMakeTheCellCurrentAndAreReported) {
    click(table, cell_middle(table, 2, 5));
    EXPECT_EQ(send(TBM_GETCURROW), 5);
    EXPECT_EQ(send(TBM_GETCURCOL), 2);
    ASSERT_EQ(events(TBN_CLICK).size(), 1u);
    EXPECT_EQ(events(TBN_CLICK)[0].column, 2);
    EXPECT_EQ(events(TBN_CLICK)[0].row, 5);
    EXPECT_EQ(events(TBN_CLICK)[0].extra, 1);
    ASSERT_TRUE(last(TBN_ROWCHANGED));
    EXPECT_EQ(last(TBN_ROWCHANGED)->row, 5);
    EXPECT_TRUE(last(TBN_COLCHANGED));
    click(table, cell_middle(table, 2, 5), MK_CONTROL);
    ASSERT_TRUE(last(TBN_CLICKCURRENT));
    EXPECT_EQ(last(TBN_CLICKCURRENT)->value, (intptr_t)KEYSTATE_CTRL);
    POINT at = cell_middle(table, 1, 7);
    send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y));
    send(WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    ASSERT_EQ(events(TBN_RCLICK).size(), 2u);
    EXPECT_EQ(events(TBN_RCLICK)[0].extra, 1);
    EXPECT_EQ(events(TBN_RCLICK)[1].extra, 0);
    EXPECT_EQ(send(TBM_GETCURROW), 7);
    send(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    ASSERT_TRUE(last(TBN_DBLCLK));
    EXPECT_EQ(last(TBN_DBLCLK)->row, 7);
    g_log.events.clear();
    click(table, {5, 2000});  // outside the cells: nothing
    EXPECT_TRUE(events(TBN_CLICK).empty());
}

TEST_F(GridTest, KeysAreReportedToTheOwner) {
    SetFocus(table);
    g_log.events.clear();
    send(WM_CHAR, 'x');
    send(WM_CHAR, '!');  // not a letter, digit or blank
    send(WM_KEYDOWN, VK_DELETE);
    send(WM_KEYDOWN, VK_F10);
    send(WM_KEYDOWN, VK_RETURN);
    std::vector<Recorded> keys = events(TBN_KEY);
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[0].value, 'x');
    EXPECT_EQ(keys[1].value, -VK_DELETE);
    EXPECT_EQ(keys[2].value, -VK_F10);
    EXPECT_EQ(events(TBN_KEYDOWN).size(), 3u);
    EXPECT_EQ(events(TBN_ENTER).size(), 1u);
    send(WM_KEYDOWN, VK_RIGHT);
    EXPECT_EQ(send(TBM_GETCURCOL), 1);
    MSG tab = {table, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
    EXPECT_FALSE(send(WM_GETDLGCODE, VK_TAB, (LPARAM)&tab) & DLGC_WANTTAB);
    EXPECT_TRUE(send(WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS);
}

TEST_F(GridTest, SettingMessagesKeepTheirBounds) {
    EXPECT_EQ(send(TBM_SETCOLWIDTH, 1, 1024), 150);
    EXPECT_EQ(send(TBM_GETCOLWIDTH, 1), 150);
    EXPECT_EQ(send(TBM_SETCOLWIDTH, 250, 10), -1);
    EXPECT_EQ(send(TBM_SETCOLCOUNT, 500), 200);
    EXPECT_EQ(send(TBM_SETCOLCOUNT, 4), 4);
    EXPECT_EQ(send(TBM_SETROWCOUNT, 0, -5), 1000000);
    EXPECT_EQ(send(TBM_ADDROWS, 0, -2000000), 0);
    EXPECT_EQ(send(TBM_GETCURROW), -1);
    EXPECT_EQ(send(TBM_ADDROWS, 0, 10), 10);
    TableCellRequest request = {1, 2, 0, 0, 0, 0, 0};
    EXPECT_EQ(send(TBM_GETCELLRECT, 0, (LPARAM)&request), CELL_INSIDE);
    EXPECT_EQ(request.left, 100);
    EXPECT_EQ(request.top, 2 * send(TBM_GETROWHEIGHT));
    EXPECT_GT(send(TBM_GETTEXTWIDTH, 0, (LPARAM) "wide text"), send(TBM_GETTEXTWIDTH, 0, (LPARAM) "w"));
    EXPECT_EQ(send(TBM_GETHEADING, 0), (LRESULT)heading);
}

TEST_F(GridTest, HeadingClicksAndBorderDragsResizeColumns) {
    POINT at = {50, 10};
    SendMessageA(heading, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageA(heading, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    std::vector<Recorded> clicks = events(TBN_CLICK, heading);
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_EQ(clicks[0].column, 0);
    EXPECT_EQ(clicks[0].extra, 1);
    EXPECT_EQ(clicks[1].extra, 0);
    // The border between columns 0 and 1 lies at x = 100.
    SendMessageA(heading, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(102, 10));
    SendMessageA(heading, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(140, 10));
    SendMessageA(heading, WM_LBUTTONUP, 0, MAKELPARAM(160, 10));
    ASSERT_EQ(events(TBN_SIZESTART).size(), 1u);
    ASSERT_TRUE(last(TBN_COLSIZING));
    EXPECT_EQ(last(TBN_COLSIZING)->value, 140);
    ASSERT_TRUE(last(TBN_COLSIZED));
    EXPECT_EQ(last(TBN_COLSIZED)->column, 0);
    EXPECT_EQ(send(TBM_GETCOLWIDTH, 0), 140);
}

TEST_F(GridTest, FitToWindowFillsTheClientArea) {
    HWND fit = make_table(ID_OTHER_TABLE, 600, 40, 520, 200, 0);
    SetWindowLongPtrA(fit, GWL_EXSTYLE, 0);
    SetWindowPos(fit, nullptr, 600, 40, 520, 200, SWP_NOZORDER | SWP_FRAMECHANGED);
    const int widths[] = {120, 90, 50};
    TB_SetupTable(fit, nullptr, nullptr, 10, 3, widths, 2, 0);
    ASSERT_EQ(TB_FitToWindow(fit, 0), 1);
    EXPECT_EQ(SendMessageA(fit, TBM_GETCOLWIDTH, 0, 0), 242);
    EXPECT_EQ(SendMessageA(fit, TBM_GETCOLWIDTH, 1, 0), 178);
    EXPECT_EQ(SendMessageA(fit, TBM_GETCOLWIDTH, 2, 0), 100);
    EXPECT_EQ(TB_FitToWindow(fit, 201), 0);
}

int CALLBACK cancel_at_second_row(int done, int) { return done == 2 ? 1 : 0; }

TEST_F(GridTest, BestFitMeasuresTheOwnersTextsAndCanBeCancelled) {
    EXPECT_EQ(TB_BestFit(table, 4, 10, cancel_at_second_row), 0);
    EXPECT_EQ(send(TBM_GETCOLWIDTH, 0), 100);
    ASSERT_EQ(TB_BestFit(table, 4, 10, nullptr), 1);
    int32_t width = (int32_t)send(TBM_GETCOLWIDTH, 0);
    EXPECT_EQ(width, (int32_t)send(TBM_GETTEXTWIDTH, 0, (LPARAM) "r9 c0") + 4 + 2);
    // The check-box column holds no text: one row height.
    EXPECT_EQ(send(TBM_GETCOLWIDTH, CHECK_COLUMN), send(TBM_GETROWHEIGHT) + 4 + 2);
}

TEST_F(GridTest, TheCacheAnswersRepaintsAndIsSetUpOnce) {
    EXPECT_EQ(TB_StartCache(table, 16), 1);  // room for every visible cell
    EXPECT_EQ(TB_StartCache(table, 4), -1);
    RedrawWindow(table, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(g_log.cached_answers, 0);
    g_log.clear_cells();
    RedrawWindow(table, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_GT(g_log.cached_answers, 0);
    EXPECT_LT(g_log.cached_answers, g_log.cells_asked);  // the highlighted cell is never cached
    EXPECT_EQ(TB_RefreshCache(table), 1);
    g_log.clear_cells();
    RedrawWindow(table, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(g_log.cached_answers, 0);
}

TEST_F(GridTest, PaintingPastTheLastRowAsksForMore) {
    send(TBM_SETROWCOUNT, 0, 5);
    g_log.events.clear();
    RedrawWindow(table, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_EQ(events(TBN_NEEDROWS).size(), 1u);
    EXPECT_EQ(events(TBN_NEEDROWS)[0].value, 1);
    EXPECT_EQ(events(TBN_NEEDROWS)[0].extra, 5);
    EXPECT_EQ(g_log.highest_row_asked, 4);
}

TEST_F(GridTest, TheHookReportsEveryMessageFirst) {
    EXPECT_EQ(send(TBM_SETHOOK, 2), 0);  // only wParam 1 turns it on
    EXPECT_EQ(send(TBM_SETHOOK, 1), 1);
    g_log.events.clear();
    EXPECT_EQ(send(TBM_GETROWCOUNT), 1000000);
    int reported = 0;
    for (const Recorded& r : events(TBN_MESSAGE)) reported += r.record_code == (int32_t)TBM_GETROWCOUNT;
    EXPECT_EQ(reported, 1);
}

TEST_F(GridTest, ARowHeadingFollowsTheTopRow) {
    HWND rows = CreateWindowExA(0, TABLE_CLASS_NAME, "", WS_CHILD | WS_VISIBLE | TBS_HEADING | TBS_ROW_HEADING, 0, 40,
                                40, 300, owner, (HMENU)(INT_PTR)ID_HEADING, GetModuleHandleA(nullptr), nullptr);
    send(TBM_SETHEADING, 1, (LPARAM)rows);
    EXPECT_EQ(TB_FitHeadingToTable(table, 1, 2), 1);
    RECT outer, heading_rect;
    GetWindowRect(table, &outer);
    GetWindowRect(rows, &heading_rect);
    EXPECT_EQ(heading_rect.right, outer.left - 2);
    EXPECT_EQ(heading_rect.top, outer.top);
    send(TBM_SETTOPROW, 0, 777);
    g_log.events.clear();
    RedrawWindow(rows, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    SendMessageA(rows, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 3));
    ASSERT_TRUE(last(TBN_CLICK));
    EXPECT_EQ(last(TBN_CLICK)->row, 777);
    EXPECT_EQ(last(TBN_CLICK)->sender, rows);
    DestroyWindow(table);  // the strip stays, unlinked
    EXPECT_TRUE(IsWindow(rows));
    RedrawWindow(rows, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

}  // namespace
