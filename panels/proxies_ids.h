// Controls of the proxies page (template IDD_PROXY, 8019) and its Add New
// Target Server dialog. Read by the resource compiler too, so plain
// #defines only.
#ifndef KEEL_PANELS_PROXIES_IDS_H
#define KEEL_PANELS_PROXIES_IDS_H

#define IDD_ADD_PROXY 9451

#define IDC_PROXY_LIST 9460
#define IDC_PROXY_ADDRESS 9461
#define IDC_PROXY_SECRET 9462
#define IDC_PROXY_RETRIES 9463
#define IDC_PROXY_RETRY_MS 9464
#define IDC_PROXY_FORWARD 9465
#define IDC_PROXY_RECORD 9466
#define IDC_PROXY_BOTH 9467
#define IDC_PROXY_ACCOUNTING 9468
#define IDC_PROXY_ACCT_SECRET 9469
#define IDC_PROXY_ADD 9470
#define IDC_PROXY_REMOVE 9471
#define IDC_PROXY_SAVE 9472
#define IDC_PROXY_RESET 9473

#endif
