// The Current Users window's columns and the order of its rows: sessions
// compare column by column in the order the columns are shown.
#pragma once

#include <stdint.h>

#include "api/current_users.h"

enum SessionField : uint8_t {
    SESSION_USER = 1,
    SESSION_RAS_CLIENT = 2,
    SESSION_PORT = 3,
    SESSION_PORT_TYPE = 4,
    SESSION_TIME = 5,
    SESSION_SESSION_ID = 6,
    SESSION_IP = 7,
    SESSION_DN = 8,  // no column shows it; it is part of a session's identity
};

const uint32_t SESSION_COLUMN_COUNT = 7;
const uint32_t SESSION_HEADING_SIZE = 32;

struct SessionColumn {
    char heading[SESSION_HEADING_SIZE];
    uint8_t field;
    int32_t alignment;  // as the grid takes it: 0 left, 2 right
    int32_t width;      // pixels
};

// The columns as every opening of the window starts with them.
void session_columns_initial(SessionColumn columns[SESSION_COLUMN_COUNT]);

// Negative, 0 or positive: the first unequal column in `columns` order
// decides, and the distinguished name after them. Texts compare without
// regard to case over the length the console keeps; port and address as
// numbers.
int compare_sessions(const CurrentUserRecord& a, const CurrentUserRecord& b,
                     const SessionColumn columns[SESSION_COLUMN_COUNT]);
int compare_session_field(const CurrentUserRecord& a, const CurrentUserRecord& b, uint8_t field);

// The text a cell shows: the field's text (the time as sent, the address as
// sent).
const char* session_field_text(const CurrentUserRecord& record, uint8_t field);
