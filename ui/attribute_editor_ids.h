// Templates, controls and bitmaps of the attribute list pages and their Add
// and Change dialogs. Read by the resource compiler too, so plain #defines.
#ifndef KEEL_UI_ATTRIBUTE_EDITOR_IDS_H
#define KEEL_UI_ATTRIBUTE_EDITOR_IDS_H

#define IDD_ATTRIBUTE_PAGE 9400
#define IDD_ADD_ATTRIBUTE 9401
#define IDD_CHANGE_ATTRIBUTE 9402

// The list page.
#define IDC_ATTR_LIST 9410
#define IDC_ATTR_INSERT 9411
#define IDC_ATTR_EDIT 9412
#define IDC_ATTR_DELETE 9413
#define IDC_ATTR_UP 9414
#define IDC_ATTR_DOWN 9415

// Both dialogs: the value controls and the Default / Echo box.
#define IDC_VALUE_PROMPT 9420
#define IDC_VALUE_TEXT 9421
#define IDC_VALUE_NAMES 9422
#define IDC_VALUE_POOL_CHECK 9423
#define IDC_VALUE_POOLS 9424
#define IDC_VALUE_FLAG 9425

// The Add dialog.
#define IDC_ADD_ATTRIBUTES 9430
#define IDC_ADD_MULTI 9431
#define IDC_ADD_ORDERABLE 9432
#define IDC_ADD_ATTRIBUTE_ADD 9433

#endif
