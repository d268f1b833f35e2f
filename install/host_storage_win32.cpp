// The registry, files and waiting.
#include "install/host_win32.h"

namespace {

uint32_t open_key(void*, const char* path, HostHandle* key) {
    HKEY handle = nullptr;
    LONG status = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &handle);
    if (status != ERROR_SUCCESS) return static_cast<uint32_t>(status);
    *key = handle;
    return 0;
}

uint32_t read_string(void*, HostHandle key, const char* value, char* text, size_t text_size) {
    char raw[1024];
    DWORD type = 0;
    DWORD size = sizeof raw - 1;
    LONG status = RegQueryValueExA(static_cast<HKEY>(key), value, nullptr, &type, reinterpret_cast<BYTE*>(raw), &size);
    if (status != ERROR_SUCCESS) return static_cast<uint32_t>(status);
    if (type != REG_SZ && type != REG_EXPAND_SZ) return ERROR_INVALID_DATA;
    raw[size] = '\0';  // stored values need not end with a NUL
    if (type == REG_SZ) {
        if (static_cast<size_t>(lstrlenA(raw)) >= text_size) return ERROR_INSUFFICIENT_BUFFER;
        CopyMemory(text, raw, static_cast<size_t>(lstrlenA(raw)) + 1);
        return 0;
    }
    DWORD needed = ExpandEnvironmentStringsA(raw, text, static_cast<DWORD>(text_size));
    if (needed == 0) return GetLastError();
    return needed > text_size ? ERROR_INSUFFICIENT_BUFFER : 0;
}

void close_key(void*, HostHandle key) {
    if (key != nullptr) RegCloseKey(static_cast<HKEY>(key));
}

uint32_t replace_file(void*, const char* path, const void* data, size_t length) {
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError();
    DWORD written = 0;
    uint32_t error = 0;
    if (!WriteFile(file, data, static_cast<DWORD>(length), &written, nullptr)) {
        error = GetLastError();
    } else if (written != length) {
        error = ERROR_WRITE_FAULT;
    }
    if (!CloseHandle(file) && error == 0) error = GetLastError();
    return error;
}

uint32_t ensure_file(void*, const char* path) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError();
    CloseHandle(file);
    return 0;
}

void sleep_ms(void*, uint32_t milliseconds) { Sleep(milliseconds); }

}  // namespace

void add_storage_functions(InstallHost* host) {
    host->open_key = open_key;
    host->read_string = read_string;
    host->close_key = close_key;
    host->replace_file = replace_file;
    host->ensure_file = ensure_file;
    host->sleep_ms = sleep_ms;
}
