#include "shell/main_window_win32.h"

#include "api/session.h"
#include "report/report_win32.h"
#include "resources/shell_ids.h"
#include "shell/access_gate.h"
#include "shell/dialogs_win32.h"
#include "shell/panel_win32.h"
#include "shell/servers.h"
#include "shell/subdlg_win32.h"
#include "shell/title.h"
#include "shell/window_class_win32.h"
#include "transfer/export_command_win32.h"
#include "transfer/import_command_win32.h"
#include "ui/help_win32.h"

namespace {

struct MainWindowState {
    HWND window;
    HWND host;
    PanelTable panels;
    int width, height;  // the size at creation: the window cannot be resized
};

MainWindowState g_main = {};

const int GATED_MENU_ITEMS[] = {IDM_IMPORT,        IDM_EXPORT,     IDM_SETTINGS,    IDM_REPORT, IDM_EXIT,
                                IDM_HELP_CONTENTS, IDM_HELP_TOPIC, IDM_VENDOR_INFO, IDM_ABOUT};

// The separator rule under the panel buttons belongs to newer systems.
bool system_is_at_least_3_12() {
    DWORD version = GetVersion();
    int major = LOBYTE(LOWORD(version));
    int minor = HIBYTE(LOWORD(version));
    return major > 3 || (major == 3 && minor >= 12);
}

void create_panels(HWND window) {
    HINSTANCE instance = (HINSTANCE)GetWindowLongPtrA(window, GWLP_HINSTANCE);
    for (uint32_t i = 0; i < g_main.panels.count; ++i) {
        const PanelEntry& entry = g_main.panels.entries[i];
        subdlg_add_page(g_main.host, instance, entry.template_id, entry.procedure);
    }
}

// PANEL_ACTIVATE to page `index`, with what the panels need of the connection.
void activate(uint32_t index) {
    const ServerConnection& connection = server_connection();
    PanelContext context = {connection.access_level, connection.option_mask, connection.platform_mask,
                            connection.server_name};
    panel_send(subdlg_page(g_main.host, index), PANEL_ACTIVATE, (LPARAM)&context);
}

// Radio button `button` clicked: the visible panel may refuse to be left.
void switch_panel(HWND window, int button) {
    uint32_t index = (uint32_t)(button - 200);
    uint32_t current = subdlg_current_index(g_main.host);
    if (index == current || IsDlgButtonChecked(window, button) != BST_CHECKED) return;
    CheckRadioButton(window, IDC_PANEL_FIRST, IDC_PANEL_LAST, (int)current + 200);
    if (panel_send(subdlg_current_page(g_main.host), PANEL_QUERY_LEAVE) != 0) return;
    CheckRadioButton(window, IDC_PANEL_FIRST, IDC_PANEL_LAST, button);
    activate(index);
    subdlg_select(g_main.host, index);
}

bool panel_allows_leaving() {
    HWND panel = visible_panel();
    return !panel || panel_send(panel, PANEL_QUERY_LEAVE) == 0;
}

// An import rewrites what the panels show: the visible one may first save
// its changes (or keep them and refuse), and afterwards every panel forgets
// what it loaded and the visible one loads again.
void import_from_file() {
    if (!panel_allows_leaving()) return;
    if (!import_command(g_main.window)) return;
    reset_all_panels();
    activate(subdlg_current_index(g_main.host));
}

INT_PTR CALLBACK main_dialog_proc(HWND window, UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            g_main.window = window;
            g_main.host = GetDlgItem(window, IDC_PANEL_HOST);
            if (system_is_at_least_3_12()) ShowWindow(GetDlgItem(window, IDC_SEPARATOR), SW_SHOW);
            create_panels(window);
            CheckRadioButton(window, IDC_PANEL_FIRST, IDC_PANEL_LAST, IDC_PANEL_SERVERS);
            activate(1);
            subdlg_select(g_main.host, 1);
            return TRUE;
        case WM_COMMAND: {
            int id = LOWORD(wparam);
            if (id >= IDC_PANEL_FIRST && id <= IDC_PANEL_LAST) {
                if (HIWORD(wparam) == BN_CLICKED) switch_panel(window, id);
                return TRUE;
            }
            switch (id) {
                case IDM_EXIT: DestroyWindow(window); return TRUE;  // no panel is asked
                case IDM_HELP_CONTENTS: help_contents(); return TRUE;
                case IDM_HELP_TOPIC:
                case IDM_HELP_F1: help_show(0); return TRUE;
                case IDM_VENDOR_INFO: help_vendor_info(); return TRUE;
                case IDM_ABOUT: about_dialog_run(window); return TRUE;
                case IDM_SETTINGS: report_settings_dialog_run(window); return TRUE;
                case IDM_REPORT: {
                    const ServerConnection& connection = server_connection();
                    report_command_run(window, connection.server_name, connection.platform_mask,
                                       connection.option_mask);
                    return TRUE;
                }
                case IDM_EXPORT: export_command(window); return TRUE;
                case IDM_IMPORT: import_from_file(); return TRUE;
            }
            return TRUE;  // Escape (IDCANCEL) does not close the main window
        }
    }
    return FALSE;
}

LRESULT CALLBACK main_class_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CREATE: {
            RECT frame;
            GetWindowRect(window, &frame);
            g_main.width = frame.right - frame.left;
            g_main.height = frame.bottom - frame.top;
            SetTimer(window, MAIN_TIMER_ID, MAIN_TIMER_MS, nullptr);
            break;
        }
        case WM_GETMINMAXINFO:
            if (g_main.width > 0) {
                MINMAXINFO* info = (MINMAXINFO*)lparam;
                POINT size = {g_main.width, g_main.height};
                info->ptMinTrackSize = size;
                info->ptMaxTrackSize = size;
                info->ptMaxSize = size;
                return 0;
            }
            break;
        case WM_TIMER:
            if (wparam == MAIN_TIMER_ID) {
                HWND panel = visible_panel();
                if (panel) panel_send(panel, PANEL_TICK);
                keep_alive_if_idle();
                return 0;
            }
            break;
        case WM_CLOSE:
            if (panel_allows_leaving()) DestroyWindow(window);
            return 0;
        case WM_QUERYENDSESSION: return panel_allows_leaving() ? TRUE : FALSE;
        case WM_ENDSESSION:
            if (wparam) {
                help_quit();
                disconnect();
            }
            return 0;
        case WM_DESTROY:
            KillTimer(window, MAIN_TIMER_ID);
            help_quit();
            g_main = MainWindowState();
            PostQuitMessage(0);
            return 0;
    }
    return DefDlgProcA(window, message, wparam, lparam);
}

}  // namespace

bool main_window_register(HINSTANCE instance) {
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = main_class_proc;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, "KLADMIN");
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszMenuName = "KLADMIN";
    wc.lpszClassName = MAIN_WINDOW_CLASS;
    return register_window_class(wc);
}

HWND main_window_create(HINSTANCE instance, const PanelTable& panels) {
    g_main.panels = panels;
    return CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN_WINDOW), nullptr, main_dialog_proc, 0);
}

const PanelTable& main_window_panels() { return g_main.panels; }

HWND main_window() { return g_main.window; }

HWND panel_host() { return g_main.host; }

HWND visible_panel() { return g_main.host ? subdlg_current_page(g_main.host) : nullptr; }

void set_title(const char* server) {
    if (!g_main.window) return;
    char title[400];
    format_window_title(server, title, sizeof title);
    SetWindowTextA(g_main.window, title);
}

void enable_panels(uint16_t level) {
    if (!g_main.window) return;
    for (int button = IDC_PANEL_FIRST; button <= IDC_PANEL_LAST; ++button)
        EnableWindow(GetDlgItem(g_main.window, button), panel_button_enabled(button, level) ? TRUE : FALSE);
    HMENU menu = GetMenu(g_main.window);
    for (int item : GATED_MENU_ITEMS)
        EnableMenuItem(menu, (UINT)item, MF_BYCOMMAND | (menu_item_enabled(item, level) ? MF_ENABLED : MF_GRAYED));
    DrawMenuBar(g_main.window);
}

void reset_all_panels() {
    if (g_main.host) subdlg_broadcast(g_main.host, WM_COMMAND, MAKEWPARAM(PANEL_RESET, 0), PANEL_RESET_ALL);
}
