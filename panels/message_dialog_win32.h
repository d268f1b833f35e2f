// Edit Rejection Message: one of the configuration panel's messages in a
// multi-line field with real line breaks.
#pragma once

#include <windows.h>

#include <stdint.h>

// OK hands the text to the panel (which marks itself modified) and returns
// true; Cancel changes nothing.
bool message_dialog_run(HWND owner, uint32_t message);
