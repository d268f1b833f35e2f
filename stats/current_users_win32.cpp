// The Current Users window: the session list of session_list.cpp in a grid
// of keelgrid32, under a heading strip whose columns are dragged onto each
// other to change the order, with Refresh and Delete.
#include <windows.h>

#include <stdio.h>

#include "api/report.h"
#include "api/status.h"
#include "grid/keelgrid32_win32.h"
#include "resources/strings.h"
#include "stats/stats_ids.h"
#include "stats/stats_win32.h"
#include "ui/dialogs_win32.h"
#include "ui/filled_prompt.h"
#include "ui/help.h"
#include "ui/wait_cursor.h"

namespace {

const char HEADING_CLASS[] = "VornStatGrid";
// Set on the heading strip while a column is being dragged.
const char DRAG_PROPERTY[] = "KeelColumnDrag";
// The heading strip tells the window that a drag ended outside the columns.
const UINT DRAG_ABANDONED = WM_APP + 1;

struct CurrentUsersWindow {
    SessionList list;
    bool ignore_row_change;  // set for the first one, which comes from the focus given at opening
    int32_t reported_row;    // the grid's current row as last reported, -1 for none
    uint32_t previous_help;
};

HWND grid_of(HWND window) { return GetDlgItem(window, IDC_CU_GRID); }
HWND heading_of(HWND window) { return GetDlgItem(window, IDC_CU_HEADING); }

// Answers the cursor while a drag shows its own; everything else is the
// grid's heading strip.
LRESULT CALLBACK heading_proc(HWND strip, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_SETCURSOR && GetPropA(strip, DRAG_PROPERTY)) return TRUE;
    LRESULT result = MainTableProc(strip, message, wparam, lparam);
    // Released outside every column, the strip reports nothing: the drag
    // must not outlive the button.
    if ((message == WM_LBUTTONUP || message == WM_CAPTURECHANGED) && GetPropA(strip, DRAG_PROPERTY))
        SendMessageA(GetParent(strip), DRAG_ABANDONED, 0, 0);
    return result;
}

bool register_heading_class(HINSTANCE instance) {
    WNDCLASSEXA existing = {};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(instance, HEADING_CLASS, &existing)) return true;
    WNDCLASSEXA copy = {};
    copy.cbSize = sizeof copy;
    if (!GetClassInfoExA(instance, TABLE_CLASS_NAME, &copy)) return false;
    copy.style &= ~CS_GLOBALCLASS;
    copy.lpfnWndProc = heading_proc;
    copy.hInstance = instance;
    copy.lpszClassName = HEADING_CLASS;
    return RegisterClassExA(&copy) != 0;
}

void update_delete_button(HWND window, const CurrentUsersWindow& state) {
    HWND delete_button = GetDlgItem(window, IDC_CU_DELETE);
    bool enable = state.list.selected_count > 0;
    bool had_focus = GetFocus() == delete_button;
    EnableWindow(delete_button, enable ? TRUE : FALSE);
    if (!enable && had_focus) SendMessageA(window, WM_NEXTDLGCTL, (WPARAM)GetDlgItem(window, IDC_CU_REFRESH), TRUE);
}

void repaint(HWND window, const CurrentUsersWindow& state) {
    TB_RedrawTable(grid_of(window));
    update_delete_button(window, state);
}

void set_widths(HWND window, const CurrentUsersWindow& state) {
    for (uint32_t c = 0; c < SESSION_COLUMN_COUNT; ++c)
        SendMessageA(grid_of(window), TBM_SETCOLWIDTH, c, state.list.columns[c].width);
}

void close_window(HWND window, CurrentUsersWindow* state) {
    help_set_context(state->previous_help);
    EndDialog(window, 0);
}

// False when the window cannot hold the list: it has said so and closes.
bool fetch(HWND window, CurrentUsersWindow* state) {
    uint16_t status = while_waiting([&] { return session_list_fetch(&state->list); });
    if (status == STATUS_OUT_OF_MEMORY) {
        show_filled_prompt(window, IDS_TITLE_ERROR, IDS_OUT_OF_MEMORY, nullptr, 0, PROMPT_ICON_STOP, PROMPT_OK);
        close_window(window, state);
        return false;
    }
    // A batch of more than 72 ends the list with what came before it; any
    // other failure is said, so that a broken connection does not pass
    // for a server without sessions.
    if (status != 0 && status != STATUS_TOO_MANY_RECORDS) report_status(IDS_TITLE_ERROR_DB, IDS_LOAD_FAILED, status);
    return true;
}

void refresh(HWND window, CurrentUsersWindow* state) {
    if (!fetch(window, state)) return;
    HWND grid = grid_of(window);
    SendMessageA(grid, TBM_SETROWCOUNT, 0, session_list_row_count(state->list));
    // The grid may report these moves at once: they are not the user's.
    state->ignore_row_change = true;
    SendMessageA(grid, TBM_SETCURROW, 0, 0);
    SendMessageA(grid, TBM_CLEARCURROW, 0, 0);
    state->reported_row = -1;
    state->ignore_row_change = false;
    repaint(window, *state);
}

bool open_window(HWND window, CurrentUsersWindow* state) {
    center_over_owner(window);
    state->previous_help = help_set_context(HELP_CONTEXT_CURRENT_USERS);
    state->reported_row = -1;
    if (!fetch(window, state)) return false;
    HWND grid = grid_of(window), heading = heading_of(window);
    int widths[SESSION_COLUMN_COUNT];
    for (uint32_t c = 0; c < SESSION_COLUMN_COUNT; ++c) widths[c] = state->list.columns[c].width;
    TB_SetupTable(grid, heading, nullptr, 0, SESSION_COLUMN_COUNT, widths, 2, 1);
    state->list.visible_rows = (uint32_t)SendMessageA(grid, TBM_GETVISIBLEROWS, 0, 0);
    SendMessageA(grid, TBM_SETROWCOUNT, 0, session_list_row_count(state->list));
    SendMessageA(grid, TBM_SETTRACKWIDTH, 1, 0);
    SendMessageA(grid, TBM_ENABLEDROP, 1, 0);
    TB_FitHeadingToTable(grid, 0, 2);
    TB_FitToWindow(grid, SESSION_COLUMN_COUNT);
    for (uint32_t c = 0; c < SESSION_COLUMN_COUNT; ++c)
        state->list.columns[c].width = (int32_t)SendMessageA(grid, TBM_GETCOLWIDTH, c, 0);
    state->ignore_row_change = true;
    SetFocus(grid);
    return true;
}

DeleteAnswer confirm_delete(void* context, const CurrentUserRecord& record) {
    return delete_confirm_run((HWND)context, record);
}

void delete_clicked(HWND window, CurrentUsersWindow* state) {
    if (state->list.selected_count == 0) return;
    uint32_t sent = session_list_delete_selected(&state->list, confirm_delete, window);
    if (sent > 0) refresh(window, state);
}

void cell_text(const CurrentUsersWindow& state, TableNotify* n) {
    const SessionColumn& column = state.list.columns[n->column];
    snprintf(n->text, 256, "%s", session_list_cell(state.list, n->row, n->column));
    bool selected = session_list_is_selected(state.list, n->row);
    n->text_colour = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    n->background_colour = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    n->alignment = column.alignment;
}

void end_drag(HWND window, CurrentUsersWindow* state, int32_t column) {
    HWND strip = heading_of(window);
    RemovePropA(strip, DRAG_PROPERTY);
    if (GetCapture() == strip) ReleaseCapture();
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    if (!session_list_end_drag(&state->list, column)) return;
    set_widths(window, *state);
    repaint(window, *state);
}

void heading_notification(HWND window, CurrentUsersWindow* state, UINT code, TableNotify* n) {
    if (n->column < 0 || (uint32_t)n->column >= SESSION_COLUMN_COUNT) return;
    switch (code) {
        case TBN_GETTEXT: snprintf(n->text, 256, "%s", state->list.columns[n->column].heading); break;
        case TBN_COLSIZED: state->list.columns[n->column].width = (int32_t)n->value; break;
        case TBN_CLICK:
            if (n->extra == 1) {
                HWND strip = heading_of(window);
                session_list_begin_drag(&state->list, n->column);
                SetPropA(strip, DRAG_PROPERTY, (HANDLE)1);
                SetCapture(strip);
                SetCursor(LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_COLUMN_DRAG_CURSOR)));
            } else if (state->list.dragging) {
                end_drag(window, state, n->column);
            }
            break;
    }
}

void grid_notification(HWND window, CurrentUsersWindow* state, UINT code, TableNotify* n) {
    if (n->row < 0) return;
    uint32_t keys = (uint32_t)n->value & (SESSION_KEY_CTRL | SESSION_KEY_SHIFT);
    bool changed = false;
    switch (code) {
        case TBN_GETTEXT: cell_text(*state, n); return;
        case TBN_ROWCHANGED:
            state->reported_row = n->row;
            if (state->ignore_row_change) {
                state->ignore_row_change = false;
                return;
            }
            changed = session_list_row_changed(&state->list, n->row, keys);
            break;
        case TBN_CLICK:
        case TBN_CLICKCURRENT:
            // A click that moves the row is handled by the row change that
            // follows; one on the same row brings no row change.
            if (n->row == state->reported_row) changed = session_list_clicked(&state->list, n->row, keys);
            break;
        case TBN_KEY:
            if (n->value == -VK_DELETE) {
                if (IsWindowEnabled(GetDlgItem(window, IDC_CU_DELETE))) delete_clicked(window, state);
                return;
            }
            if (n->value == ' ') changed = session_list_space(&state->list, n->row);
            break;
        default: return;
    }
    if (changed) repaint(window, *state);
}

INT_PTR CALLBACK current_users_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    CurrentUsersWindow* state = (CurrentUsersWindow*)dialog_state(window, message, lparam);
    if (!state) return FALSE;
    switch (message) {
        case WM_INITDIALOG: open_window(window, state); return FALSE;
        case DRAG_ABANDONED:
            if (state->list.dragging) end_drag(window, state, -1);
            return TRUE;
        case WM_COMMAND: {
            HWND sender = (HWND)lparam;
            UINT code = HIWORD(wparam);
            if (sender && (LOWORD(wparam) == IDC_CU_GRID || LOWORD(wparam) == IDC_CU_HEADING) && code >= TBN_GETTEXT) {
                TableNotify* n = (TableNotify*)SendMessageA(grid_of(window), TBM_GETNOTIFY, 0, 0);
                if (LOWORD(wparam) == IDC_CU_HEADING)
                    heading_notification(window, state, code, n);
                else
                    grid_notification(window, state, code, n);
                return TRUE;
            }
            switch (LOWORD(wparam)) {
                case IDC_CU_REFRESH: refresh(window, state); return TRUE;
                case IDC_CU_DELETE: delete_clicked(window, state); return TRUE;
                case IDC_CU_CLOSE:
                case IDCANCEL: close_window(window, state); return TRUE;
            }
            break;
        }
    }
    return FALSE;
}

}  // namespace

void current_users_run(HWND owner) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    CurrentUsersWindow state = {};
    if (!TB_InitTable(instance) || !register_heading_class(instance)) {
        show_filled_prompt(owner, IDS_TITLE_ERROR, IDS_OUT_OF_MEMORY, nullptr, 0, PROMPT_ICON_STOP, PROMPT_OK);
        return;
    }
    session_list_init(&state.list);
    run_dialog(owner, IDD_CURRENT_USERS, current_users_proc, &state);
    session_list_free(&state.list);
}
