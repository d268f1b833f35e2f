// The Servers panel, page 1: moves values between its controls and the
// connection model of servers.cpp.
#include <windows.h>

#include <string.h>

#include "resources/shell_ids.h"
#include "shell/dialogs_win32.h"
#include "shell/main_window_win32.h"
#include "shell/panel_win32.h"
#include "shell/servers.h"
#include "ui/help.h"

namespace {

void hook_set_title(void*, const char* server) { set_title(server); }
void hook_enable_panels(void*, uint16_t level) { enable_panels(level); }
void hook_reset_panels(void*) { reset_all_panels(); }
bool hook_ask_logon(void* page, const char* server, char* user, char* password) {
    return attach_dialog_run(GetAncestor((HWND)page, GA_ROOT), server, user, password);
}

ConnectionHooks hooks_for(HWND page) {
    ConnectionHooks hooks = {};
    hooks.context = page;
    hooks.owner = GetAncestor(page, GA_ROOT);
    hooks.set_title = hook_set_title;
    hooks.enable_panels = hook_enable_panels;
    hooks.reset_panels = hook_reset_panels;
    hooks.ask_logon = hook_ask_logon;
    return hooks;
}

// Lines the box shows without scrolling: its client height over the line
// height of its font.
uint16_t measure_visible_lines(HWND box) {
    RECT client;
    GetClientRect(box, &client);
    HDC dc = GetDC(box);
    HGDIOBJ old = SelectObject(dc, (HFONT)SendMessageA(box, WM_GETFONT, 0, 0));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(box, dc);
    int line = metrics.tmHeight + metrics.tmExternalLeading;
    return (uint16_t)(line > 0 ? client.bottom / line : 0);
}

void refresh_controls(HWND page) {
    HWND field = GetDlgItem(page, IDC_SERVER_NAME);
    ServerControls controls = server_controls(GetWindowTextLengthA(field) == 0);
    EnableWindow(field, controls.server_field_enabled);
    EnableWindow(GetDlgItem(page, IDC_CONNECT), controls.connect_enabled);
    EnableWindow(GetDlgItem(page, IDC_DISCONNECT), controls.disconnect_enabled);
    // A control just disabled must not keep the keyboard.
    HWND focus = GetFocus();
    if (focus && IsChild(page, focus) && !IsWindowEnabled(focus)) SendMessageA(page, WM_NEXTDLGCTL, 0, FALSE);
}

void refresh_status_box(HWND page) {
    static char text[STATUS_BOX_SIZE];
    connection_status_box(text, sizeof text);
    HWND box = GetDlgItem(page, IDC_STATUS_BOX);
    ShowScrollBar(box, SB_VERT, FALSE);
    SetWindowTextA(box, text);
    // Long lines wrap; the box's own count catches them. A last line end
    // leaves an empty line that needs no room.
    LRESULT shown = SendMessageA(box, EM_GETLINECOUNT, 0, 0);
    size_t length = strlen(text);
    if (length > 0 && text[length - 1] == '\n') --shown;
    bool scroll = connection_status_needs_scroll_bar() || shown > (LRESULT)server_connection().visible_lines;
    ShowScrollBar(box, SB_VERT, scroll ? TRUE : FALSE);
}

void init_page(HWND page) {
    connection_init(measure_visible_lines(GetDlgItem(page, IDC_STATUS_BOX)));
    CheckRadioButton(page, IDC_LOCAL, IDC_REMOTE, IDC_LOCAL);
    SendDlgItemMessageA(page, IDC_SERVER_NAME, EM_LIMITTEXT, SERVER_FIELD_LIMIT, 0);
    refresh_controls(page);
    set_title(nullptr);
    refresh_status_box(page);
    enable_panels(0);
}

void choose_mode(HWND page, uint16_t mode) {
    ConnectionHooks hooks = hooks_for(page);
    if (connection_set_mode(mode, hooks)) SetDlgItemTextA(page, IDC_SERVER_NAME, "");
    refresh_controls(page);
    refresh_status_box(page);
}

void connect_clicked(HWND page) {
    char field[SERVER_FIELD_LIMIT + 1];
    GetDlgItemTextA(page, IDC_SERVER_NAME, field, sizeof field);
    connection_connect(field, hooks_for(page));
    refresh_controls(page);
    refresh_status_box(page);
}

void disconnect_clicked(HWND page) {
    connection_disconnect(hooks_for(page));
    refresh_controls(page);
    refresh_status_box(page);
}

}  // namespace

INT_PTR CALLBACK servers_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: init_page(page); return FALSE;
        case WM_COMMAND:
            switch (LOWORD(wparam)) {
                case PANEL_ACTIVATE: help_set_context(HELP_CONTEXT_SERVERS); return TRUE;
                case PANEL_QUERY_LEAVE: return panel_answer(page, 0);
                case PANEL_TICK:
                case PANEL_RESET: return TRUE;
                case IDC_LOCAL:
                case IDC_REMOTE:
                    if (HIWORD(wparam) == BN_CLICKED)
                        choose_mode(page, LOWORD(wparam) == IDC_LOCAL ? MODE_LOCAL : MODE_REMOTE);
                    return TRUE;
                case IDC_SERVER_NAME:
                    if (HIWORD(wparam) == EN_CHANGE) refresh_controls(page);
                    return TRUE;
                case IDC_CONNECT:
                    if (HIWORD(wparam) == BN_CLICKED) connect_clicked(page);
                    return TRUE;
                case IDC_DISCONNECT:
                    if (HIWORD(wparam) == BN_CLICKED) disconnect_clicked(page);
                    return TRUE;
            }
            break;
    }
    return FALSE;
}
