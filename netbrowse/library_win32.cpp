// The library's life in a process, its engine and the exports that take no
// window.
#include "netbrowse/library_win32.h"

#include "netbrowse/keelntbrs_ids.h"
#include "netbrowse/netview.h"

namespace {

struct Library {
    HINSTANCE instance;
    BrowserEngine engine;
    HIMAGELIST images;
    Notices notices;
};

Library g_library;

UINT title_icon(NoticeTitle title) { return title == NOTICE_WARNING ? MB_ICONEXCLAMATION : MB_ICONSTOP; }

void show_box(void*, NoticeTitle title, const char16_t* text) {
    wchar_t caption[32];
    const char* ascii = notice_title(title);
    size_t i = 0;
    for (; ascii[i] && i + 1 < sizeof caption / sizeof caption[0]; ++i) caption[i] = wchar_t(ascii[i]);
    caption[i] = 0;
    MessageBoxW(GetActiveWindow(), reinterpret_cast<const wchar_t*>(text), caption, MB_OK | title_icon(title));
}

const Notices MESSAGE_BOXES = {nullptr, show_box};

// The four list icons, in the order of the item kinds.
bool build_images() {
    const int ICONS[] = {IDI_NETVIEW_DOMAIN, IDI_NETVIEW_HOST, IDI_NETVIEW_USER, IDI_NETVIEW_GROUP};
    int width = GetSystemMetrics(SM_CXSMICON), height = GetSystemMetrics(SM_CYSMICON);
    g_library.images = ImageList_Create(width, height, ILC_MASK | ILC_COLOR32, 4, 0);
    if (!g_library.images) {
        show_notice(g_library.notices, NOTICE_ERROR, TEXT_IMAGE_LIST);
        return false;
    }
    for (int id : ICONS) {
        HICON icon = static_cast<HICON>(
            LoadImageW(g_library.instance, MAKEINTRESOURCEW(id), IMAGE_ICON, width, height, LR_DEFAULTCOLOR));
        if (!icon) {
            show_notice(g_library.notices, NOTICE_ERROR, TEXT_ICON_LOAD);
            return false;
        }
        int added = ImageList_AddIcon(g_library.images, icon);
        DestroyIcon(icon);
        if (added < 0) {
            show_notice(g_library.notices, NOTICE_ERROR, TEXT_ICON_ADD);
            return false;
        }
    }
    return true;
}

bool attach(HINSTANCE instance) {
    g_library.instance = instance;
    g_library.notices = MESSAGE_BOXES;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    browser_init(&g_library.engine, library_directory(), start_system_thread);
    if (build_images()) return true;
    if (g_library.images) ImageList_Destroy(g_library.images);
    g_library.images = nullptr;
    return false;
}

void detach() {
    // Every lookup thread keeps the library loaded while it runs, so none
    // is left when it is unloaded.
    browser_shutdown(&g_library.engine);
    if (g_library.images) ImageList_Destroy(g_library.images);
    g_library.images = nullptr;
}

LookupKind lookup_of(int which) { return which == NETVIEW_CACHE_HOSTS ? LOOKUP_HOSTS : LOOKUP_DOMAINS; }

uint32_t wait_for(LookupKind kind, uint32_t milliseconds) {
    HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    bool signalled = browser_wait(&g_library.engine, kind, milliseconds);
    SetCursor(previous);
    return signalled ? 0 : NETVIEW_WAIT_TIMEOUT;
}

int start_lookup(LookupKind kind) {
    if (browser_start_lookup(&g_library.engine, kind)) return 1;
    show_notice(g_library.notices, NOTICE_ERROR, TEXT_NO_RESOURCES);
    return 0;
}

}  // namespace

BrowserEngine* library_engine() { return &g_library.engine; }
HIMAGELIST library_images() { return g_library.images; }
const Notices& library_notices() { return g_library.notices; }
void library_set_notices(const Notices* notices) { g_library.notices = notices ? *notices : MESSAGE_BOXES; }

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void* reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        return attach(instance);
    }
    // At process exit the other threads are gone, possibly holding locks:
    // the system reclaims everything without our help.
    if (reason == DLL_PROCESS_DETACH && !reserved) detach();
    return TRUE;
}

extern "C" {

int NetViewFlushCache(int which) {
    if (which != NETVIEW_CACHE_DOMAINS && which != NETVIEW_CACHE_HOSTS) return 0;
    browser_flush(&g_library.engine, lookup_of(which));
    return 1;
}

int NetViewInitDomainLookup(void) { return start_lookup(LOOKUP_DOMAINS); }
int NetViewInitHostLookup(void) { return start_lookup(LOOKUP_HOSTS); }
uint16_t NetViewGetDomainState(void) { return browser_state(&g_library.engine, LOOKUP_DOMAINS); }
uint16_t NetViewGetHostState(void) { return browser_state(&g_library.engine, LOOKUP_HOSTS); }
uint32_t NetViewWaitOnGetDomainEvent(uint32_t milliseconds) { return wait_for(LOOKUP_DOMAINS, milliseconds); }
uint32_t NetViewWaitOnGetHostEvent(uint32_t milliseconds) { return wait_for(LOOKUP_HOSTS, milliseconds); }

int NetViewResetGetDomainEvent(void) {
    browser_reset_event(&g_library.engine, LOOKUP_DOMAINS);
    return 1;
}

int NetViewResetGetHostEvent(void) {
    browser_reset_event(&g_library.engine, LOOKUP_HOSTS);
    return 1;
}

}  // extern "C"
