// Running the window messages that wait while a long transfer goes on, so
// every window stays painted; a quit request is passed on to the main loop.
#pragma once

#include <windows.h>

// Runs what is waiting; keys for `dialog` go through its dialog handling.
void run_waiting_messages(HWND dialog);
