// The attribute list page: one list of a user's or profile's record with
// Ins, Edit, Del and the two arrows, opening the Add and Change dialogs. A
// panel embeds it twice (check list, return list), as a child dialog of its
// own or as a page of its tab control.
#pragma once

#include <windows.h>

#include <stdint.h>

#include "attrs/attribute_list.h"
#include "attrs/dictionary.h"

// Hands each pool name to `add`.
typedef void (*PoolNameSink)(void* to, const char* name);

// The host's, alive as long as the page: the page reads the record through it.
struct AttributePageSetup {
    AttributeRecord* record;  // null: an empty page
    ListKind kind;
    const Dictionary* dictionary;  // the program's is loaded on demand by the Add dialog
    void* host;
    // The record changed (the host enables Save and Reset).
    void (*modified)(void* host);
    // The address pools a type-18 value may name (null: none offered).
    void (*list_pools)(void* host, PoolNameSink add, void* to);
};

// The page's procedure: give it the setup as the creation parameter.
INT_PTR CALLBACK attribute_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam);
// Creates the page as a child of `parent` with the control id `id`, hidden.
HWND attribute_page_create(HWND parent, int id, AttributePageSetup* setup);

// Refills the rows from the record (after a load, reset or merge) and
// selects the first.
void attribute_page_refresh(HWND page);
// Whether the lists may be edited at all (no dictionary, no record: Ins
// and the others are off).
void attribute_page_enable(HWND page, bool editable);
// The selected row, or -1.
int32_t attribute_page_selection(HWND page);

// After the Add dialog added a value: refill, select `row`, tell the host.
void attribute_page_show_row(HWND page, int32_t row);

// The dialogs, for the page (and the tests): each changes the setup's list.
// Add tells the page of each value it adds (attribute_page_show_row).
void run_add_attribute_dialog(HWND page, AttributePageSetup* setup, int32_t selected);
// Change: the outcome's selection is the resulting row, or -1 when nothing changed.
int32_t run_change_attribute_dialog(HWND page, AttributePageSetup* setup, uint16_t index);
