// keeladmnt.exe: the console.
#include <windows.h>

#include "shell/app_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    HWND main = nullptr;
    if (app_start(instance, show, &main) != APP_STARTED) return 0;
    return app_run();
}
