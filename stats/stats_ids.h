// Templates and controls of the statistics panel (template IDD_STATISTICS,
// 302), its three counter pages, the Current Users window and the delete
// confirmation. Read by the resource compiler too, so plain #defines only.
#ifndef KEEL_STATS_STATS_IDS_H
#define KEEL_STATS_STATS_IDS_H

#define IDD_STATS_AUTHENTICATION 9801
#define IDD_STATS_ACCOUNTING 9802
#define IDD_STATS_PROXY 9803
#define IDD_CURRENT_USERS 9804
#define IDD_DELETE_CURRENT_USER 9805

// The column-drag cursor of the Current Users window's headings.
#define IDC_COLUMN_DRAG_CURSOR 142

// The panel.
#define IDC_STATS_TABS 1070
#define IDC_STATS_PAGES 1071
#define IDC_STATS_CURRENT_USERS 1068
#define IDC_STATS_UP_TIME 2017
#define IDC_STATS_GRAPH 9810

// A counter's value field is this plus its field number (1 to 31; the up
// time, field 0, is IDC_STATS_UP_TIME on the panel).
#define IDC_STATS_FIELD_BASE 9820

// The Current Users window.
#define IDC_CU_GRID 8000
#define IDC_CU_HEADING 8002
#define IDC_CU_CLOSE 8003
#define IDC_CU_REFRESH 8004
#define IDC_CU_DELETE 8005

// The delete confirmation: the session's fields, then the answers (Cancel
// is IDCANCEL, so Escape and the close box cancel).
#define IDC_CONFIRM_USER 9860
#define IDC_CONFIRM_RAS_CLIENT 9861
#define IDC_CONFIRM_PORT 9862
#define IDC_CONFIRM_PORT_TYPE 9863
#define IDC_CONFIRM_TIME 9864
#define IDC_CONFIRM_SESSION_ID 9865
#define IDC_CONFIRM_IP 9866
#define IDC_CONFIRM_DELETE_ALL 9870
#define IDC_CONFIRM_DELETE 9871
#define IDC_CONFIRM_KEEP 9872

#endif
