#include "transfer/users_import_options_win32.h"

#include "platform/charset.h"
#include "resources/strings.h"
#include "transfer/users_import_ids.h"
#include "ui/dialogs_win32.h"

namespace {

void fill_formats(HWND combo, const UsersImportChoices& choices) {
    // In the order of the sorted names: a row's index is its format's.
    for (uint32_t i = 0; i < choices.formats.count; ++i)
        SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)name_list_at(&choices.formats, i));
    SendMessageA(combo, CB_SETCURSEL, (WPARAM)(choices.format >= 0 ? choices.format : 0), 0);
}

void fill_profiles(HWND combo, const UsersImportChoices& choices) {
    SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)string_text(IDS_NO_PROFILE));
    char shown[PROFILE_NAME_SIZE];
    for (uint32_t i = 0; i < choices.profiles.count; ++i) {
        oem_to_ansi(name_list_at(&choices.profiles, i), shown, sizeof shown);
        SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)shown);
    }
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
}

void init_dialog(HWND dialog, const UsersImportChoices& choices) {
    center_over_owner(dialog);
    fill_formats(GetDlgItem(dialog, IDC_UIMPORT_FORMAT), choices);
    fill_profiles(GetDlgItem(dialog, IDC_UIMPORT_PROFILE), choices);
    CheckRadioButton(dialog, IDC_UIMPORT_PAP_CHAP, IDC_UIMPORT_PAP_ONLY,
                     choices.pap_only ? IDC_UIMPORT_PAP_ONLY : IDC_UIMPORT_PAP_CHAP);
}

void take_choices(HWND dialog, UsersImportChoices* choices) {
    choices->format = (int64_t)SendDlgItemMessageA(dialog, IDC_UIMPORT_FORMAT, CB_GETCURSEL, 0, 0);
    // Row 0 is "<no profile>"; the others follow the sorted names.
    LRESULT profile = SendDlgItemMessageA(dialog, IDC_UIMPORT_PROFILE, CB_GETCURSEL, 0, 0);
    choices->profile = profile <= 0 ? -1 : (int64_t)(profile - 1);
    choices->ignore_attributes = IsDlgButtonChecked(dialog, IDC_UIMPORT_IGNORE) == BST_CHECKED;
    choices->pap_only = IsDlgButtonChecked(dialog, IDC_UIMPORT_PAP_ONLY) == BST_CHECKED;
}

INT_PTR CALLBACK options_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    UsersImportChoices* choices = (UsersImportChoices*)dialog_state(dialog, message, lparam);
    if (!choices) return FALSE;
    switch (message) {
        case WM_INITDIALOG: init_dialog(dialog, *choices); return TRUE;
        case WM_COMMAND:
            if (LOWORD(wparam) == IDOK) {
                take_choices(dialog, choices);
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (LOWORD(wparam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            break;
    }
    return FALSE;
}

}  // namespace

bool users_import_options_run(HWND owner, UsersImportChoices* choices, ImportDictionaryTables* tables,
                              UsersImportOptions* options) {
    if (!users_import_options_start(owner, choices)) return false;
    if (run_dialog(owner, IDD_USERS_IMPORT_OPTIONS, options_proc, choices) != IDOK) return false;
    return users_import_options_accept(owner, choices, tables, options);
}
