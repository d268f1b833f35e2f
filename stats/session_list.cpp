#include "stats/session_list.h"

#include <stdlib.h>
#include <string.h>

#include <algorithm>

#include "api/status.h"

namespace {

void discard(SessionList* list) {
    free(list->records);
    free(list->rows);
    free(list->selected);
    list->records = nullptr;
    list->rows = nullptr;
    list->selected = nullptr;
    list->received = list->capacity = list->held = list->selected_count = 0;
    list->anchor = 0;
}

void sort_rows(SessionList* list) {
    const CurrentUserRecord* records = list->records;
    const SessionColumn* columns = list->columns;
    std::stable_sort(list->rows, list->rows + list->held, [records, columns](uint32_t a, uint32_t b) {
        return compare_sessions(records[a], records[b], columns) < 0;
    });
}

bool is_session_row(const SessionList& list, int32_t row) { return row >= 0 && (uint32_t)row < list.held; }

void select_row(SessionList* list, int32_t row) {
    if (list->selected[row]) return;
    list->selected[row] = 1;
    ++list->selected_count;
}

struct Fetch {
    SessionList* list;
    bool out_of_memory;
};

void fetched(void* context, const CurrentUserRecord& record) {
    Fetch* fetch = (Fetch*)context;
    // Past a failed allocation nothing more is kept; the fetch reports it.
    if (!fetch->out_of_memory) fetch->out_of_memory = !session_list_add(fetch->list, record);
}

}  // namespace

void session_list_init(SessionList* list) {
    memset(list, 0, sizeof *list);
    session_columns_initial(list->columns);
    list->drag_column = -1;
}

void session_list_free(SessionList* list) { discard(list); }

bool session_list_add(SessionList* list, const CurrentUserRecord& record) {
    if (list->received == list->capacity) {
        uint32_t capacity = list->capacity ? list->capacity * 2 : 256;
        CurrentUserRecord* grown = (CurrentUserRecord*)realloc(list->records, capacity * sizeof(CurrentUserRecord));
        if (!grown) return false;
        list->records = grown;
        list->capacity = capacity;
    }
    list->records[list->received++] = record;
    return true;
}

bool session_list_order(SessionList* list) {
    free(list->rows);
    free(list->selected);
    list->rows = (uint32_t*)malloc((list->received ? list->received : 1) * sizeof(uint32_t));
    list->selected = (uint8_t*)calloc(list->received ? list->received : 1, 1);
    if (!list->rows || !list->selected) {
        discard(list);
        return false;
    }
    for (uint32_t i = 0; i < list->received; ++i) list->rows[i] = i;
    list->held = list->received;
    sort_rows(list);
    // A session equal to one already held in every column is discarded:
    // the stable order keeps the first received.
    const CurrentUserRecord* records = list->records;
    const SessionColumn* columns = list->columns;
    uint32_t* end = std::unique(list->rows, list->rows + list->held, [records, columns](uint32_t a, uint32_t b) {
        return compare_sessions(records[a], records[b], columns) == 0;
    });
    list->held = (uint32_t)(end - list->rows);
    list->selected_count = 0;
    list->anchor = 0;
    return true;
}

uint16_t session_list_fetch(SessionList* list) {
    discard(list);
    Fetch fetch = {list, false};
    uint16_t status = fetch_current_users(fetched, &fetch);
    if (fetch.out_of_memory || !session_list_order(list)) {
        discard(list);
        return STATUS_OUT_OF_MEMORY;
    }
    return status;
}

uint32_t session_list_row_count(const SessionList& list) {
    return list.held > list.visible_rows ? list.held : list.visible_rows;
}

const CurrentUserRecord* session_list_row(const SessionList& list, int32_t row) {
    return is_session_row(list, row) ? &list.records[list.rows[row]] : nullptr;
}

const char* session_list_cell(const SessionList& list, int32_t row, int32_t column) {
    const CurrentUserRecord* record = session_list_row(list, row);
    if (!record || column < 0 || (uint32_t)column >= SESSION_COLUMN_COUNT) return "";
    return session_field_text(*record, list.columns[column].field);
}

bool session_list_is_selected(const SessionList& list, int32_t row) {
    return is_session_row(list, row) && list.selected[row] != 0;
}

void session_list_clear_selection(SessionList* list) {
    if (list->selected && list->held) memset(list->selected, 0, list->held);
    list->selected_count = 0;
}

static bool apply_selection(SessionList* list, int32_t row, uint32_t keys, bool shift_extends) {
    if (list->dragging || !is_session_row(*list, row)) return false;
    if (keys & SESSION_KEY_CTRL) {
        list->selected[row] ^= 1;
        if (list->selected[row])
            ++list->selected_count;
        else
            --list->selected_count;
    } else if (keys & SESSION_KEY_SHIFT) {
        if (!shift_extends) return false;
        int32_t from = list->anchor < row ? list->anchor : row;
        int32_t to = list->anchor < row ? row : list->anchor;
        if (from < 0) from = 0;
        if ((uint32_t)to >= list->held) to = (int32_t)list->held - 1;
        for (int32_t r = from; r <= to; ++r) select_row(list, r);
    } else {
        session_list_clear_selection(list);
        select_row(list, row);
    }
    list->anchor = row;
    return true;
}

bool session_list_row_changed(SessionList* list, int32_t row, uint32_t keys) {
    return apply_selection(list, row, keys, true);
}

bool session_list_clicked(SessionList* list, int32_t row, uint32_t keys) {
    if (row != list->anchor) return false;
    return apply_selection(list, row, keys, false);
}

bool session_list_space(SessionList* list, int32_t current_row) {
    if (list->selected_count > 0 || !is_session_row(*list, current_row)) return false;
    select_row(list, current_row);
    list->anchor = current_row;
    return true;
}

void session_list_begin_drag(SessionList* list, int32_t column) {
    if (column < 0 || (uint32_t)column >= SESSION_COLUMN_COUNT) return;
    list->drag_column = column;
    list->dragging = true;
}

bool session_list_end_drag(SessionList* list, int32_t column) {
    int32_t from = list->drag_column;
    bool was_dragging = list->dragging;
    list->drag_column = -1;
    list->dragging = false;
    if (!was_dragging || column < 0 || (uint32_t)column >= SESSION_COLUMN_COUNT || column == from) return false;
    return session_list_swap_columns(list, (uint32_t)from, (uint32_t)column);
}

bool session_list_swap_columns(SessionList* list, uint32_t a, uint32_t b) {
    if (a >= SESSION_COLUMN_COUNT || b >= SESSION_COLUMN_COUNT || a == b) return false;
    std::swap(list->columns[a], list->columns[b]);
    sort_rows(list);
    session_list_clear_selection(list);
    return true;
}

uint32_t session_list_delete_selected(SessionList* list, DeleteConfirm confirm, void* context) {
    uint32_t sent = 0;
    bool all = false;
    for (uint32_t row = 0; row < list->held; ++row) {
        if (!list->selected[row]) continue;
        const CurrentUserRecord& record = list->records[list->rows[row]];
        if (!all) {
            DeleteAnswer answer = confirm(context, record);
            if (answer == DELETE_CANCEL) break;
            if (answer == DELETE_KEEP) continue;
            all = answer == DELETE_ALL;
        }
        // A failed delete is not reported: the fetch that follows shows the
        // session still there.
        delete_current_user(&record);
        ++sent;
    }
    return sent;
}
