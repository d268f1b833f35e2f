// A small service for the library's tests under Wine: it runs until it is
// asked to stop. With "--sleep" it is an ordinary program that waits a
// minute, for the process-ending tests.
#include <string.h>
#include <windows.h>

namespace {

struct ServiceState {
    SERVICE_STATUS_HANDLE handle;
    HANDLE stop;
};

ServiceState service;

void report(DWORD state) {
    SERVICE_STATUS status = {};
    status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    status.dwCurrentState = state;
    status.dwControlsAccepted = state == SERVICE_RUNNING ? SERVICE_ACCEPT_STOP : 0;
    status.dwWaitHint = 2000;
    SetServiceStatus(service.handle, &status);
}

DWORD WINAPI control(DWORD code, DWORD, void*, void*) {
    if (code == SERVICE_CONTROL_STOP) {
        report(SERVICE_STOP_PENDING);
        SetEvent(service.stop);
    }
    return NO_ERROR;
}

void WINAPI service_main(DWORD, char**) {
    service.stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    service.handle = RegisterServiceCtrlHandlerExA("", control, nullptr);
    if (service.handle == nullptr) return;
    report(SERVICE_RUNNING);
    WaitForSingleObject(service.stop, INFINITE);
    // Stopping takes a moment, so the stop is waited for.
    Sleep(1500);
    report(SERVICE_STOPPED);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && strcmp(argv[1], "--sleep") == 0) {
        Sleep(60000);
        return 0;
    }
    char name[] = "";
    SERVICE_TABLE_ENTRYA table[] = {{name, service_main}, {nullptr, nullptr}};
    return StartServiceCtrlDispatcherA(table) ? 0 : 1;
}
