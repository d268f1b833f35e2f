#include <windows.h>

#include "api/session.h"
#include "resources/shell_ids.h"
#include "shell/app_win32.h"
#include "shell/main_window_win32.h"
#include "shell/subdlg_win32.h"

namespace {

bool inside(HWND top, HWND window) { return top && window && (window == top || IsChild(top, window)); }

}  // namespace

void app_dispatch(MSG* message) {
    HWND top = main_window();
    bool for_frame = inside(top, message->hwnd);
    bool key = message->message == WM_KEYDOWN || message->message == WM_KEYUP;
    if (key && for_frame) {
        // The visible panel sees its keys first and may keep them.
        HWND panel = visible_panel();
        if (panel && SendMessageA(panel, message->message, message->wParam, message->lParam) != 0) return;
    }
    if (for_frame && message->message == WM_KEYDOWN && message->wParam == VK_F1) {
        PostMessageA(top, WM_COMMAND, IDM_HELP_F1, 0);
    } else if (!for_frame || !subdlg_translate_message(top, message)) {
        TranslateMessage(message);
        DispatchMessageA(message);
    }
}

int app_run() {
    MSG message = {};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) app_dispatch(&message);
    disconnect();
    return (int)message.wParam;
}
