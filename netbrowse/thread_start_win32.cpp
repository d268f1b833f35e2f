#include <windows.h>

#include <new>

#include "netbrowse/thread_start.h"

namespace {

struct Start {
    ThreadBody body;
    void* argument;
    HMODULE module;
};

DWORD WINAPI run(void* raw) {
    Start start = *static_cast<Start*>(raw);
    delete static_cast<Start*>(raw);
    start.body(start.argument);
    // The thread held the library loaded while it ran: release it on the way
    // out, so that unloading never pulls the code from under a lookup.
    FreeLibraryAndExitThread(start.module, 0);
}

}  // namespace

bool start_system_thread(ThreadBody body, void* argument) {
    Start* start = new (std::nothrow) Start{body, argument, nullptr};
    if (!start) return false;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCWSTR>(&run), &start->module)) {
        delete start;
        return false;
    }
    // A small reservation rather than the program's default, as fifty
    // workers may run at once, yet room enough for the network client's own
    // calls. Started suspended, then let go.
    HANDLE thread =
        CreateThread(nullptr, 256 * 1024, run, start, CREATE_SUSPENDED | STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    if (!thread) {
        FreeLibrary(start->module);
        delete start;
        return false;
    }
    ResumeThread(thread);
    CloseHandle(thread);
    return true;
}
