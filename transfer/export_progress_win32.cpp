#include "transfer/export_progress_win32.h"

#include <commctrl.h>
#include <stdio.h>
#include <string.h>

#include "api/text_field.h"
#include "resources/strings.h"
#include "transfer/transfer_ids.h"
#include "transfer/waiting_messages_win32.h"
#include "ui/dialogs_win32.h"

namespace {

INT_PTR CALLBACK progress_proc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

}  // namespace

void export_progress_open(ExportProgressWindow* progress, HWND owner) {
    progress->owner = owner;
    progress->last_update = 0;
    progress->last_step[0] = 0;
    progress->window =
        CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_EXPORT_PROGRESS), owner, progress_proc, 0);
    if (owner) EnableWindow(owner, FALSE);
    if (!progress->window) return;
    center_over_owner(progress->window);
    ShowWindow(progress->window, SW_SHOW);
    UpdateWindow(progress->window);
}

void export_progress_update(void* context, const ExportProgress& progress) {
    ExportProgressWindow* window = (ExportProgressWindow*)context;
    if (!window->window) return;
    HWND bar = GetDlgItem(window->window, IDC_EXPORT_BAR);
    SendMessageA(bar, PBM_SETRANGE32, 0, progress.total ? (LPARAM)progress.total : 1);
    SendMessageA(bar, PBM_SETPOS, progress.done, 0);
    // The texts at most 20 times a second, and at every new step.
    DWORD now = GetTickCount();
    if (strcmp(progress.step, window->last_step) != 0 || now - window->last_update >= 50) {
        char text[400];
        snprintf(text, sizeof text, string_text(IDS_EXPORT_STATUS), progress.step, progress.object);
        SetDlgItemTextA(window->window, IDC_EXPORT_STATUS, text);
        copy_text(window->last_step, sizeof window->last_step, progress.step);
        window->last_update = now;
    }
    run_waiting_messages(window->window);
}

void export_progress_close(ExportProgressWindow* progress) {
    // The owner first, so that it, not another program, becomes active.
    if (progress->owner) EnableWindow(progress->owner, TRUE);
    if (progress->window) DestroyWindow(progress->window);
    progress->window = nullptr;
}
