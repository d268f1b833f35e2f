// keelntbrs.dll as the console uses it: loaded, every export resolved by
// ordinal, real list views filled and watched. The test copy browses a
// scripted network; the shipped one is checked against Wine's network.
#include <windows.h>

#include <commctrl.h>

#include <gmock/gmock.h>

#include <algorithm>
#include <string>
#include <vector>

#include "netbrowse/netview.h"
#include "netbrowse/netview_lists_win32.h"
#include "tests/netbrowse/fake_directory.h"

using ::testing::ElementsAre;

namespace {

struct Exports {
    int (*init_control)(HWND, HWND);
    int (*deinit_control)(HWND);
    int (*display_net_objects)(HWND, int, const char*, char*);
    int (*select_item)(HWND, const char*);
    int (*deselect_item)(HWND, const char*);
    int (*clear_control)(HWND);
    int (*flush_cache)(int);
    int (*select_first_item)(HWND);
    int (*init_domain_lookup)();
    int (*init_host_lookup)();
    int (*display_domain_objects)(HWND);
    int (*display_host_objects)(HWND);
    uint16_t (*domain_state)();
    uint16_t (*host_state)();
    uint32_t (*wait_domain)(uint32_t);
    int (*reset_domain)();
    uint32_t (*wait_host)(uint32_t);
    int (*reset_host)();
};

// Every ordinal, in order, into the table above.
bool resolve(HMODULE library, Exports* exports) {
    FARPROC* slots = reinterpret_cast<FARPROC*>(exports);
    for (int ordinal = 1; ordinal <= 18; ++ordinal) {
        slots[ordinal - 1] = GetProcAddress(library, MAKEINTRESOURCEA(ordinal));
        if (!slots[ordinal - 1]) return false;
    }
    return true;
}

// Starts both lookups and waits for their ends as the console does.
void run_both_lookups(const Exports& exports) {
    EXPECT_EQ(1, exports.init_domain_lookup());
    EXPECT_EQ(1, exports.init_host_lookup());
    EXPECT_EQ(0u, exports.wait_domain(NETVIEW_LOOKUP_WAIT_MS));
    EXPECT_EQ(0u, exports.wait_host(NETVIEW_LOOKUP_WAIT_MS));
}

struct Message {
    UINT message;
    WPARAM kind;
    std::string text;
};
std::vector<Message> g_messages;

LRESULT CALLBACK owner_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message >= NETVIEW_SELECTED && message <= NETVIEW_FOCUSED) {
        g_messages.push_back(Message{message, wparam, reinterpret_cast<const char*>(lparam)});
        return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

std::string to_string(const Message& m) {
    return std::to_string(m.message) + " " + std::to_string(m.kind) + " " + m.text;
}

std::vector<std::string> messages() {
    std::vector<std::string> out;
    for (const Message& m : g_messages) out.push_back(to_string(m));
    g_messages.clear();
    return out;
}

class ShippedLibraryTest : public ::testing::Test {};

TEST_F(ShippedLibraryTest, ExportsItsEighteenFunctionsByOrdinalOnly) {
    HMODULE library = LoadLibraryA("keelntbrs.dll");
    ASSERT_TRUE(library);
    Exports exports;
    EXPECT_TRUE(resolve(library, &exports));
    EXPECT_FALSE(GetProcAddress(library, MAKEINTRESOURCEA(19)));
    EXPECT_FALSE(GetProcAddress(library, "NetViewInitDomainLookup"));
    EXPECT_FALSE(GetProcAddress(library, "fake_net_reset"));

    // Whatever this machine's network answers, both lookups end in time.
    run_both_lookups(exports);
    EXPECT_NE(NETVIEW_NOT_READY, exports.domain_state());
    EXPECT_NE(NETVIEW_NOT_READY, exports.host_state());
    EXPECT_EQ(0, exports.display_net_objects(nullptr, 3, "HOST", nullptr));
    FreeLibrary(library);
}

class LibraryTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_library = LoadLibraryA("keelntbrs_test.dll");
        ASSERT_TRUE(s_library);
        ASSERT_TRUE(resolve(s_library, &s_exports));
        s_reset = named(s_reset, "fake_net_reset");
        s_add_domain = named(s_add_domain, "fake_net_add_domain");
        s_add_account = named(s_add_account, "fake_net_add_account");
        s_fail = named(s_fail, "fake_net_fail");
        s_hold = named(s_hold, "fake_net_hold");
        s_notices = named(s_notices, "fake_net_notices");
        ASSERT_TRUE(s_reset && s_add_domain && s_add_account && s_fail && s_hold && s_notices);
        WNDCLASSA owner_class = {};
        owner_class.lpfnWndProc = owner_procedure;
        owner_class.hInstance = GetModuleHandleA(nullptr);
        owner_class.lpszClassName = "NetViewTestOwner";
        RegisterClassA(&owner_class);
    }

    // The test copy's scripting functions, by name.
    template <typename Function>
    static Function named(Function, const char* name) {
        return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(s_library, name)));
    }

    void SetUp() override {
        s_reset();
        g_messages.clear();
        owner = CreateWindowA("NetViewTestOwner", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 400, 400, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(owner);
        list = make_list();
        ASSERT_EQ(1, x.init_control(list, owner));
    }

    void TearDown() override {
        if (owner) DestroyWindow(owner);
    }

    HWND make_list() {
        HWND made = CreateWindowA(WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_NOCOLUMNHEADER, 0, 0, 300,
                                  200, owner, nullptr, GetModuleHandleA(nullptr), nullptr);
        LVCOLUMNA column = {};
        column.mask = LVCF_WIDTH;
        column.cx = 250;
        SendMessageA(made, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
        return made;
    }

    // "text/image" for every item of the list.
    std::vector<std::string> items(HWND of = nullptr) {
        HWND target = of ? of : list;
        std::vector<std::string> out;
        int count = int(SendMessageA(target, LVM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[260] = {};
            LVITEMA item = {};
            item.mask = LVIF_TEXT | LVIF_IMAGE;
            item.iItem = i;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            SendMessageA(target, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
            out.push_back(std::string(text) + "/" + std::to_string(item.iImage));
        }
        return out;
    }

    bool selected(int index) { return SendMessageA(list, LVM_GETITEMSTATE, WPARAM(index), LVIS_SELECTED) != 0; }

    LPARAM item_centre(int index) {
        RECT rect = {};
        rect.left = LVIR_LABEL;
        SendMessageA(list, LVM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&rect));
        return MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    }

    std::string notices() {
        char text[2048];
        s_notices(text, sizeof text);
        return text;
    }

    void script_network() {
        s_add_domain("SALES", "\\\\SALESDC", "ALPHA,BETA");
        s_add_domain("LAB", "", "BETA,GAMMA");
        s_add_account("\\\\HOST", 0, "alice");
        s_add_account("\\\\HOST", 0, "bob");
        s_add_account("\\\\HOST", 1, "Admins");
        s_add_account("\\\\SALESDC", 0, "carol");
        s_add_account("\\\\SALESDC", 1, "Domain Users");
    }

    static HMODULE s_library;
    static Exports s_exports;
    static void (*s_reset)();
    static void (*s_add_domain)(const char*, const char*, const char*);
    static void (*s_add_account)(const char*, int, const char*);
    static void (*s_fail)(const char*, int, uint32_t);
    static void (*s_hold)(int, int);
    static void (*s_notices)(char*, uint32_t);

    const Exports& x = s_exports;
    HWND owner = nullptr;
    HWND list = nullptr;
};

HMODULE LibraryTest::s_library;
Exports LibraryTest::s_exports;
void (*LibraryTest::s_reset)();
void (*LibraryTest::s_add_domain)(const char*, const char*, const char*);
void (*LibraryTest::s_add_account)(const char*, int, const char*);
void (*LibraryTest::s_fail)(const char*, int, uint32_t);
void (*LibraryTest::s_hold)(int, int);
void (*LibraryTest::s_notices)(char*, uint32_t);

TEST_F(LibraryTest, ListsGetTheFourIconsAndARegistrationOnce) {
    HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    ASSERT_TRUE(images);
    EXPECT_EQ(4, ImageList_GetImageCount(images));
    HWND other = CreateWindowA("NetViewTestOwner", "other", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    EXPECT_EQ(0, x.init_control(list, other));
    // The first owner still hears from the list.
    script_network();
    x.display_net_objects(list, NETVIEW_TARGET_HOST, "HOST", nullptr);
    SendMessageA(list, WM_SETFOCUS, 0, 0);
    EXPECT_THAT(messages(), ElementsAre(std::to_string(NETVIEW_FOCUSED) + " 2 alice"));
    DestroyWindow(other);

    // The image list is shared: a list that goes leaves it to the others.
    HWND second = make_list();
    ASSERT_EQ(1, x.init_control(second, owner));
    DestroyWindow(second);
    EXPECT_EQ(4, ImageList_GetImageCount(images));
    HWND third = make_list();
    ASSERT_EQ(1, x.init_control(third, owner));
    EXPECT_EQ(images, reinterpret_cast<HIMAGELIST>(SendMessageA(third, LVM_GETIMAGELIST, LVSIL_SMALL, 0)));
}

TEST_F(LibraryTest, DomainsAndHostsComeFromTheLookups) {
    script_network();
    EXPECT_EQ(1, x.flush_cache(NETVIEW_CACHE_DOMAINS));
    EXPECT_EQ(1, x.flush_cache(NETVIEW_CACHE_HOSTS));
    EXPECT_EQ(NETVIEW_NOT_READY, x.domain_state());
    EXPECT_EQ(NETVIEW_NOT_READY, x.host_state());
    run_both_lookups(x);
    EXPECT_EQ(NETVIEW_READY, x.domain_state());
    EXPECT_EQ(NETVIEW_READY, x.host_state());

    // LAB has no controller: cached, not shown.
    x.display_domain_objects(list);
    EXPECT_THAT(items(), ElementsAre("SALES/0"));
    x.display_domain_objects(list);
    EXPECT_THAT(items(), ElementsAre("SALES/0"));

    x.clear_control(list);
    x.display_host_objects(list);
    x.display_host_objects(list);
    EXPECT_THAT(items(), ElementsAre("ALPHA/1", "BETA/1", "GAMMA/1"));

    x.flush_cache(NETVIEW_CACHE_HOSTS);
    EXPECT_EQ(NETVIEW_NOT_READY, x.host_state());
    x.clear_control(list);
    x.display_host_objects(list);
    EXPECT_TRUE(items().empty());
}

TEST_F(LibraryTest, AWaitThatRunsOutSaysSo) {
    s_hold(CALL_DOMAINS, 1);
    ASSERT_EQ(1, x.init_domain_lookup());
    EXPECT_EQ(NETVIEW_WAIT_TIMEOUT, x.wait_domain(50));
    EXPECT_EQ(NETVIEW_NOT_READY, x.domain_state());
    s_hold(CALL_DOMAINS, 0);
    EXPECT_EQ(0u, x.wait_domain(NETVIEW_LOOKUP_WAIT_MS));
    EXPECT_EQ(NETVIEW_READY, x.domain_state());
    x.reset_domain();
    EXPECT_EQ(NETVIEW_WAIT_TIMEOUT, x.wait_domain(0));
}

TEST_F(LibraryTest, UsersAndGroupsOfAHostOrDomain) {
    script_network();
    char out[NETVIEW_NAME_SIZE] = "untouched";
    EXPECT_EQ(NETVIEW_OBJECTS_DONE, x.display_net_objects(list, NETVIEW_TARGET_HOST, "HOST", out));
    EXPECT_THAT(items(), ElementsAre("alice/2", "bob/2", "Admins/3"));
    EXPECT_EQ(NETVIEW_OBJECTS_DONE, x.display_net_objects(list, NETVIEW_TARGET_DOMAIN, "SALES", out));
    EXPECT_THAT(items(), ElementsAre("carol/2", "Domain Users/3"));
    // Any other kind leaves the list as it is.
    EXPECT_EQ(0, x.display_net_objects(list, 1, "HOST", out));
    EXPECT_THAT(items(), ElementsAre("carol/2", "Domain Users/3"));
    EXPECT_STREQ("untouched", out);
    EXPECT_EQ("", notices());
}

TEST_F(LibraryTest, ARefusedLogonNamesTheServerAndAFailureIsShown) {
    script_network();
    s_fail("\\\\HOST", 0, 1326);
    char out[NETVIEW_NAME_SIZE] = "";
    EXPECT_EQ(NETVIEW_OBJECTS_LOGON_REFUSED, x.display_net_objects(list, NETVIEW_TARGET_HOST, "\\\\HOST", out));
    EXPECT_STREQ("\\\\HOST", out);
    EXPECT_TRUE(items().empty());
    EXPECT_EQ("", notices());

    s_fail("\\\\HOST", 0, 5);
    EXPECT_EQ(NETVIEW_OBJECTS_FAILED, x.display_net_objects(list, NETVIEW_TARGET_HOST, "HOST", out));
    EXPECT_EQ("NETWORK ERROR: You have insufficient rights to view objects on the selected host\n", notices());
}

TEST_F(LibraryTest, SelectingByText) {
    script_network();
    x.display_net_objects(list, NETVIEW_TARGET_HOST, "HOST", nullptr);
    EXPECT_EQ(1, x.select_item(list, "bob"));
    EXPECT_TRUE(selected(1));
    EXPECT_EQ(0, x.select_item(list, "BOB"));
    EXPECT_EQ(0, x.select_item(list, "bo"));
    EXPECT_EQ(1, x.deselect_item(list, "bob"));
    EXPECT_FALSE(selected(1));
    EXPECT_EQ(0, x.deselect_item(list, "nobody"));
    EXPECT_EQ(1, x.select_first_item(list));
    EXPECT_TRUE(selected(0));
    EXPECT_TRUE(messages().empty());
    x.clear_control(list);
    EXPECT_EQ(0, x.select_first_item(list));
}

TEST_F(LibraryTest, TheOwnerHearsWhereTheCurrentItemGoes) {
    script_network();
    x.display_net_objects(list, NETVIEW_TARGET_HOST, "HOST", nullptr);
    x.select_first_item(list);
    const std::string SELECTED = std::to_string(NETVIEW_SELECTED) + " ";
    struct Case {
        WPARAM key;
        const char* expected;
    } cases[] = {{VK_DOWN, "2 bob"}, {VK_DOWN, "3 Admins"}, {VK_DOWN, "3 Admins"}, {VK_HOME, "2 alice"},
                 {VK_UP, "2 alice"}, {VK_END, "3 Admins"},  {VK_PRIOR, "2 alice"}, {VK_NEXT, "3 Admins"}};
    for (const Case& c : cases) {
        SendMessageA(list, WM_KEYDOWN, c.key, 0);
        EXPECT_THAT(messages(), ElementsAre(SELECTED + c.expected)) << c.key;
    }
    SendMessageA(list, WM_KEYDOWN, 'A', 0);
    EXPECT_TRUE(messages().empty());

    SendMessageA(list, WM_SETFOCUS, 0, 0);
    EXPECT_THAT(messages(), ElementsAre(std::to_string(NETVIEW_FOCUSED) + " 2 alice"));

    SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, item_centre(2));
    SendMessageA(list, WM_LBUTTONUP, 0, item_centre(2));
    std::vector<std::string> heard = messages();
    EXPECT_NE(heard.end(), std::find(heard.begin(), heard.end(), std::to_string(NETVIEW_DOUBLE_CLICKED) + " 3 Admins"));

    PostMessageA(list, WM_LBUTTONUP, 0, item_centre(1));
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, item_centre(1));
    heard = messages();
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(SELECTED + "2 bob", heard[0]);

    // Once forgotten, the list tells nobody.
    EXPECT_EQ(1, x.deinit_control(list));
    EXPECT_EQ(0, x.deinit_control(list));
    SendMessageA(list, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(list, WM_SETFOCUS, 0, 0);
    EXPECT_TRUE(messages().empty());
}

TEST_F(LibraryTest, DomainsAreNotDoubleClickable) {
    script_network();
    x.init_domain_lookup();
    ASSERT_EQ(0u, x.wait_domain(NETVIEW_LOOKUP_WAIT_MS));
    x.display_domain_objects(list);
    SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, item_centre(0));
    SendMessageA(list, WM_LBUTTONUP, 0, item_centre(0));
    for (const std::string& heard : messages()) EXPECT_NE(std::to_string(NETVIEW_DOUBLE_CLICKED), heard.substr(0, 4));
}

}  // namespace
