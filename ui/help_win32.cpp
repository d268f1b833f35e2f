#include "ui/help_win32.h"

#include <string.h>

#include "resources/shell_ids.h"

namespace {

const DWORD HELP_PATH_SIZE = 128;
const char VENDOR_HELP_FILE[] = "RasInfo.hlp";

struct HelpState {
    char file[HELP_PATH_SIZE];
    bool known;
    HWND window;
    uint32_t context;
    HHOOK f1_hook;
    HelpViewer viewer;
};

HelpState g_help = {};

void view(const char* file, UINT command, ULONG_PTR data) {
    if (g_help.viewer)
        g_help.viewer(file, command, data);
    else
        WinHelpA(g_help.window, file, command, data);
}

// F1 inside a dialog box or a menu asks the main window for help.
LRESULT CALLBACK f1_filter(int code, WPARAM wparam, LPARAM lparam) {
    MSG* message = (MSG*)lparam;
    if ((code == MSGF_DIALOGBOX || code == MSGF_MENU) && message->message == WM_KEYDOWN && message->wParam == VK_F1 &&
        g_help.window)
        PostMessageA(g_help.window, WM_COMMAND, IDM_HELP_F1, 0);
    return CallNextHookEx(g_help.f1_hook, code, wparam, lparam);
}

// The program's path with its extension replaced by "HLP".
bool help_file_path(char* out, DWORD out_size) {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    char* name = strrchr(path, '\\');
    char* dot = strrchr(name ? name : path, '.');
    size_t stem = dot ? (size_t)(dot - path) : length;
    if (stem + 4 >= out_size) return false;
    memcpy(out, path, stem);
    memcpy(out + stem, ".HLP", 5);
    return true;
}

}  // namespace

void help_init(HWND main) {
    // The viewer (a test's) and the context (the first panel's, set while
    // the window was made) stay.
    g_help.window = main;
    g_help.known = help_file_path(g_help.file, HELP_PATH_SIZE);
    g_help.f1_hook = SetWindowsHookExA(WH_MSGFILTER, f1_filter, nullptr, GetCurrentThreadId());
}

uint32_t help_set_context(uint32_t context) {
    uint32_t previous = g_help.context;
    g_help.context = context;
    return previous;
}

void help_show(uint32_t context) {
    if (!g_help.known) return;
    uint32_t topic = context ? context : g_help.context;
    if (topic == 0)
        view(g_help.file, HELP_FINDER, 0);
    else
        view(g_help.file, HELP_CONTEXT, topic);
}

void help_contents() {
    if (g_help.known) view(g_help.file, HELP_FINDER, 0);
}

void help_vendor_info() { view(VENDOR_HELP_FILE, HELP_INDEX, 0); }

void help_vendor_topic(uint32_t context) {
    if (context == 0)
        view(VENDOR_HELP_FILE, HELP_FINDER, 0);
    else
        view(VENDOR_HELP_FILE, HELP_CONTEXT, context);
}

void help_quit() {
    if (g_help.known && g_help.window) view(g_help.file, HELP_QUIT, 0);
    if (g_help.f1_hook) UnhookWindowsHookEx(g_help.f1_hook);
    g_help.f1_hook = nullptr;
    g_help.window = nullptr;
}

void help_set_viewer(HelpViewer viewer) { g_help.viewer = viewer; }
