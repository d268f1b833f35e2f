// Resource and control ids of the import and export windows: the selection
// dialog both share, the export's progress window and the import's replace
// prompt. Read by the resource compiler too, so plain #defines only. Dialog
// ids share one space with every panel's templates: keep them apart.
#ifndef KEEL_TRANSFER_TRANSFER_IDS_H
#define KEEL_TRANSFER_TRANSFER_IDS_H

#define IDD_TRANSFER_SELECT 9905
#define IDD_EXPORT_PROGRESS 9906

// Selection dialog. The lists of the pages are IDC_SELECT_LIST + page.
#define IDC_SELECT_PROMPT 9660
#define IDC_SELECT_TABS 9661
#define IDC_SELECT_PAGE_ALL 9662
#define IDC_SELECT_PAGE_NONE 9663
#define IDC_SELECT_ALL 9664
#define IDC_SELECT_LIST 9670

// Progress window.
#define IDC_EXPORT_STATUS 9680
#define IDC_EXPORT_BAR 9681

// The import's "Import Status" window.
#define IDD_IMPORT_STATUS 9900
#define IDC_IMPORT_STATUS_TEXT 9901
#define IDC_IMPORT_REPLACE 9902
#define IDC_IMPORT_REPLACE_ALL 9903
#define IDC_IMPORT_SKIP 9904

#endif
