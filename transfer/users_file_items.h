// The items of a record's check or reply text: entries of a name, an
// assignment and a value, separated by commas, blanks, tabs (and the line
// ends of joined reply lines). A name or a value is a text in double
// quotes, which ends at its closing quote or its line's end, or a run of
// characters up to a blank, tab, "=", "," or the line end.
#pragma once

#include <stdint.h>

#include "transfer/transfer_log.h"
#include "transfer/users_file_input.h"

struct UsersEntry {
    char name[128];
    char value[USERS_LINE_SIZE];
    uint32_t line;  // where the entry stands in the file
};

// Called for each entry in order; false fails the list (the visitor has
// logged why).
typedef bool (*UsersEntryVisit)(void* context, const UsersEntry& entry);

struct UsersItemText {
    const char* text;
    const uint32_t* lines;  // the file's line number of each LF-separated line of `text`
    uint32_t line_count;
    const char* user;  // for the messages
};

// Parses the items in order. "=" joins a name and its value; so do ":=",
// "==" and "+=", which files written for today's servers use. Any other
// operator, or none, fails the list with its message in `log`; the entries
// before it have been visited. `entry` is the caller's (it is large).
bool parse_users_items(const UsersItemText& items, TransferLog* log, UsersEntry* entry, UsersEntryVisit visit,
                       void* context);
