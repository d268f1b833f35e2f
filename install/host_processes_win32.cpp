// Running processes, and the counter-text loader.
#include "install/host_win32.h"
// After <windows.h>, which the host header brings.
#include <loadperf.h>
#include <psapi.h>

namespace {

const size_t COMMAND_LINE_SIZE = 1024;

uint32_t list_processes(void*, uint32_t* ids, size_t capacity, size_t* count) {
    DWORD bytes = 0;
    DWORD buffer[1024];
    if (!EnumProcesses(buffer, sizeof buffer, &bytes)) return GetLastError();
    size_t listed = bytes / sizeof(DWORD);
    *count = listed < capacity ? listed : capacity;
    for (size_t i = 0; i < *count; ++i) ids[i] = buffer[i];
    return 0;
}

uint32_t current_process(void*, uint32_t* id, char* path, size_t path_size) {
    *id = GetCurrentProcessId();
    DWORD length = GetModuleFileNameA(nullptr, path, static_cast<DWORD>(path_size));
    if (length == 0 || length >= path_size) return length == 0 ? GetLastError() : ERROR_INSUFFICIENT_BUFFER;
    return 0;
}

uint32_t open_process(void*, uint32_t id, HostHandle* process) {
    HANDLE handle = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | PROCESS_TERMINATE, FALSE, id);
    if (handle == nullptr) return GetLastError();
    *process = handle;
    return 0;
}

uint32_t process_path(void*, HostHandle process, char* path, size_t path_size) {
    DWORD length = GetModuleFileNameExA(static_cast<HANDLE>(process), nullptr, path, static_cast<DWORD>(path_size));
    if (length == 0 || length >= path_size) return length == 0 ? GetLastError() : ERROR_INSUFFICIENT_BUFFER;
    return 0;
}

uint32_t terminate_process(void*, HostHandle process, uint32_t exit_code) {
    return TerminateProcess(static_cast<HANDLE>(process), exit_code) ? 0 : GetLastError();
}

bool process_ended(void*, HostHandle process) {
    DWORD code = 0;
    return !GetExitCodeProcess(static_cast<HANDLE>(process), &code) || code != STILL_ACTIVE;
}

void close_process(void*, HostHandle process) {
    if (process != nullptr) CloseHandle(static_cast<HANDLE>(process));
}

uint32_t load_counter_texts(void*, const char* command_line) {
    // The loader takes a writable command line.
    char copy[COMMAND_LINE_SIZE];
    int length = lstrlenA(command_line);
    if (length < 0 || static_cast<size_t>(length) >= sizeof copy) return ERROR_INVALID_PARAMETER;
    CopyMemory(copy, command_line, static_cast<size_t>(length) + 1);
    return LoadPerfCounterTextStringsA(copy, TRUE);
}

}  // namespace

void add_process_functions(InstallHost* host) {
    host->list_processes = list_processes;
    host->current_process = current_process;
    host->open_process = open_process;
    host->process_path = process_path;
    host->terminate_process = terminate_process;
    host->process_ended = process_ended;
    host->close_process = close_process;
    host->load_counter_texts = load_counter_texts;
}
