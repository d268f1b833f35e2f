// The About box.
#include <windows.h>

#include "api/requests.h"
#include "api/text_fill.h"
#include "resources/shell_ids.h"
#include "resources/strings.h"
#include "shell/dialogs_win32.h"

namespace {

INT_PTR CALLBACK about_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: {
            const char* product = string_text(IDS_PRODUCT_TITLE);
            char title[200];
            fill_text(title, sizeof title, string_text(IDS_ABOUT_TITLE), &product, 1);
            SetWindowTextA(dialog, title);
            SetDlgItemTextA(dialog, IDC_ABOUT_TITLE, product);
            char version[16];
            format_version(CONSOLE_VERSION, version, sizeof version);
            const char* version_text = version;
            char notice[200];
            fill_text(notice, sizeof notice, string_text(IDS_ABOUT_NOTICE), &version_text, 1);
            SetDlgItemTextA(dialog, IDC_ABOUT_NOTICE, notice);
            center_over_owner(dialog);
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) {
                EndDialog(dialog, LOWORD(wparam));
                return TRUE;
            }
            break;
    }
    return FALSE;
}

}  // namespace

void about_dialog_run(HWND owner) { run_dialog(owner, IDD_ABOUT, about_proc, nullptr); }
