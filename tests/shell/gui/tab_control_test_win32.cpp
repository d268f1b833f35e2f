// The TabControl window: its messages, geometry under the mouse, keys and
// the notification to its parent.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "resources/shell_ids.h"
#include "shell/tab_control_win32.h"
#include "tests/shell/gui/console_fixture_win32.h"
#include "tests/shell/gui/gui_ids.h"

namespace {

std::vector<int> g_notified;  // the selection after each notification

INT_PTR CALLBACK tabs_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
    if (message == WM_INITDIALOG) return FALSE;
    if (message == WM_COMMAND && LOWORD(wparam) == IDC_TEST_TABS && HIWORD(wparam) == TAB_SELECTION_CHANGED) {
        g_notified.push_back((int)SendDlgItemMessageA(dialog, IDC_TEST_TABS, TAB_GET_SELECTION, 0, 0));
        return TRUE;
    }
    return FALSE;
}

class Tabs : public ::testing::Test {
protected:
    HWND dialog = nullptr, tabs = nullptr;

    void SetUp() override {
        g_notified.clear();
        ASSERT_TRUE(tab_control_register(GetModuleHandleA(nullptr)));
        dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TEST_TABS), nullptr,
                                    tabs_dialog_proc, 0);
        ASSERT_NE(dialog, nullptr);
        ShowWindow(dialog, SW_SHOW);
        tabs = GetDlgItem(dialog, IDC_TEST_TABS);
    }
    void TearDown() override {
        DestroyWindow(dialog);
        pump();
    }
    LRESULT send(UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
        return SendMessageA(tabs, message, wparam, lparam);
    }
    void texts(int count) {
        ASSERT_EQ(send(TAB_SET_COUNT, count), count);
        const char* names[] = {"Authentication", "Accounting", "Proxy", "Four"};
        for (int i = 0; i < count; ++i) ASSERT_EQ(send(TAB_SET_TEXT, i, (LPARAM)names[i]), count);
    }
    void key(WPARAM vk) { SendMessageA(tabs, WM_KEYDOWN, vk, 1); }
    void press_at(int x, int y) {
        SendMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageA(tabs, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
};

TEST_F(Tabs, CountSeventeenIsRefusedAndZeroClearsTheStrip) {
    texts(3);
    EXPECT_EQ(send(TAB_SET_COUNT, 17), -1);
    EXPECT_EQ(send(TAB_SET_SELECTION, 2), 2);  // three tabs are still there
    EXPECT_EQ(send(TAB_SET_COUNT, 0), 0);
    EXPECT_EQ(send(TAB_GET_SELECTION), -1);
    EXPECT_EQ(send(TAB_SET_SELECTION, 0), -1);
    EXPECT_EQ(send(TAB_SET_TEXT, 0, (LPARAM) "x"), -1);
    press_at(5, 5);
    EXPECT_TRUE(g_notified.empty());
    UpdateWindow(tabs);  // painting no tabs must be harmless
}

TEST_F(Tabs, SelectionByMessageSendsNoNotification) {
    texts(3);
    EXPECT_EQ(send(TAB_SET_SELECTION, 1), 1);
    EXPECT_EQ(send(TAB_GET_SELECTION), 1);
    EXPECT_EQ(send(TAB_SET_SELECTION, 3), -1);
    EXPECT_EQ(send(TAB_GET_SELECTION), 1);
    EXPECT_TRUE(g_notified.empty());
}

TEST_F(Tabs, MouseInTheRowSelectsByTheTabEdges) {
    texts(3);
    RECT client;
    GetClientRect(tabs, &client);
    int right = client.right - 1;
    int second_edge = 1 + ((right - 2) * 1) / 3;
    int third_edge = 1 + ((right - 2) * 2) / 3;
    press_at(second_edge - 1, 3);
    press_at(second_edge, 3);
    press_at(third_edge, 3);
    EXPECT_EQ(g_notified, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(GetFocus(), tabs);
    press_at(third_edge, 3);                  // already selected: no notification
    press_at(third_edge, client.bottom - 5);  // below the row
    EXPECT_EQ(g_notified.size(), 3u);
    POINT below = {10, client.bottom - 5};
    ClientToScreen(tabs, &below);
    EXPECT_EQ(send(WM_NCHITTEST, 0, MAKELPARAM(below.x, below.y)), HTTRANSPARENT);
    POINT row = {10, 3};
    ClientToScreen(tabs, &row);
    EXPECT_EQ(send(WM_NCHITTEST, 0, MAKELPARAM(row.x, row.y)), HTCLIENT);
}

TEST_F(Tabs, KeysWrapAndSkipTabsWithoutText) {
    ASSERT_EQ(send(TAB_SET_COUNT, 4), 4);
    send(TAB_SET_TEXT, 0, (LPARAM) "One");
    send(TAB_SET_TEXT, 1, (LPARAM) "Two");
    send(TAB_SET_TEXT, 3, (LPARAM) "Four");  // tab 2 has no text
    key(VK_END);
    key(VK_RIGHT);
    key(VK_LEFT);
    key(VK_LEFT);
    key(VK_HOME);
    key(VK_UP);
    key(VK_DOWN);
    EXPECT_EQ(g_notified, (std::vector<int>{3, 0, 3, 1, 0}));
    EXPECT_EQ(send(WM_GETDLGCODE), DLGC_WANTARROWS);
}

TEST_F(Tabs, SingleTextBearingTabKeepsItsSelection) {
    ASSERT_EQ(send(TAB_SET_COUNT, 3), 3);
    send(TAB_SET_TEXT, 1, (LPARAM) "Only");
    send(TAB_SET_SELECTION, 1);
    key(VK_RIGHT);
    key(VK_LEFT);
    EXPECT_TRUE(g_notified.empty());
    EXPECT_EQ(send(TAB_GET_SELECTION), 1);
}

TEST_F(Tabs, FontSetsTheRowHeight) {
    texts(2);
    HFONT font = (HFONT)SendMessageA(dialog, WM_GETFONT, 0, 0);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ((HFONT)send(WM_GETFONT), font);  // the dialog gave its font at creation
    HDC dc = GetDC(tabs);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(tabs, dc);
    int height = (metrics.tmHeight + metrics.tmExternalLeading) * 3 / 2;
    press_at(10, height - 1);
    EXPECT_EQ(g_notified, std::vector<int>{0});
    press_at(150, height);  // just below the row
    EXPECT_EQ(g_notified.size(), 1u);
}

}  // namespace
