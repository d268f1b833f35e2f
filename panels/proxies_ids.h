// Controls of the proxies page (template IDD_PROXY, 8019) and its Add New
// Target Server dialog. Read by the resource compiler too, so plain
// #defines only.
#ifndef KEEL_PANELS_PROXIES_IDS_H
#define KEEL_PANELS_PROXIES_IDS_H

#define IDD_ADD_PROXY 9411

#define IDC_PROXY_LIST 9420
#define IDC_PROXY_ADDRESS 9421
#define IDC_PROXY_SECRET 9422
#define IDC_PROXY_RETRIES 9423
#define IDC_PROXY_RETRY_MS 9424
#define IDC_PROXY_FORWARD 9425
#define IDC_PROXY_RECORD 9426
#define IDC_PROXY_BOTH 9427
#define IDC_PROXY_ACCOUNTING 9428
#define IDC_PROXY_ACCT_SECRET 9429
#define IDC_PROXY_ADD 9430
#define IDC_PROXY_REMOVE 9431
#define IDC_PROXY_SAVE 9432
#define IDC_PROXY_RESET 9433

#endif
