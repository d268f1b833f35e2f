// keeladmnt.exe: the console.
#include <windows.h>

#include "console/panel_table_win32.h"
#include "shell/app_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    HWND main = nullptr;
    if (app_start(instance, show, CONSOLE_PANELS, &main) != APP_STARTED) return 0;
    return app_run();
}
