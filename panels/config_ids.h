// Controls of the configuration page (template IDD_CONFIGURATION, 301) and
// its Edit Rejection Message dialog. Read by the resource compiler too, so
// plain #defines only.
#ifndef KEEL_PANELS_CONFIG_IDS_H
#define KEEL_PANELS_CONFIG_IDS_H

#define IDD_EDIT_MESSAGE 9640

#define IDC_CONFIG_METHODS 9660
#define IDC_CONFIG_UP 9661
#define IDC_CONFIG_DOWN 9662
#define IDC_CONFIG_ACTIVATE 9663
#define IDC_CONFIG_DEACTIVATE 9664
#define IDC_CONFIG_DAYS 9665
#define IDC_CONFIG_SAVE 9666
#define IDC_CONFIG_RESET 9667
// The five message fields and their "..." buttons, in the order of the
// panel's messages: field n is IDC_CONFIG_MESSAGE_FIRST + n, its button
// IDC_CONFIG_EDIT_FIRST + n.
#define IDC_CONFIG_MESSAGE_FIRST 9670
#define IDC_CONFIG_UNKNOWN_USER 9670
#define IDC_CONFIG_UNKNOWN_CLIENT 9671
#define IDC_CONFIG_LISTS_MISMATCH 9672
#define IDC_CONFIG_INVALID_LIST 9673
#define IDC_CONFIG_DEFAULT 9674
#define IDC_CONFIG_EDIT_FIRST 9680
#define IDC_CONFIG_EDIT_UNKNOWN_USER 9680
#define IDC_CONFIG_EDIT_UNKNOWN_CLIENT 9681
#define IDC_CONFIG_EDIT_LISTS_MISMATCH 9682
#define IDC_CONFIG_EDIT_INVALID_LIST 9683
#define IDC_CONFIG_EDIT_DEFAULT 9684

#define IDC_MESSAGE_TEXT 9690

#endif
