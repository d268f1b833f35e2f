#include "sim/stop_wait.h"

#include <windows.h>

static HANDLE stop_requested;
static HANDLE stopped;

static BOOL WINAPI on_console_event(DWORD event) {
    SetEvent(stop_requested);
    // Closing the console ends the process when this handler returns: hold
    // on until the state is saved (Windows allows about five seconds).
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT)
        WaitForSingleObject(stopped, 4500);
    return TRUE;
}

bool stop_wait_prepare() {
    stop_requested = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    stopped = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    return stop_requested && stopped && SetConsoleCtrlHandler(on_console_event, TRUE);
}

void stop_wait() { WaitForSingleObject(stop_requested, INFINITE); }

void stop_wait_done() { SetEvent(stopped); }
