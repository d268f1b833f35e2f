#include "tools/tour/attribute_pages_host_win32.h"

#include <string.h>

#include "api/db.h"
#include "api/db_lists.h"
#include "api/text_field.h"
#include "attrs/editor.h"
#include "attrs/list_rules.h"
#include "attrs/list_store.h"
#include "resources/strings.h"
#include "ui/attribute_page_win32.h"

namespace {

const char HOST_CLASS[] = "KeelTourAttributeHost";
const char USER_CLASS[] = "++b-Native-User";
const char USER[] = "MKOWALSKI";  // subtracts one of its profile's filters and adds its own
const char POOL_CLASS[] = "IP-Addr-Pool";

struct Host {
    HWND window;
    HWND pages[2];
    AttributeRecord record;
    AttributePageSetup setups[2];
};

Host g_host = {};

void list_pools(void*, PoolNameSink add, void* to) {
    NameList names = {};
    if (db_list_sorted(POOL_CLASS, &names) == 0) {
        for (uint32_t i = 0; i < names.count; ++i) add(to, name_list_at(&names, i));
    }
    name_list_free(&names);
}

void loaded_as_shown(AttributeRecord* record, const Dictionary* dictionary) {
    copy_text(record->class_name, sizeof record->class_name, USER_CLASS);
    copy_text(record->object_name, sizeof record->object_name, USER);
    load_attribute_lists(record, dictionary, nullptr);
    validate_lists(record, dictionary);
    uint8_t link[174] = {};
    uint16_t length = sizeof link - 1;
    AttributeList profile = {0, 0, nullptr};
    bool linked = db_get(USER_CLASS, USER, PROFILE_LINK_PROPERTY, link, &length) == 0 && length > 11 &&
                  load_profile_instances((const char*)link + 10, dictionary, nullptr, &profile) == 0;
    merge_profile(record, linked ? &profile : nullptr, dictionary, nullptr);
    attribute_list_free(&profile);
}

// Every marker on screen: an overwrite and a default made through the
// editor's own rules, and a stored attribute the dictionary lacks.
void show_every_marker(AttributeRecord* record, const Dictionary* dictionary) {
    EditorTarget returns = {record, RETURN_LIST, dictionary, nullptr};
    EditorTarget checks = {record, CHECK_LIST, dictionary, nullptr};
    const AttributeDefinition* timeout = find_definition(dictionary, "Session-Timeout");
    const AttributeDefinition* service = find_definition(dictionary, "Service-Type");
    if (timeout) editor_add(returns, *timeout, {"28800", nullptr, false, false});
    if (service) editor_add(checks, *service, {"Login-User", nullptr, false, true});
    AttributeInstance stray;
    memset(&stray, 0, sizeof stray);
    copy_text(stray.name, sizeof stray.name, "Ascend-Data-Filter");
    stray.type = stray.stored_type = 10;
    stray.flags = IF_ORDINARY | IF_RETURN;
    stray.length = 4;
    memcpy(stray.data, "\x01\x00\x00\x20", 4);
    stray.state = IS_UNKNOWN_ATTRIBUTE;
    attribute_list_insert(&record->return_list, insert_position(record->return_list, stray, false), stray);
}

LRESULT CALLBACK host_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_COMMAND && LOWORD(wparam) == IDCANCEL) {
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_CLOSE) {
        DestroyWindow(window);
        return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

HWND label(HWND parent, const char* text, int x, int y, int width) {
    HWND control = CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE, x, y, width, 16, parent, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, WM_SETFONT, (WPARAM)GetStockObject(DEFAULT_GUI_FONT), FALSE);
    return control;
}

}  // namespace

void run_attribute_pages_host(HWND owner) {
    Dictionary* dictionary = program_dictionary();
    if (!dictionary_loaded(dictionary) && !load_dictionary(owner, nullptr)) return;
    memset(&g_host, 0, sizeof g_host);
    loaded_as_shown(&g_host.record, dictionary);
    show_every_marker(&g_host.record, dictionary);

    WNDCLASSA host_class = {};
    host_class.lpfnWndProc = host_proc;
    host_class.hInstance = GetModuleHandleA(nullptr);
    host_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
    host_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    host_class.lpszClassName = HOST_CLASS;
    RegisterClassA(&host_class);
    RECT frame = {0, 0, 600, 430};
    AdjustWindowRect(&frame, WS_CAPTION | WS_SYSMENU, FALSE);
    RECT over;
    GetWindowRect(owner, &over);
    g_host.window = CreateWindowExA(0, HOST_CLASS, "Attribute lists: MKOWALSKI", WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                    over.left + 30, over.top + 40, frame.right - frame.left, frame.bottom - frame.top,
                                    owner, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!g_host.window) return;
    const ListKind kinds[2] = {CHECK_LIST, RETURN_LIST};
    const int tops[2] = {10, 140}, heights[2] = {100, 280};
    for (int i = 0; i < 2; ++i) {
        g_host.setups[i] = {&g_host.record, kinds[i], dictionary, nullptr, nullptr, list_pools};
        label(g_host.window, string_text(i == 0 ? IDS_CHECK_LIST_TAB : IDS_RETURN_LIST_TAB), 10, tops[i], 300);
        g_host.pages[i] = attribute_page_create(g_host.window, 100 + i, &g_host.setups[i]);
        if (!g_host.pages[i]) continue;
        MoveWindow(g_host.pages[i], 10, tops[i] + 18, 580, heights[i] - 18, TRUE);
        ShowWindow(g_host.pages[i], SW_SHOW);
    }
    ShowWindow(g_host.window, SW_SHOW);
    SetForegroundWindow(g_host.window);
    EnableWindow(owner, FALSE);
    MSG message;
    while (IsWindow(g_host.window) && GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageA(g_host.window, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    EnableWindow(owner, TRUE);
    SetForegroundWindow(owner);
    attribute_record_free(&g_host.record);
    memset(&g_host, 0, sizeof g_host);
}

HWND attribute_host_page(bool return_list) { return g_host.window ? g_host.pages[return_list ? 1 : 0] : nullptr; }
