#include "install/host_win32.h"

InstallHost win32_install_host() {
    InstallHost host = {};
    add_service_manager_functions(&host);
    add_account_functions(&host);
    add_process_functions(&host);
    add_storage_functions(&host);
    return host;
}

bool to_wide(const char* text, wchar_t* wide, int count) {
    if (count <= 0) return false;
    wide[0] = L'\0';
    return text != nullptr && MultiByteToWideChar(CP_ACP, 0, text, -1, wide, count) != 0;
}
