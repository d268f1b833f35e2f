#include "tests/support/own_desktop_win32.h"

#include <windows.h>

void enter_own_desktop(const char* name) {
    // Wine makes a named desktop virtual when it has a size.
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\Explorer\\Desktops", 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) == ERROR_SUCCESS) {
        const char size[] = "1280x800";
        RegSetValueExA(key, name, 0, REG_SZ, (const BYTE*)size, sizeof size);
        RegCloseKey(key);
    }
    HDESK desktop = CreateDesktopA(name, nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    if (desktop) SetThreadDesktop(desktop);
}
