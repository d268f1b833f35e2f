#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>
#include <string.h>

#include "tests/grid/gui/grid_fixture_win32.h"

namespace {

class DragTest : public GridTest {
protected:
    HWND other = nullptr;
    char first[16] = "row 4", second[16] = "extra";
    char* data[3] = {first, second, nullptr};

    void SetUp() override {
        GridTest::SetUp();
        other = make_table(ID_OTHER_TABLE, 620, 40, 400, 300, WS_VSCROLL);
        const int widths[] = {120, 120};
        TB_SetupTable(other, nullptr, nullptr, 50, 2, widths, 2, 0);
        UpdateWindow(other);
        pump();
        g_log.events.clear();
    }

    // Posts the pointer's way from the source to a cell of the target and
    // the release there, then drags: the drag's loop meets them in turn.
    int drag_to(HWND target, int32_t column, int32_t row, int value) {
        POINT at = cell_middle(target, column, row);
        MapWindowPoints(target, table, &at, 1);
        PostMessageA(table, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        PostMessageA(table, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
        return TB_DragStart(table, LoadCursor(nullptr, IDC_HAND), data, value);
    }
};

TEST_F(DragTest, ARowDroppedOnAnAcceptingTableReachesItsOwner) {
    EXPECT_EQ(SendMessageA(other, TBM_ENABLEDROP, 1, 0), 1);
    EXPECT_EQ(SendMessageA(other, WM_USER, TBQ_DROP_ACCEPT, 0), 1);
    ASSERT_EQ(drag_to(other, 1, 3, 42), 1);
    std::vector<Recorded> drops = events(TBN_DROP, other);
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(drops[0].value, 42);
    EXPECT_EQ(drops[0].extra, (intptr_t)data);
    EXPECT_EQ(drops[0].text, "row 4");
    EXPECT_EQ(drops[0].column, 1);
    EXPECT_EQ(drops[0].row, 3);
    EXPECT_NE(GetCapture(), table);
}

TEST_F(DragTest, ATableThatTakesNoDropsGetsNothing) {
    ASSERT_EQ(drag_to(other, 1, 3, 42), 0);
    EXPECT_TRUE(events(TBN_DROP).empty());
    EXPECT_NE(GetCapture(), table);
}

TEST_F(DragTest, DroppedFilesArriveAsOneListWithTheCellUnderThem) {
    DragAcceptFiles(other, TRUE);
    const char names[] = "C:\\users\\one.rif\0C:\\users\\two.txt\0";
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + sizeof names);
    ASSERT_TRUE(memory);
    DROPFILES* drop = (DROPFILES*)GlobalLock(memory);
    drop->pFiles = sizeof(DROPFILES);
    drop->pt = cell_middle(other, 0, 2);
    drop->fNC = FALSE;
    drop->fWide = FALSE;
    memcpy((char*)drop + sizeof(DROPFILES), names, sizeof names);
    GlobalUnlock(memory);
    SendMessageA(other, WM_DROPFILES, (WPARAM)memory, 0);
    std::vector<Recorded> drops = events(TBN_DROP, other);
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(drops[0].value, 2);
    EXPECT_EQ(drops[0].text, "C:\\users\\one.rif");
    ASSERT_EQ(drops[0].items.size(), 2u);
    EXPECT_EQ(drops[0].items[1], "C:\\users\\two.txt");
    EXPECT_EQ(drops[0].column, 0);
    EXPECT_EQ(drops[0].row, 2);
}

TEST_F(DragTest, OldDropQueriesAreAnswered) {
    SendMessageA(other, TBM_ENABLEDROP, 1, 0);
    EXPECT_EQ(SendMessageA(other, 105, 0, 0), 1);
    EXPECT_EQ(SendMessageA(other, 0x022B, 0, 0), 1);
    EXPECT_EQ((uint32_t)SendMessageA(other, 0x022A, 0, 0), TB_FILE_DROP_REPLY);
    EXPECT_EQ(SendMessageA(table, 105, 0, 0), 0);
}

}  // namespace
