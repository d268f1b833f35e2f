#include "tools/griddemo/demo_window_win32.h"

#include <stdio.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "grid/keelgrid32_win32.h"

namespace {

const char DEMO_CLASS[] = "KeelGridDemo";

struct Demo {
    HWND window, users, users_heading, picked, picked_heading;
    std::map<long long, std::string> edits;  // (row, column) -> text typed by the user
    std::set<int> inactive;
    std::vector<std::string> picked_rows;
    char drag_text[64];
    char* drag_data[2];
};

struct ColumnShape {
    const char* title;
    int width;
    const char* mask;
    const char* text_template;
};

const ColumnShape USER_COLUMNS[DEMO_COLUMNS] = {
    {"#", 70, nullptr, nullptr},
    {"User", 150, "aaaaaaaaaaaaaaaaaaaa", nullptr},
    {"Since", 100, "NN/NN/NNNN", "__/__/____"},
    {"Credit", 120, "NNNNNNNN", nullptr},
    {"Active", 60, nullptr, nullptr},
};
const ColumnShape PICKED_COLUMNS[2] = {{"Picked user", 150, nullptr, nullptr}, {"From row", 90, nullptr, nullptr}};

Demo* demo_of(HWND window) { return (Demo*)GetWindowLongPtrA(window, GWLP_USERDATA); }
long long key(int row, int column) { return (long long)row * DEMO_COLUMNS + column; }

void user_name(int row, char* out, size_t size) { snprintf(out, size, "user%06d", row); }

void user_cell(const Demo& demo, TableNotify* n) {
    auto edited = demo.edits.find(key(n->row, n->column));
    if (edited != demo.edits.end()) {
        snprintf(n->text, 256, "%s", edited->second.c_str());
        if (n->column == DEMO_CREDIT) n->alignment = ALIGN_RIGHT;
        return;
    }
    int row = n->row;
    switch (n->column) {
        case DEMO_NUMBER:
            snprintf(n->text, 256, "%d", row + 1);
            n->alignment = ALIGN_RIGHT;
            if (!n->value) n->background_colour = GetSysColor(COLOR_BTNFACE);
            n->decorations = CELL_RAISED;
            break;
        case DEMO_USER: user_name(row, n->text, 256); break;
        case DEMO_SINCE: TB_DateToString(n->text, row % 28 + 1, row % 12 + 1, 1990 + row % 30, "/", 0x12); break;
        case DEMO_CREDIT:
            TB_CurrencyToString(n->text, (row % 2 ? 1 : -1) * (double)(row * 7919 % 1000000) / 100.0, 1, "$");
            n->alignment = ALIGN_RIGHT;
            if (row % 2 == 0 && !n->value) n->text_colour = RGB(180, 0, 0);
            break;
        case DEMO_ACTIVE:
            n->text[0] = 0;
            n->alignment = ALIGN_CENTRE;
            n->decorations = demo.inactive.count(row) ? CELL_UNCHECKED : CELL_CHECKED;
            break;
    }
}

void answer_cell(const Demo& demo, HWND sender, TableNotify* n) {
    if (sender == demo.users_heading || sender == demo.picked_heading) {
        const ColumnShape* columns = sender == demo.users_heading ? USER_COLUMNS : PICKED_COLUMNS;
        snprintf(n->text, 256, "%s", columns[n->column].title);
        n->alignment = ALIGN_CENTRE;
    } else if (sender == demo.users) {
        user_cell(demo, n);
    } else if (sender == demo.picked && n->row >= 0 && (size_t)n->row < demo.picked_rows.size()) {
        const std::string& picked = demo.picked_rows[(size_t)n->row];
        size_t tab = picked.find('\t');
        snprintf(n->text, 256, "%s", (n->column == 0 ? picked.substr(0, tab) : picked.substr(tab + 1)).c_str());
        if (n->column == 1) n->alignment = ALIGN_RIGHT;
    }
}

bool start_edit(Demo& demo, int column, int row, int first_char) {
    if (column <= DEMO_NUMBER || column == DEMO_ACTIVE) return false;
    const ColumnShape& shape = USER_COLUMNS[column];
    // Typing replaces the text; Enter, F2 and a double click edit what is there.
    const char* text = first_char ? "" : nullptr;
    HWND edit = (HWND)SendMessageA(demo.users, TBM_GETEDITWINDOW, 0, 0);
    SendMessageA(edit, TEM_SETBKCOLOR, 0, RGB(255, 255, 214));
    return TB_StartEditEx(demo.users, text, shape.mask, shape.text_template, first_char, column, row) == 1;
}

void toggle_active(Demo& demo, int row) {
    if (!demo.inactive.erase(row)) demo.inactive.insert(row);
    SendMessageA(demo.users, TBM_REDRAWCELL, DEMO_ACTIVE, row);
}

void drag_user(Demo& demo, int row) {
    user_name(row, demo.drag_text, sizeof demo.drag_text);
    auto edited = demo.edits.find(key(row, DEMO_USER));
    if (edited != demo.edits.end()) snprintf(demo.drag_text, sizeof demo.drag_text, "%s", edited->second.c_str());
    demo.drag_data[0] = demo.drag_text;
    demo.drag_data[1] = nullptr;
    TB_DragStart(demo.users, LoadCursor(nullptr, IDC_HAND), demo.drag_data, row);
}

void dropped(Demo& demo, const TableNotify& n) {
    char from[32];
    if (n.value >= 0 && n.extra && ((char**)n.extra)[1] == nullptr)
        snprintf(from, sizeof from, "%d", (int)n.value + 1);
    else
        snprintf(from, sizeof from, "file");
    demo.picked_rows.push_back(std::string(n.text) + "\t" + from);
    int rows = (int)demo.picked_rows.size();
    SendMessageA(demo.picked, TBM_SETROWCOUNT, 0, rows);
    SendMessageA(demo.picked, TBM_SETCURROW, 0, rows - 1);
}

void users_notification(Demo& demo, UINT code, TableNotify* n) {
    switch (code) {
        case TBN_KEY:
            if (n->value == ' ' && n->column == DEMO_ACTIVE)
                toggle_active(demo, n->row);
            else if (n->value > 0)
                start_edit(demo, n->column, n->row, (int)n->value);
            else if (n->value == -VK_F2)
                start_edit(demo, n->column, n->row, 0);
            else if (n->value == -VK_HOME)
                SendMessageA(demo.users, TBM_SETCURROW, 0, 0);
            else if (n->value == -VK_END)
                SendMessageA(demo.users, TBM_SETCURROW, 0, DEMO_USER_ROWS - 1);
            break;
        case TBN_ENTER:
        case TBN_DBLCLK: start_edit(demo, n->column, n->row, 0); break;
        case TBN_CLICK:
        case TBN_CLICKCURRENT:
            if (n->column == DEMO_NUMBER && n->extra == 1) drag_user(demo, n->row);
            if (n->column == DEMO_ACTIVE && code == TBN_CLICKCURRENT) toggle_active(demo, n->row);
            break;
        case TBN_EDITKEY: {
            int row = n->row;
            if (n->value == EDIT_EXIT_ESCAPE) {
                TB_EndEdit(demo.users);
                break;
            }
            SetFocus(demo.users);  // ends the edit; its text comes with TBN_EDITEND
            if (n->value == EDIT_EXIT_DOWN) SendMessageA(demo.users, TBM_SETCURROW, 0, row + 1);
            if (n->value == EDIT_EXIT_UP && row > 0) SendMessageA(demo.users, TBM_SETCURROW, 0, row - 1);
            break;
        }
        case TBN_EDITEND:
            demo.edits[key(n->row, n->column)] = n->text;
            SendMessageA(demo.users, TBM_REDRAWROW, 0, n->row);
            break;
    }
}

HWND child(HWND parent, DWORD style, int id, int x, int y, int width, int height, DWORD extended) {
    return CreateWindowExA(extended, TABLE_CLASS_NAME, "", WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                           (HMENU)(INT_PTR)id, (HINSTANCE)GetWindowLongPtrA(parent, GWLP_HINSTANCE), nullptr);
}

void set_up_table(HWND table, HWND heading, const ColumnShape* columns, int count, int rows) {
    int widths[DEMO_COLUMNS];
    for (int c = 0; c < count; ++c) widths[c] = columns[c].width;
    SendMessageA(table, WM_SETFONT, (WPARAM)GetStockObject(DEFAULT_GUI_FONT), 0);
    TB_SetupTable(table, heading, nullptr, rows, count, widths, 4, 1);
    SendMessageA(table, TBM_SETHIGHLIGHT, 1, 0);
    SendMessageA(table, TBM_SETVLINES, 1, 0);
    SendMessageA(table, TBM_SETHLINES, 1, 0);
    TB_FitHeadingToTable(table, 0, 0);
}

void create_children(Demo& demo) {
    HWND w = demo.window;
    demo.users_heading = child(w, TBS_HEADING | TBS_BUTTON_FACE, DEMO_USERS_HEADING_ID, 10, 10, 520, 24, 0);
    demo.users = child(w, WS_VSCROLL | WS_TABSTOP, DEMO_USERS_ID, 10, 34, 540, 420, WS_EX_CLIENTEDGE);
    demo.picked_heading = child(w, TBS_HEADING | TBS_BUTTON_FACE, DEMO_PICKED_HEADING_ID, 570, 10, 240, 24, 0);
    demo.picked = child(w, WS_VSCROLL | WS_TABSTOP, DEMO_PICKED_ID, 570, 34, 280, 420, WS_EX_CLIENTEDGE);
    set_up_table(demo.users, demo.users_heading, USER_COLUMNS, DEMO_COLUMNS, DEMO_USER_ROWS);
    set_up_table(demo.picked, demo.picked_heading, PICKED_COLUMNS, 2, 0);
    TB_FitToWindow(demo.picked, 0);
    SendMessageA(demo.picked, TBM_ENABLEDROP, 1, 0);
    DragAcceptFiles(demo.picked, TRUE);
    SendMessageA(demo.picked, TBM_SETROWSELECT, 1, 0);
}

LRESULT CALLBACK demo_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        Demo* demo = (Demo*)((CREATESTRUCTA*)lparam)->lpCreateParams;
        demo->window = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, (LONG_PTR)demo);
    }
    Demo* demo = demo_of(window);
    if (!demo) return DefWindowProcA(window, message, wparam, lparam);
    switch (message) {
        case WM_CREATE: create_children(*demo); return 0;
        case WM_SETFOCUS: SetFocus(demo->users); return 0;
        case WM_COMMAND: {
            HWND sender = (HWND)lparam;
            if (!sender) break;
            TableNotify* n = (TableNotify*)SendMessageA(demo->users, TBM_GETNOTIFY, 0, 0);
            UINT code = HIWORD(wparam);
            if (code == TBN_GETTEXT)
                answer_cell(*demo, sender, n);
            else if (sender == demo->users)
                users_notification(*demo, code, n);
            else if (sender == demo->picked && code == TBN_DROP)
                dropped(*demo, *n);
            return 0;
        }
        case WM_NCDESTROY:
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            delete demo;
            break;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

HWND griddemo_open(HINSTANCE instance, int x, int y) {
    if (!TB_InitTable(instance)) return nullptr;
    WNDCLASSA existing;
    if (!GetClassInfoA(instance, DEMO_CLASS, &existing)) {
        WNDCLASSA demo_class = {};
        demo_class.lpfnWndProc = demo_proc;
        demo_class.hInstance = instance;
        demo_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
        demo_class.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
        demo_class.lpszClassName = DEMO_CLASS;
        RegisterClassA(&demo_class);
    }
    Demo* demo = new Demo();
    RECT frame = {0, 0, 862, 480};
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE;
    AdjustWindowRect(&frame, style, FALSE);
    HWND window = CreateWindowExA(0, DEMO_CLASS, "Grid demo: a million users", style, x, y, frame.right - frame.left,
                                  frame.bottom - frame.top, nullptr, nullptr, instance, demo);
    if (!window) delete demo;
    return window;
}

HWND griddemo_users(HWND demo) { return GetDlgItem(demo, DEMO_USERS_ID); }
HWND griddemo_picked(HWND demo) { return GetDlgItem(demo, DEMO_PICKED_ID); }

bool griddemo_edit(HWND window, int column, int row, int first_char) {
    Demo* demo = demo_of(window);
    return demo && start_edit(*demo, column, row, first_char);
}
