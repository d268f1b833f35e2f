// Controls of the Access page (template IDD_ACCESS, 8016), its Add Local
// and Add Remote Administrator dialogs and the list's two icons. Read by the
// resource compiler too, so plain #defines only.
#ifndef KEEL_PANELS_ADMINS_IDS_H
#define KEEL_PANELS_ADMINS_IDS_H

#define IDD_ADD_LOCAL_ADMIN 8017
#define IDD_ADD_REMOTE_ADMIN 145

// Icon index 0 a user, 1 a group: the entry's kind.
#define IDI_ADMIN_USER 102
#define IDI_ADMIN_GROUP 103

#define IDC_ADMIN_LIST 9500
#define IDC_ADMIN_ADD_LOCAL 9501
#define IDC_ADMIN_ADD_REMOTE 9502
#define IDC_ADMIN_REMOVE 9503

// The dialogs: Add is IDOK, Close IDCANCEL.
#define IDC_PICK_DOMAINS 9510
#define IDC_PICK_ACCOUNTS 9511
#define IDC_PICK_REFRESH 9512

#endif
