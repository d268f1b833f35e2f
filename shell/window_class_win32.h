// Registering the frame's window classes.
#pragma once

#include <windows.h>

// Registers `window_class` unless a class of that name is already registered
// for its instance (a program hosting the frame twice, as the GUI tests do).
bool register_window_class(const WNDCLASSA& window_class);
