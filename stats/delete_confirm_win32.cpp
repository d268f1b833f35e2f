// "Delete Current User Record": one session's fields and the four answers.
#include "stats/stats_ids.h"
#include "stats/stats_win32.h"
#include "ui/dialogs_win32.h"
#include "ui/help.h"

namespace {

struct ConfirmDialog {
    const CurrentUserRecord* record;
    uint32_t previous_help;
};

void show_record(HWND dialog, const CurrentUserRecord& record) {
    const struct {
        int id;
        const char* text;
    } fields[] = {
        {IDC_CONFIRM_USER, record.user_name}, {IDC_CONFIRM_RAS_CLIENT, record.ras_client},
        {IDC_CONFIRM_PORT, record.port_text}, {IDC_CONFIRM_PORT_TYPE, record.port_type},
        {IDC_CONFIRM_TIME, record.time_text}, {IDC_CONFIRM_SESSION_ID, record.session_id},
        {IDC_CONFIRM_IP, record.ip_text},
    };
    for (const auto& field : fields) SetDlgItemTextA(dialog, field.id, field.text);
}

void answer(HWND dialog, ConfirmDialog* state, DeleteAnswer result) {
    help_set_context(state->previous_help);
    EndDialog(dialog, result);
}

INT_PTR CALLBACK confirm_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    ConfirmDialog* state = (ConfirmDialog*)dialog_state(dialog, message, lparam);
    if (!state) return FALSE;
    switch (message) {
        case WM_INITDIALOG:
            center_over_owner(dialog);
            state->previous_help = help_set_context(HELP_CONTEXT_DELETE_CURRENT_USER);
            show_record(dialog, *state->record);
            // Enter deletes this one session, never all of them.
            SetFocus(GetDlgItem(dialog, IDC_CONFIRM_DELETE));
            return FALSE;
        case WM_COMMAND:
            switch (LOWORD(wparam)) {
                case IDC_CONFIRM_DELETE_ALL: answer(dialog, state, DELETE_ALL); return TRUE;
                case IDC_CONFIRM_DELETE: answer(dialog, state, DELETE_ONE); return TRUE;
                case IDC_CONFIRM_KEEP: answer(dialog, state, DELETE_KEEP); return TRUE;
                // Cancel, Escape and the close box.
                case IDCANCEL: answer(dialog, state, DELETE_CANCEL); return TRUE;
            }
            break;
    }
    return FALSE;
}

}  // namespace

DeleteAnswer delete_confirm_run(HWND owner, const CurrentUserRecord& record) {
    ConfirmDialog state = {&record, 0};
    INT_PTR result = run_dialog(owner, IDD_DELETE_CURRENT_USER, confirm_proc, &state);
    // A dialog that could not be opened deletes nothing.
    if (result < DELETE_ALL || result > DELETE_CANCEL) return DELETE_CANCEL;
    return (DeleteAnswer)result;
}
