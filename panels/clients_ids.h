// Controls of the RAS clients page (template IDD_RAS_CLIENTS, 109) and its
// Add New RAS Client dialog. Read by the resource compiler too, so plain
// #defines only.
#ifndef KEEL_PANELS_CLIENTS_IDS_H
#define KEEL_PANELS_CLIENTS_IDS_H

#define IDD_ADD_CLIENT 9211

#define IDC_CLIENT_LIST 9220
#define IDC_CLIENT_ADDRESS 9221
#define IDC_CLIENT_PRODUCT 9222
#define IDC_CLIENT_VENDOR_INFO 9223
#define IDC_CLIENT_SECRET 9224
#define IDC_CLIENT_ACCOUNTING 9225
#define IDC_CLIENT_ACCT_SECRET 9226
#define IDC_CLIENT_ADD 9227
#define IDC_CLIENT_REMOVE 9228
#define IDC_CLIENT_SAVE 9229
#define IDC_CLIENT_RESET 9230

#endif
