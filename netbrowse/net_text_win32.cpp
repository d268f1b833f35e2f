#include "netbrowse/net_text_win32.h"

#include <windows.h>

void net_name_from_ansi(const char* text, NetName* name) {
    name->text[0] = 0;
    if (!text) return;
    // Only the first 256 bytes are the caller's name.
    int length = int(strnlen(text, NET_NAME_MAX));
    int units = MultiByteToWideChar(CP_ACP, 0, text, length, reinterpret_cast<wchar_t*>(name->text), NET_NAME_MAX);
    name->text[units > 0 ? units : 0] = 0;
}

void net_name_to_ansi(const char16_t* name, char* text, uint32_t size) {
    if (!size) return;
    int length = int(net_text_length(name));
    int bytes = WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<const wchar_t*>(name), length, text, int(size - 1),
                                    nullptr, nullptr);
    if (bytes <= 0 && length > 0) {
        // Too long for the field: convert by character until it is full.
        bytes = 0;
        for (int i = 0; i < length; ++i) {
            char one[8];
            int n = WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<const wchar_t*>(name + i), 1, one, sizeof one,
                                        nullptr, nullptr);
            if (n <= 0 || uint32_t(bytes + n) > size - 1) break;
            memcpy(text + bytes, one, size_t(n));
            bytes += n;
        }
    }
    text[bytes > 0 ? bytes : 0] = 0;
}
