#include "shell/app_win32.h"

#include "api/report.h"
#include "netbrowse/netview.h"
#include "resources/shell_ids.h"
#include "resources/strings.h"
#include "shell/main_window_win32.h"
#include "shell/subdlg_win32.h"
#include "shell/tab_control_win32.h"
#include "ui/help_win32.h"

AppStart app_start(HINSTANCE instance, int show, const PanelTable& panels, HWND* main) {
    *main = nullptr;
    HWND running = FindWindowA(MAIN_WINDOW_CLASS, nullptr);
    if (running) {
        if (IsIconic(running)) ShowWindow(running, SW_RESTORE);
        SetForegroundWindow(running);
        return APP_ALREADY_RUNNING;
    }
    if (!main_window_register(instance) || !subdlg_register(instance) || !tab_control_register(instance))
        return APP_FAILED;
    if (!NetViewInitDomainLookup() || !NetViewInitHostLookup()) {
        report_message(IDS_TITLE_ERROR_DB, IDS_NETWORK_FAILURE);
        return APP_FAILED;
    }
    HWND window = main_window_create(instance, panels);
    if (!window) return APP_FAILED;
    help_init(window);
    set_title(nullptr);
    ShowWindow(window, show);
    *main = window;
    return APP_STARTED;
}
