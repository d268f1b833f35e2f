// Radius Administrator Settings and Report Selections.
#include <windows.h>

#include <commdlg.h>

#include "report/report_ids.h"
#include "report/report_settings.h"
#include "report/report_win32.h"
#include "resources/strings.h"
#include "ui/dialogs_win32.h"
#include "ui/help.h"

namespace {

void browse_viewer(HWND dialog) {
    char path[MAX_PATH] = "";
    GetDlgItemTextA(dialog, IDC_REPORT_VIEWER, path, sizeof path);
    OPENFILENAMEA open = {};
    open.lStructSize = sizeof open;
    open.hwndOwner = dialog;
    open.lpstrFilter = "Executable Files (*.EXE)\0*.EXE\0All Files (*.*)\0*.*\0";
    open.lpstrFile = path;
    open.nMaxFile = sizeof path;
    open.lpstrTitle = string_text(IDS_SELECT_VIEWER_TITLE);
    open.lpstrDefExt = "EXE";
    open.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    if (GetOpenFileNameA(&open)) SetDlgItemTextA(dialog, IDC_REPORT_VIEWER, path);
}

INT_PTR CALLBACK settings_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: {
            center_over_owner(dialog);
            char value[SETTING_SIZE];
            SendDlgItemMessageA(dialog, IDC_REPORT_VIEWER, EM_LIMITTEXT, SETTING_SIZE - 1, 0);
            SendDlgItemMessageA(dialog, IDC_REPORT_FILENAME, EM_LIMITTEXT, SETTING_SIZE - 1, 0);
            read_report_viewer(SETTINGS_FILE, value, sizeof value);
            SetDlgItemTextA(dialog, IDC_REPORT_VIEWER, value);
            read_report_filename(SETTINGS_FILE, value, sizeof value);
            SetDlgItemTextA(dialog, IDC_REPORT_FILENAME, value);
            return TRUE;
        }
        case WM_COMMAND:
            switch (LOWORD(wparam)) {
                case IDC_REPORT_BROWSE: browse_viewer(dialog); return TRUE;
                case IDOK: {
                    char viewer[SETTING_SIZE], name[SETTING_SIZE];
                    GetDlgItemTextA(dialog, IDC_REPORT_VIEWER, viewer, sizeof viewer);
                    GetDlgItemTextA(dialog, IDC_REPORT_FILENAME, name, sizeof name);
                    save_report_files(SETTINGS_FILE, viewer, name);
                    EndDialog(dialog, IDOK);
                    return TRUE;
                }
                case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
            }
            break;
    }
    return FALSE;
}

// The boxes in section order.
const int SECTION_BOXES[SECTION_COUNT] = {IDC_REPORT_RAS_CLIENTS,   IDC_REPORT_PROXIES,    IDC_REPORT_USERS,
                                          IDC_REPORT_PROFILES,      IDC_REPORT_POOLS,      IDC_REPORT_ACCESS,
                                          IDC_REPORT_CONFIGURATION, IDC_REPORT_STATISTICS, IDC_REPORT_CURRENT_USERS};

// While "All" is chosen every box is checked and cannot be changed; the
// boxes remember their own choice for "Selected".
void follow_all(HWND dialog, ReportSelection* selection) {
    selection->all = IsDlgButtonChecked(dialog, IDC_REPORT_ALL) == BST_CHECKED;
    for (int i = 0; i < SECTION_COUNT; ++i) {
        HWND box = GetDlgItem(dialog, SECTION_BOXES[i]);
        CheckDlgButton(dialog, SECTION_BOXES[i],
                       selection->all || selection->sections[i] ? BST_CHECKED : BST_UNCHECKED);
        EnableWindow(box, selection->all ? FALSE : TRUE);
    }
}

INT_PTR CALLBACK selections_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    ReportSelection* selection = (ReportSelection*)dialog_state(dialog, message, lparam);
    if (!selection) return FALSE;
    switch (message) {
        case WM_INITDIALOG:
            center_over_owner(dialog);
            CheckRadioButton(dialog, IDC_REPORT_ALL, IDC_REPORT_SELECTED,
                             selection->all ? IDC_REPORT_ALL : IDC_REPORT_SELECTED);
            follow_all(dialog, selection);
            return TRUE;
        case WM_COMMAND: {
            const int id = LOWORD(wparam);
            if (id == IDC_REPORT_ALL || id == IDC_REPORT_SELECTED) {
                follow_all(dialog, selection);
                return TRUE;
            }
            for (int i = 0; i < SECTION_COUNT; ++i)
                if (id == SECTION_BOXES[i] && !selection->all)
                    selection->sections[i] = IsDlgButtonChecked(dialog, id) == BST_CHECKED;
            if (id == IDOK) {
                if (selection->all)
                    for (bool& on : selection->sections) on = true;
                save_report_selection(SETTINGS_FILE, *selection);
                EndDialog(dialog, IDOK);
            }
            if (id == IDCANCEL) EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
    }
    return FALSE;
}

}  // namespace

void report_settings_dialog_run(HWND owner) {
    const uint32_t previous = help_set_context(HELP_CONTEXT_REPORT);
    run_dialog(owner, IDD_REPORT_SETTINGS, settings_proc, nullptr);
    help_set_context(previous);
}

bool report_selections_run(HWND owner, ReportSelection* selection) {
    *selection = read_report_selection(SETTINGS_FILE);
    const uint32_t previous = help_set_context(HELP_CONTEXT_REPORT);
    const bool chosen = run_dialog(owner, IDD_REPORT_SELECTIONS, selections_proc, selection) == IDOK;
    help_set_context(previous);
    return chosen;
}
