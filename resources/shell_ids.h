// Resource and control ids of the console's frame: the main window, the
// Servers panel, the Attach to Host dialog, the About box and the menu. Read
// by the resource compiler too, so plain #defines only.
#ifndef KEEL_RESOURCES_SHELL_IDS_H
#define KEEL_RESOURCES_SHELL_IDS_H

#define IDD_MAIN_WINDOW 110
#define IDD_ABOUT 111
#define IDD_ATTACH_HOST 146
#define IDD_SERVERS 8015

// Panel templates not built yet; each panel's own work replaces its page.
#define IDD_RAS_CLIENTS 109
#define IDD_USERS 102
#define IDD_PROFILES 131
#define IDD_PROXY 8019
#define IDD_ADDRESS_POOLS 8022
#define IDD_ACCESS 8016
#define IDD_CONFIGURATION 301
#define IDD_STATISTICS 302

// Main window: one radio button per panel (page index = id - 200), the page
// host and the separator shown on newer systems.
#define IDC_PANEL_FIRST 201
#define IDC_PANEL_SERVERS 201
#define IDC_PANEL_RAS_CLIENTS 202
#define IDC_PANEL_USERS 203
#define IDC_PANEL_PROFILES 204
#define IDC_PANEL_PROXY 205
#define IDC_PANEL_ADDRESS_POOLS 206
#define IDC_PANEL_ACCESS 207
#define IDC_PANEL_CONFIGURATION 208
#define IDC_PANEL_STATISTICS 209
#define IDC_PANEL_LAST 209
#define IDC_PANEL_HOST 250
#define IDC_SEPARATOR 1083

// Every page template ends with a SubdlgControl of this id: it marks the
// start and end of the page's own tab cycle.
#define SUBDLG_ANCHOR_ID 32768

// Servers panel.
#define IDC_LOCAL 1095
#define IDC_REMOTE 1096
#define IDC_SERVER_NAME 1097
#define IDC_CONNECT 1098
#define IDC_DISCONNECT 1099
#define IDC_STATUS_BOX 1100

// Attach to Host dialog.
#define IDC_ATTACH_HOST_NAME 7023
#define IDC_ATTACH_USER 7024
#define IDC_ATTACH_PASSWORD 600

// About box.
#define IDC_ABOUT_TITLE 1171
#define IDC_ABOUT_NOTICE 1172

// Menu KLADMIN.
#define IDM_EXPORT 101
#define IDM_IMPORT 102
#define IDM_SETTINGS 103
#define IDM_REPORT 104
#define IDM_VENDOR_INFO 105
#define IDM_HELP_CONTENTS 3003
#define IDM_ABOUT 3004
#define IDM_EXIT 3005
#define IDM_HELP_TOPIC 3006
#define IDM_HELP_F1 32651

// Window classes of the frame.
#define MAIN_WINDOW_CLASS "KLADMIN"
#define SUBDLG_CLASS "SubdlgControl"
#define TAB_CONTROL_CLASS "TabControl"

#endif
