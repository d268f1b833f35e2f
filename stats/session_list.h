// The Current Users window's model: the sessions fetched from the server in
// the order of the columns as shown, one row each, the selection, column
// dragging and the delete walk.
#pragma once

#include <stdint.h>

#include "api/current_users.h"
#include "stats/session_columns.h"

const uint32_t HELP_CONTEXT_CURRENT_USERS = 1021;
const uint32_t HELP_CONTEXT_DELETE_CURRENT_USER = 1028;

struct SessionList {
    SessionColumn columns[SESSION_COLUMN_COUNT];
    CurrentUserRecord* records;  // sessions in the order received, repeats included
    uint32_t received, capacity;
    uint32_t* rows;     // display order: an index into records per session held
    uint32_t held;      // sessions held: repeats of a session are discarded
    uint8_t* selected;  // one byte per held session, 1 = selected
    uint32_t selected_count;
    int32_t anchor;       // row of the last selection click
    int32_t drag_column;  // -1 when no drag
    bool dragging;
    uint32_t visible_rows;  // rows the grid shows at once
};

// Key state bits of the grid's notifications.
const uint32_t SESSION_KEY_CTRL = 0x1;
const uint32_t SESSION_KEY_SHIFT = 0x2;

// The delete confirmation's answers.
enum DeleteAnswer : uint8_t { DELETE_ALL = 1, DELETE_ONE = 2, DELETE_KEEP = 3, DELETE_CANCEL = 4 };
typedef DeleteAnswer (*DeleteConfirm)(void* context, const CurrentUserRecord& record);

// The initial columns, nothing held.
void session_list_init(SessionList* list);
void session_list_free(SessionList* list);

// Discards what is held and fetches every session again. The status of a
// failed request (what came before it is kept), or 101 when the rows
// cannot be held (nothing is kept).
uint16_t session_list_fetch(SessionList* list);
// Adds sessions as a fetch does, then orders the rows (tests, benchmarks).
bool session_list_add(SessionList* list, const CurrentUserRecord& record);
bool session_list_order(SessionList* list);

// What the grid shows: at least a full page of rows; rows past the
// sessions are blank.
uint32_t session_list_row_count(const SessionList& list);
// The session of a row, or null past the sessions.
const CurrentUserRecord* session_list_row(const SessionList& list, int32_t row);
// A cell's text ("" past the sessions).
const char* session_list_cell(const SessionList& list, int32_t row, int32_t column);
bool session_list_is_selected(const SessionList& list, int32_t row);

// The grid's current row moved to `row` with `keys` held: Ctrl toggles it,
// Shift selects every row from the anchor to it, otherwise it alone is
// selected. True when the selection changed. Rows past the sessions are
// ignored.
bool session_list_row_changed(SessionList* list, int32_t row, uint32_t keys);
// A click on the anchor row (the grid reports no row change for it): as a
// row change, except that Shift does nothing.
bool session_list_clicked(SessionList* list, int32_t row, uint32_t keys);
// Space: selects the current row when nothing is selected.
bool session_list_space(SessionList* list, int32_t current_row);
void session_list_clear_selection(SessionList* list);

// A heading pressed on `column` starts a drag; released on another column
// the two columns swap and the rows are ordered anew (selection cleared).
// True when the columns were swapped.
void session_list_begin_drag(SessionList* list, int32_t column);
bool session_list_end_drag(SessionList* list, int32_t column);
bool session_list_swap_columns(SessionList* list, uint32_t a, uint32_t b);

// Walks the selected rows in display order asking `confirm` for each until
// "Delete All"; deletes what it is told to. The number of delete requests
// sent; the caller fetches again when it is not 0 (a failed delete shows as
// the session still there).
uint32_t session_list_delete_selected(SessionList* list, DeleteConfirm confirm, void* context);
