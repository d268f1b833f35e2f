// The attribute list pages in a small host window over demo users' lists
// (keelsim in this process): adding, changing and deleting through the real
// dialogs and keys, and the rows and buttons afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <string.h>

#include <functional>
#include <string>
#include <vector>

#include "api/session.h"
#include "attrs/attribute_list.h"
#include "attrs/value_forms.h"
#include "tests/attrs/attr_test_support.h"
#include "tests/attrs/demo_record.h"
#include "tests/sim/sim_test_support.h"
#include "tests/support/dialog_driver_win32.h"
#include "tests/support/scripted_prompt.h"
#include "ui/attribute_editor_ids.h"
#include "ui/attribute_page_win32.h"

namespace {

const char HOST_CLASS[] = "KeelAttributeTestHost";
const char* const POOLS[] = {"DIALUP-POOL", "ISDN-POOL", "VPN-POOL"};

void pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

std::string text_of(HWND window) {
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

void click(HWND button) {
    SendMessageA(button, BM_CLICK, 0, 0);
    pump();
}

// A choice in a list or combo box, announced as a click announces it.
void choose(HWND dialog, int id, const char* text) {
    HWND control = GetDlgItem(dialog, id);
    char name[16] = "";
    GetClassNameA(control, name, sizeof name);
    bool combo = _stricmp(name, "ComboBox") == 0;
    LRESULT at = SendMessageA(control, combo ? CB_FINDSTRINGEXACT : LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)text);
    ASSERT_NE(at, -1) << text;
    SendMessageA(control, combo ? CB_SETCURSEL : LB_SETCURSEL, (WPARAM)at, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, combo ? CBN_SELCHANGE : LBN_SELCHANGE), (LPARAM)control);
}

bool enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

class AttributePages : public DemoServerTest {
protected:
    ScriptedPrompt prompt;
    AttributeRecord record = {};
    AttributePageSetup check_setup = {}, return_setup = {};
    HWND host = nullptr, check_page = nullptr, return_page = nullptr;
    int modified = 0;

    static void on_modified(void* host) { ++((AttributePages*)host)->modified; }
    static void list_pools(void*, PoolNameSink add, void* to) {
        for (const char* pool : POOLS) add(to, pool);
    }

    void SetUp() override {
        DemoServerTest::SetUp();
        ASSERT_TRUE(load_dictionary(nullptr, nullptr));
        WNDCLASSA host_class = {};
        host_class.lpfnWndProc = DefWindowProcA;
        host_class.hInstance = GetModuleHandleA(nullptr);
        host_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        host_class.lpszClassName = HOST_CLASS;
        RegisterClassA(&host_class);
        host = CreateWindowExA(0, HOST_CLASS, "pages", WS_POPUP | WS_VISIBLE, 30, 20, 1000, 300, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(host);
        check_setup = {&record, CHECK_LIST, program_dictionary(), this, on_modified, list_pools};
        return_setup = {&record, RETURN_LIST, program_dictionary(), this, on_modified, list_pools};
        check_page = attribute_page_create(host, 1, &check_setup);
        return_page = attribute_page_create(host, 2, &return_setup);
        ASSERT_TRUE(check_page && return_page);
        MoveWindow(check_page, 0, 0, 490, 300, TRUE);
        MoveWindow(return_page, 500, 0, 500, 300, TRUE);
        ShowWindow(check_page, SW_SHOW);
        ShowWindow(return_page, SW_SHOW);
    }
    void TearDown() override {
        if (host) DestroyWindow(host);
        host = nullptr;
        forget_dialog_action();
        attribute_record_free(&record);
        dictionary_free(program_dictionary());
        DemoServerTest::TearDown();
    }

    void load(const char* cls, const char* name) {
        attribute_record_free(&record);
        memset(&record, 0, sizeof record);
        ASSERT_TRUE(load_shown_record(cls, name, program_dictionary(), &record));
        attribute_page_refresh(check_page);
        attribute_page_refresh(return_page);
    }
    HWND list(HWND page) { return GetDlgItem(page, IDC_ATTR_LIST); }
    std::vector<std::string> rows(HWND page) {
        std::vector<std::string> out;
        LRESULT count = SendMessageA(list(page), LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            char line[VALUE_LINE_SIZE] = "";
            SendMessageA(list(page), LB_GETTEXT, (WPARAM)i, (LPARAM)line);
            out.push_back(line);
        }
        return out;
    }
    int32_t row_of(HWND page, const char* line) {
        std::vector<std::string> all = rows(page);
        for (size_t i = 0; i < all.size(); ++i) {
            if (all[i] == line) return (int32_t)i;
        }
        return -1;
    }
    void select_row(HWND page, int32_t row) {
        ASSERT_GE(row, 0);
        SendMessageA(list(page), LB_SETCURSEL, (WPARAM)row, 0);
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_ATTR_LIST, LBN_SELCHANGE), (LPARAM)list(page));
    }
    void key_on_list(HWND page, WPARAM key) {
        SetFocus(list(page));
        SendMessageA(list(page), WM_KEYDOWN, key, 0);
        pump();
    }
    const AttributeInstance& instance(ListKind kind, int32_t row) { return list_of(&record, kind).items[row]; }
};

TEST_F(AttributePages, RowsAndButtonsFollowTheSelection) {
    load("++b-Native-User", "MKOWALSKI");
    std::vector<std::string> shown = rows(return_page);
    ASSERT_EQ(shown.size(), record.return_list.count);
    int32_t kids = row_of(return_page, "Filter-Id    \tkids-safe");
    int32_t subtracted = row_of(return_page, "Filter-Id    \tstd-internet");
    ASSERT_GE(kids, 0);
    ASSERT_GE(subtracted, 0);
    EXPECT_EQ(attribute_page_selection(return_page), 0);
    EXPECT_EQ(rows(check_page), std::vector<std::string>{"Service-Type    \tFramed-User"});

    select_row(return_page, kids);
    EXPECT_TRUE(enabled(return_page, IDC_ATTR_EDIT));
    EXPECT_TRUE(enabled(return_page, IDC_ATTR_DELETE));
    EXPECT_FALSE(enabled(return_page, IDC_ATTR_UP));
    select_row(return_page, subtracted);
    EXPECT_FALSE(enabled(return_page, IDC_ATTR_EDIT));
    EXPECT_TRUE(enabled(return_page, IDC_ATTR_DELETE));

    attribute_page_enable(return_page, false);
    EXPECT_FALSE(enabled(return_page, IDC_ATTR_INSERT));
    EXPECT_FALSE(enabled(return_page, IDC_ATTR_DELETE));
    attribute_page_enable(return_page, true);
    EXPECT_TRUE(enabled(return_page, IDC_ATTR_INSERT));
    EXPECT_EQ(modified, 0);
}

TEST_F(AttributePages, AddThroughTheDialogStaysOpenForTheNextValue) {
    load("++b-Native-User", "MKOWALSKI");
    std::string prompt_text, echo_label;
    bool echo_enabled = true, add_before_text = true;
    RECT host_box, dialog_box = {};
    GetWindowRect(host, &host_box);
    when_dialog_opens([&](HWND dialog) {
        GetWindowRect(dialog, &dialog_box);
        choose(dialog, IDC_ADD_ATTRIBUTES, "Filter-Id");
        prompt_text = text_of(GetDlgItem(dialog, IDC_VALUE_PROMPT));
        echo_label = text_of(GetDlgItem(dialog, IDC_VALUE_FLAG));
        echo_enabled = enabled(dialog, IDC_VALUE_FLAG);
        add_before_text = enabled(dialog, IDC_ADD_ATTRIBUTE_ADD);
        SetDlgItemTextA(dialog, IDC_VALUE_TEXT, "web-only");
        click(GetDlgItem(dialog, IDC_ADD_ATTRIBUTE_ADD));

        choose(dialog, IDC_ADD_ATTRIBUTES, "Session-Timeout");
        SetDlgItemTextA(dialog, IDC_VALUE_TEXT, "7200");
        click(GetDlgItem(dialog, IDC_ADD_ATTRIBUTE_ADD));
        SetDlgItemTextA(dialog, IDC_VALUE_TEXT, "60");
        click(GetDlgItem(dialog, IDC_ADD_ATTRIBUTE_ADD));  // now the user's own: refused

        choose(dialog, IDC_ADD_ATTRIBUTES, "Framed-IP-Address");
        click(GetDlgItem(dialog, IDC_VALUE_POOL_CHECK));
        choose(dialog, IDC_VALUE_POOLS, "ISDN-POOL");
        click(GetDlgItem(dialog, IDC_ADD_ATTRIBUTE_ADD));
        click(GetDlgItem(dialog, IDCANCEL));
    });
    click(GetDlgItem(return_page, IDC_ATTR_INSERT));

    EXPECT_EQ(dialog_box.left, host_box.left + 9);
    EXPECT_EQ(dialog_box.top, host_box.top + 9);
    EXPECT_EQ(prompt_text, "Enter a string:");
    EXPECT_EQ(echo_label, "Echo");
    EXPECT_FALSE(echo_enabled) << "Filter-Id is multi-valued on the return list";
    EXPECT_FALSE(add_before_text);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "Only a single instance of this attribute is permitted");
    EXPECT_GE(row_of(return_page, "Filter-Id    \tweb-only"), 0);
    int32_t timeout = row_of(return_page, "Session-Timeout    \t7200");
    ASSERT_GE(timeout, 0);
    EXPECT_EQ(instance(RETURN_LIST, timeout).state, IS_OVERWRITE);
    int32_t pool = row_of(return_page, "Framed-IP-Address    \t<ISDN-POOL>");
    ASSERT_GE(pool, 0);
    EXPECT_EQ(attribute_page_selection(return_page), pool) << "the last value added is selected";
    EXPECT_EQ(modified, 3);
}

TEST_F(AttributePages, DefaultOnTheCheckListThroughTheDialog) {
    load("++b-Native-User", "MKOWALSKI");
    std::string label;
    when_dialog_opens([&](HWND dialog) {
        choose(dialog, IDC_ADD_ATTRIBUTES, "Service-Type");
        label = text_of(GetDlgItem(dialog, IDC_VALUE_FLAG));
        choose(dialog, IDC_VALUE_NAMES, "Login-User");
        CheckDlgButton(dialog, IDC_VALUE_FLAG, BST_CHECKED);
        click(GetDlgItem(dialog, IDC_ADD_ATTRIBUTE_ADD));
        click(GetDlgItem(dialog, IDCANCEL));
    });
    key_on_list(check_page, VK_INSERT);
    EXPECT_EQ(label, "Default");
    EXPECT_EQ(rows(check_page),
              (std::vector<std::string>{"Service-Type    \tLogin-User", "Service-Type    \tFramed-User"}));
    EXPECT_EQ(instance(CHECK_LIST, 0).flags, IF_ORDINARY | IF_CHECK | IF_DEFAULT);
    EXPECT_EQ(attribute_page_selection(check_page), 0);
}

TEST_F(AttributePages, ChangeThroughTheDialog) {
    load("++b-Native-User", "MKOWALSKI");
    int32_t idle = row_of(return_page, "Idle-Timeout    \t900");
    ASSERT_GE(idle, 0);
    select_row(return_page, idle);
    std::string title, shown, prompt_text;
    when_dialog_opens([&](HWND dialog) {
        title = text_of(dialog);
        shown = text_of(GetDlgItem(dialog, IDC_VALUE_TEXT));
        prompt_text = text_of(GetDlgItem(dialog, IDC_VALUE_PROMPT));
        SetDlgItemTextA(dialog, IDC_VALUE_TEXT, "12x");
        click(GetDlgItem(dialog, IDOK));  // refused: the dialog stays
        SetDlgItemTextA(dialog, IDC_VALUE_TEXT, "1200");
        click(GetDlgItem(dialog, IDOK));
    });
    key_on_list(return_page, VK_RETURN);
    EXPECT_EQ(title, "Change Idle-Timeout");
    EXPECT_EQ(shown, "900");
    EXPECT_EQ(prompt_text, "Enter a new number:");
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "Input must be numeric");
    EXPECT_EQ(rows(return_page)[idle], "Idle-Timeout    \t1200");
    EXPECT_EQ(instance(RETURN_LIST, idle).state, IS_OVERWRITE) << "the profile's row became the user's own";
    EXPECT_EQ(attribute_page_selection(return_page), idle);
    EXPECT_EQ(modified, 1);

    // The pool the value names is chosen when the dialog opens.
    int32_t address = row_of(return_page, "Framed-IP-Address    \t<DIALUP-POOL>");
    select_row(return_page, address);
    bool pool_checked = false;
    std::string pool;
    when_dialog_opens([&](HWND dialog) {
        pool_checked = IsDlgButtonChecked(dialog, IDC_VALUE_POOL_CHECK) == BST_CHECKED;
        pool = text_of(GetDlgItem(dialog, IDC_VALUE_POOLS));
        click(GetDlgItem(dialog, IDCANCEL));
    });
    click(GetDlgItem(return_page, IDC_ATTR_EDIT));
    EXPECT_TRUE(pool_checked);
    EXPECT_EQ(pool, "DIALUP-POOL");
    EXPECT_EQ(modified, 1);
}

TEST_F(AttributePages, DeleteTogglesTheProfilesRowsAndRemovesOwnOnes) {
    load("++b-Native-User", "MKOWALSKI");
    int32_t smtp = row_of(return_page, "Filter-Id    \tstd-no-smtp");
    select_row(return_page, smtp);
    click(GetDlgItem(return_page, IDC_ATTR_DELETE));
    EXPECT_TRUE(is_subtract_instance(instance(RETURN_LIST, smtp)));
    EXPECT_FALSE(enabled(return_page, IDC_ATTR_EDIT));
    key_on_list(return_page, VK_DELETE);
    EXPECT_TRUE(is_profile_instance(instance(RETURN_LIST, smtp)));
    EXPECT_EQ(attribute_page_selection(return_page), smtp);

    size_t before = rows(return_page).size();
    int32_t kids = row_of(return_page, "Filter-Id    \tkids-safe");
    select_row(return_page, kids);
    key_on_list(return_page, VK_DELETE);
    EXPECT_EQ(rows(return_page).size(), before - 1);
    EXPECT_EQ(row_of(return_page, "Filter-Id    \tkids-safe"), -1);
    EXPECT_EQ(attribute_page_selection(return_page), kids);
    EXPECT_EQ(modified, 3);
}

TEST_F(AttributePages, AnErrorRowReportsItsReason) {
    load("++b-Native-User", "MKOWALSKI");
    AttributeInstance stray =
        make_instance("Ascend-Data-Filter", AT_STRING, IF_ORDINARY | IF_RETURN, text_bytes("x"), IS_UNKNOWN_ATTRIBUTE);
    ASSERT_TRUE(attribute_list_insert(&record.return_list, 0, stray));
    attribute_page_refresh(return_page);
    EXPECT_FALSE(enabled(return_page, IDC_ATTR_EDIT));
    SendMessageA(return_page, WM_COMMAND, MAKEWPARAM(IDC_ATTR_LIST, LBN_DBLCLK), (LPARAM)list(return_page));
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].title, "ERROR");
    EXPECT_EQ(prompt.asked[0].text, "Dictionary does not contain attribute name stored in database");
    EXPECT_EQ(modified, 0);
}

TEST_F(AttributePages, ArrowsMoveWithinAnOrderedGroup) {
    load("++a-Profile", "SHELL-ACCESS");
    int32_t first = row_of(return_page, "Login-IP-Host    \t198.51.100.20");
    ASSERT_GE(first, 0);
    select_row(return_page, first);
    EXPECT_FALSE(enabled(return_page, IDC_ATTR_UP));
    EXPECT_TRUE(enabled(return_page, IDC_ATTR_DOWN));
    click(GetDlgItem(return_page, IDC_ATTR_DOWN));
    EXPECT_EQ(rows(return_page)[first], "Login-IP-Host    \t198.51.100.21");
    EXPECT_EQ(rows(return_page)[first + 1], "Login-IP-Host    \t198.51.100.20");
    EXPECT_EQ(attribute_page_selection(return_page), first + 1);
    EXPECT_TRUE(enabled(return_page, IDC_ATTR_UP));
    EXPECT_FALSE(enabled(return_page, IDC_ATTR_DOWN));
    EXPECT_EQ(modified, 1);
}

}  // namespace
