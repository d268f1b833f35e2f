#include "shell/servers.h"

#include <string.h>

#include "api/admission.h"
#include "api/requests.h"
#include "api/session.h"
#include "api/status.h"
#include "api/text_field.h"
#include "attrs/error_box.h"
#include "platform/computer_name.h"
#include "platform/wipe.h"
#include "resources/strings.h"
#include "shell/attach_host.h"
#include "ui/wait_cursor.h"

namespace {

ServerConnection g_connection = {};

void forget_level() { g_connection.access_level = 0; }

void set_title(const ConnectionHooks& hooks, const char* server) {
    if (hooks.set_title) hooks.set_title(hooks.context, server);
}

void enable_panels(const ConnectionHooks& hooks) {
    if (hooks.enable_panels) hooks.enable_panels(hooks.context, g_connection.access_level);
}

// Closing the session: the level goes with it (the disconnect hook), the
// other panels lock and forget what they loaded.
void close_session(const ConnectionHooks& hooks) {
    disconnect();
    enable_panels(hooks);
    set_title(hooks, nullptr);
    if (hooks.reset_panels) hooks.reset_panels(hooks.context);
}

void show_connect_failure(const ConnectionHooks& hooks) {
    show_error(hooks.owner, g_connection.mode == MODE_LOCAL ? IDS_CONNECT_FAILED_LOCAL : IDS_CONNECT_FAILED_REMOTE);
}

// The pipe refused us: log on with our own credentials, then with the ones
// the administrator types. Returns the status of the last open, or
// STATUS_OK with *cancelled set when the dialog was cancelled. The typed
// password lives only for the logon.
uint16_t connect_after_logon(const char* name, const ConnectionHooks& hooks, bool* cancelled) {
    bool (*attach)(const char*, const char*, const char*) = hooks.attach ? hooks.attach : attach_host;
    bool attached = false;
    {
        WaitCursor wait;
        attached = attach(name, nullptr, nullptr);
    }
    if (attached) return while_waiting([&] { return connect_server(name); });
    char user[LOGON_TEXT_SIZE] = "";
    char password[LOGON_TEXT_SIZE] = "";
    if (!hooks.ask_logon || !hooks.ask_logon(hooks.context, name, user, password)) {
        secret_wipe(password, sizeof password);
        *cancelled = true;
        return STATUS_OK;
    }
    copy_text(g_connection.attach_user, LOGON_TEXT_SIZE, user);
    {
        WaitCursor wait;
        attached = attach(name, user, password);
    }
    secret_wipe(password, sizeof password);
    if (!attached) return STATUS_ACCESS_REFUSED;
    return while_waiting([&] { return connect_server(name); });
}

// Versions and rights once the pipe is open. Fills the note when the
// connection gives only level 0.
ConnectOutcome check_connection() {
    WaitCursor wait;
    Admission admission;
    check_admission(&admission);
    g_connection.access_level = admission.verdict == ADMITTED ? admission.access_level : 0;
    g_connection.option_mask = admission.option_mask;
    admission_note(admission, g_connection.note, STATUS_NOTE_SIZE);
    return admission.verdict == ADMITTED ? CONNECT_DONE : CONNECT_LIMITED;
}

}  // namespace

ServerConnection& server_connection() { return g_connection; }

void connection_reset() {
    g_connection = ServerConnection();
    g_connection.mode = MODE_LOCAL;
    set_disconnect_hook(forget_level);
}

void connection_init(uint16_t visible_lines) {
    connection_reset();
    if (!computer_name(g_connection.local_name, SERVER_NAME_SIZE)) g_connection.local_name[0] = 0;
    g_connection.visible_lines = visible_lines;
}

bool connection_is_open() { return current_session() != nullptr; }

uint16_t connect_server(const char* server_name) {
    PipeSession* session = nullptr;
    uint16_t status = session_open(server_name, &session);
    if (status != 0) return status;
    set_current_session(session);
    copy_text(g_connection.server_name, SERVER_NAME_SIZE, server_name);
    return 0;
}

ConnectOutcome connection_connect(const char* field, const ConnectionHooks& hooks) {
    if (connection_is_open()) close_session(hooks);
    // Local mode opens the pipe by this computer's name too, as a remote
    // console would.
    const char* name = g_connection.mode == MODE_REMOTE ? field : g_connection.local_name;
    // "\\RADIUS1" names the same computer as "RADIUS1".
    name = name ? bare_server_name(name) : nullptr;
    if (!name || !*name) return CONNECT_NO_NAME;
    char target[SERVER_NAME_SIZE];
    copy_text(target, SERVER_NAME_SIZE, name);

    g_connection.note[0] = 0;
    g_connection.server_status[0] = 0;
    g_connection.platform_mask = CONNECT_PLATFORM_MASK;
    uint16_t status = while_waiting([&] { return connect_server(target); });
    if (status == STATUS_ACCESS_REFUSED) {
        bool cancelled = false;
        status = connect_after_logon(target, hooks, &cancelled);
        if (cancelled) return CONNECT_CANCELLED;
    }
    if (status != 0) {
        show_connect_failure(hooks);
        return CONNECT_FAILED;
    }

    set_title(hooks, g_connection.server_name);
    g_connection.access_level = 0;
    g_connection.option_mask = 0;
    ConnectOutcome outcome = check_connection();
    refresh_server_status();
    enable_panels(hooks);
    return outcome;
}

void connection_disconnect(const ConnectionHooks& hooks) {
    if (!connection_is_open()) return;
    close_session(hooks);
    g_connection.note[0] = 0;
    g_connection.server_status[0] = 0;
}

bool connection_set_mode(uint16_t mode, const ConnectionHooks& hooks) {
    if (mode != MODE_LOCAL && mode != MODE_REMOTE) return false;
    if (mode == g_connection.mode) return false;
    connection_disconnect(hooks);
    g_connection.mode = mode;
    return true;
}

void refresh_server_status() {
    g_connection.server_status[0] = 0;
    WaitCursor wait;
    if (get_status_text(g_connection.server_status, SERVER_STATUS_SIZE) != 0) g_connection.server_status[0] = 0;
    g_connection.server_status[SERVER_STATUS_SIZE - 1] = 0;
}

void connection_status_box(char* out, uint32_t out_size) {
    if (!connection_is_open()) {
        compose_status_box(nullptr, string_text(IDS_NOT_CONNECTED), out, out_size);
        return;
    }
    compose_status_box(g_connection.note, g_connection.server_status, out, out_size);
}

bool connection_status_needs_scroll_bar() {
    // Static, so the panel's many calls do not put 17 KB on the stack each.
    static char box[STATUS_BOX_SIZE];
    connection_status_box(box, sizeof box);
    return status_box_needs_scroll_bar(box, g_connection.visible_lines);
}

ServerControls server_controls(bool field_empty) {
    ServerControls controls;
    bool remote = g_connection.mode == MODE_REMOTE;
    controls.server_field_enabled = remote;
    controls.connect_enabled = !remote || !field_empty;
    controls.disconnect_enabled = connection_is_open();
    return controls;
}
