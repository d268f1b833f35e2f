#include "tests/grid/gui/grid_fixture_win32.h"

#include <stdio.h>

#include "tests/support/own_desktop_win32.h"

OwnerLog g_log;

namespace {

const char OWNER_CLASS[] = "KeelGridTestOwner";

void answer_cell(TableNotify* n, HWND sender) {
    ++g_log.cells_asked;
    if (n->extra == 1) ++g_log.cached_answers;
    if (n->row >= 0 && GetDlgCtrlID(sender) != ID_HEADING) {
        if (n->row < g_log.lowest_row_asked) g_log.lowest_row_asked = n->row;
        if (n->row > g_log.highest_row_asked) g_log.highest_row_asked = n->row;
    }
    if (n->row < 0) {
        snprintf(n->text, 256, "Heading %d", n->column);
    } else if (n->column == CHECK_COLUMN) {
        n->text[0] = 0;
        n->alignment = ALIGN_CENTRE;
        n->decorations = n->row % 2 ? CELL_CHECKED : CELL_UNCHECKED;
    } else {
        snprintf(n->text, 256, "r%d c%d", n->row, n->column);
    }
}

LRESULT CALLBACK owner_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_COMMAND && lparam) {
        HWND sender = (HWND)lparam;
        HWND table = GetDlgCtrlID(sender) == ID_HEADING ? GetDlgItem(window, ID_TABLE) : sender;
        TableNotify* n = (TableNotify*)SendMessageA(table, TBM_GETNOTIFY, 0, 0);
        uint32_t code = HIWORD(wparam);
        if (!n) return 0;
        if (code == TBN_GETTEXT) {
            answer_cell(n, sender);
            return 0;
        }
        Recorded r{code, n->column, n->row, n->value, n->extra, n->text ? n->text : "", sender, {}, n->code};
        if (code == TBN_DROP && n->extra)
            for (intptr_t i = 0; i < n->value && i < 16 && ((char**)n->extra)[i]; ++i)
                r.items.push_back(((char**)n->extra)[i]);
        g_log.events.push_back(r);
        return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

// The tests' windows on a desktop of their own, as the shell's GUI tests do.
class OwnDesktop : public ::testing::Environment {
public:
    void SetUp() override {
        enter_own_desktop("keel-grid-gui-tests");
        WNDCLASSA owner = {};
        owner.lpfnWndProc = owner_proc;
        owner.hInstance = GetModuleHandleA(nullptr);
        owner.hCursor = LoadCursor(nullptr, IDC_ARROW);
        owner.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
        owner.lpszClassName = OWNER_CLASS;
        RegisterClassA(&owner);
        ASSERT_EQ(TB_InitTable(GetModuleHandleA(nullptr)), 1);
    }
};

::testing::Environment* const OWN_DESKTOP = ::testing::AddGlobalTestEnvironment(new OwnDesktop);

}  // namespace

void pump(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (ms) Sleep(10);
    } while (GetTickCount() - start < ms);
}

HWND GridTest::make_table(int id, int x, int y, int width, int height, DWORD style) {
    return CreateWindowExA(WS_EX_CLIENTEDGE, TABLE_CLASS_NAME, "", WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                           owner, (HMENU)(INT_PTR)id, GetModuleHandleA(nullptr), nullptr);
}

void GridTest::SetUp() {
    g_log = OwnerLog{};
    owner = CreateWindowExA(0, "KeelGridTestOwner", "grid tests", WS_POPUP | WS_VISIBLE, 0, 0, 1200, 700, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(owner);
    heading = CreateWindowExA(0, TABLE_CLASS_NAME, "", WS_CHILD | WS_VISIBLE | TBS_HEADING | TBS_BUTTON_FACE, 10, 10,
                              500, 22, owner, (HMENU)(INT_PTR)ID_HEADING, GetModuleHandleA(nullptr), nullptr);
    table = make_table(ID_TABLE, 10, 40, 560, 400, WS_VSCROLL | WS_HSCROLL | WS_TABSTOP);
    ASSERT_TRUE(table);
    SendMessageA(table, WM_SETFONT, (WPARAM)GetStockObject(DEFAULT_GUI_FONT), 0);
    const int widths[] = {100, 150, 120, 80};
    ASSERT_EQ(TB_SetupTable(table, heading, nullptr, 1000000, 4, widths, 2, 1), 1);
    SendMessageA(table, TBM_SETHIGHLIGHT, 1, 0);
    ASSERT_EQ(TB_FitHeadingToTable(table, 0, 2), 1);
    UpdateWindow(owner);
    pump();
    g_log.events.clear();
    g_log.clear_cells();
}

void GridTest::TearDown() {
    DestroyWindow(owner);
    pump();
}

std::vector<Recorded> GridTest::events(uint32_t code, HWND sender) const {
    std::vector<Recorded> found;
    for (const Recorded& r : g_log.events)
        if (r.code == code && (!sender || r.sender == sender)) found.push_back(r);
    return found;
}

const Recorded* GridTest::last(uint32_t code) const {
    for (auto r = g_log.events.rbegin(); r != g_log.events.rend(); ++r)
        if (r->code == code) return &*r;
    return nullptr;
}

POINT GridTest::cell_middle(HWND of, int32_t column, int32_t row) const {
    TableCellRequest request = {column, row, 0, 0, 0, 0, 0};
    SendMessageA(of, TBM_GETCELLRECT, 0, (LPARAM)&request);
    EXPECT_NE(request.visibility, CELL_HIDDEN) << column << "," << row;
    return {(request.left + request.right) / 2, (request.top + request.bottom) / 2};
}

void GridTest::click(HWND of, POINT at, WPARAM keys) {
    SendMessageA(of, WM_LBUTTONDOWN, MK_LBUTTON | keys, MAKELPARAM(at.x, at.y));
    SendMessageA(of, WM_LBUTTONUP, keys, MAKELPARAM(at.x, at.y));
    pump();
}
