// Resource and control ids of the users-file import's own windows. Read by
// the resource compiler too, so plain #defines only.
#ifndef KEEL_TRANSFER_USERS_IMPORT_IDS_H
#define KEEL_TRANSFER_USERS_IMPORT_IDS_H

#define IDD_USERS_IMPORT_OPTIONS 9950

#define IDC_UIMPORT_FORMAT 9960
#define IDC_UIMPORT_IGNORE 9961
#define IDC_UIMPORT_PROFILE 9962
#define IDC_UIMPORT_PAP_CHAP 9963
#define IDC_UIMPORT_PAP_ONLY 9964

#endif
