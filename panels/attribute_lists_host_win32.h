// The two attribute list pages of a users or profiles panel: a tab control
// ("SysTabControl32") of the panel's template chooses between the
// check-list page and the return-list page, which lie in its display area.
// The list pages themselves handle Ins, Edit, Del and the arrows, and the
// Insert, Enter and Delete keys of their lists.
#pragma once

#include <windows.h>

#include "attrs/attribute_list.h"
#include "attrs/dictionary.h"
#include "ui/attribute_page_win32.h"

// Part of the panel page's state (it must live as long as the pages).
// Index 0 is the check list, 1 the return list, as the tabs stand.
struct AttributeListsHost {
    HWND tab;
    HWND pages[2];
    AttributePageSetup setups[2];
};

// What the panel hands its pages.
struct AttributeListsSetup {
    AttributeRecord* record;  // the panel's working record
    const Dictionary* dictionary;
    void* context;                    // handed to modified()
    void (*modified)(void* context);  // a list page changed the record
};

// At the panel page's WM_INITDIALOG: names the two tabs, creates both pages
// over the display area of the tab control `tab_id` (control ids
// first_page_id and first_page_id + 1, next in the tab order after the
// tabs), and shows the return list. The pages offer the server's address
// pools. False when a page cannot be created.
bool attribute_lists_host_create(AttributeListsHost* host, HWND panel_page, int tab_id, int first_page_id,
                                 const AttributeListsSetup& setup);
// Both pages refill their rows from the record (after a load, reset or merge).
void attribute_lists_host_refresh(const AttributeListsHost& host);
// Whether the lists may be edited at all.
void attribute_lists_host_enable(const AttributeListsHost& host, bool editable);
// A WM_NOTIFY of the panel page: true when it was the tab control's (a
// change of tab shows the chosen page).
bool attribute_lists_host_notify(AttributeListsHost* host, const NMHDR* header);
// Shows the page of one list and selects its tab.
void attribute_lists_host_show(AttributeListsHost* host, ListKind kind);
// The page of one list.
HWND attribute_lists_host_page(const AttributeListsHost& host, ListKind kind);

// The address pools a type-18 value may name, for AttributePageSetup.
void list_pool_names(void* host, PoolNameSink add, void* to);
