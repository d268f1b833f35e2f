// Controls of the IP address pools page (template IDD_ADDRESS_POOLS, 8022)
// and its two dialogs, Add New IP Address Pool and Add New IP Address
// Range. Read by the resource compiler too, so plain #defines only.
#ifndef KEEL_PANELS_POOLS_IDS_H
#define KEEL_PANELS_POOLS_IDS_H

#define IDD_ADD_POOL 9311
#define IDD_POOL_RANGE 9312

#define IDC_POOL_LIST 9320
#define IDC_POOL_ADD 9321
#define IDC_POOL_REMOVE 9322
#define IDC_POOL_DESCRIPTION 9323
#define IDC_POOL_RANGES 9324
#define IDC_POOL_INSERT 9325
#define IDC_POOL_DELETE 9326
#define IDC_POOL_SAVE 9327
#define IDC_POOL_RESET 9328

// Add New IP Address Range: Add is the default button (IDOK), Close IDCANCEL.
#define IDC_RANGE_START 9340
#define IDC_RANGE_COUNT 9341

#endif
