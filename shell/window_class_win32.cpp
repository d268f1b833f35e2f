#include "shell/window_class_win32.h"

bool register_window_class(const WNDCLASSA& window_class) {
    WNDCLASSA existing;
    if (GetClassInfoA(window_class.hInstance, window_class.lpszClassName, &existing)) return true;
    return RegisterClassA(&window_class) != 0;
}
