// The connection to the server, as the Servers panel drives it: local or
// remote mode, connecting (logging on to the host when its pipe refuses us),
// the version and access checks, the status box, disconnecting. The window
// side only moves values between controls and this model.
#pragma once

#include <stdint.h>

#include "panels/user_types.h"
#include "shell/status_box.h"

const uint16_t MODE_LOCAL = 1;
const uint16_t MODE_REMOTE = 2;

const uint32_t SERVER_NAME_SIZE = 256;    // names up to 255 characters
const uint32_t SERVER_FIELD_LIMIT = 127;  // what the server field accepts
const uint32_t LOGON_TEXT_SIZE = 255;     // user and password up to 254 characters
const uint16_t CONNECT_PLATFORM_MASK = PLATFORM_NT;

// The one connection of the process. Other panels read the level, the
// option mask, the platform mask and the server name.
struct ServerConnection {
    uint16_t mode;
    char server_name[SERVER_NAME_SIZE];
    char local_name[SERVER_NAME_SIZE];
    uint16_t access_level;
    uint32_t option_mask;
    uint16_t platform_mask;
    uint16_t visible_lines;
    char attach_user[LOGON_TEXT_SIZE];  // the last user name typed to log on; the password is never kept
    // Why the last connection gave only level 0, kept above the server's
    // status text; empty otherwise.
    char note[STATUS_NOTE_SIZE];
    char server_status[SERVER_STATUS_SIZE];
};

// What the model asks of the window around it. Any member may be null.
struct ConnectionHooks {
    void* context;
    void* owner;                                           // owner window of the connection-failure message
    void (*set_title)(void* context, const char* server);  // null server: not connected
    void (*enable_panels)(void* context, uint16_t level);
    void (*reset_panels)(void* context);  // PANEL_RESET to every panel
    // The Attach to Host dialog: true (OK) with the texts stored in
    // user and password, false (Cancel) with nothing stored.
    bool (*ask_logon)(void* context, const char* server, char* user, char* password);
    // Logging on to the host; null uses attach_host.
    bool (*attach)(const char* server, const char* user, const char* password);
};

enum ConnectOutcome {
    CONNECT_DONE,       // connected with the level the server grants
    CONNECT_LIMITED,    // connected, level 0; the note says why
    CONNECT_FAILED,     // not connected; the failure text was shown
    CONNECT_CANCELLED,  // the logon dialog was cancelled; nothing shown
    CONNECT_NO_NAME,    // remote mode with an empty server field
};

ServerConnection& server_connection();
// Forgets everything (tests), and installs the disconnect hook that zeroes
// the access level.
void connection_reset();
// Panel creation: this computer's name, the measured visible lines, local
// mode, not connected.
void connection_init(uint16_t visible_lines);

bool connection_is_open();

// Opens the session on `server_name` and makes it current; records the name.
// Returns the status of the open (0, 104, 113).
uint16_t connect_server(const char* server_name);

// The Connect button. `field` is the server field's text.
ConnectOutcome connection_connect(const char* field, const ConnectionHooks& hooks);
// The Disconnect button; nothing happens without a session.
void connection_disconnect(const ConnectionHooks& hooks);
// Local or Remote clicked: a change of mode first disconnects. Returns true
// when the mode changed (the field is then emptied by the window).
bool connection_set_mode(uint16_t mode, const ConnectionHooks& hooks);

// Refreshes server_status from the server (empty when the request fails).
void refresh_server_status();
// The status box's text and whether it needs its scroll bar.
void connection_status_box(char* out, uint32_t out_size);
bool connection_status_needs_scroll_bar();

struct ServerControls {
    bool server_field_enabled;
    bool connect_enabled;
    bool disconnect_enabled;
};
ServerControls server_controls(bool field_empty);
