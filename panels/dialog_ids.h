// Controls of the dialogs the record panels share: the shared-secret dialog
// (clients and proxies) and the add-a-name dialogs, whose templates differ
// in their texts only. Read by the resource compiler too.
#ifndef KEEL_PANELS_DIALOG_IDS_H
#define KEEL_PANELS_DIALOG_IDS_H

#define IDD_SHARED_SECRET 9212

#define IDC_SECRET_MASKED 9240
#define IDC_SECRET_PLAIN 9241
#define IDC_SECRET_UNMASK 9242
#define IDC_SECRET_SET 9243
#define IDC_SECRET_VALIDATE 9244

#define IDC_ADD_NAME 9250
#define IDC_ADD_ANY 9251

#endif
