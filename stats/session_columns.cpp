#include "stats/session_columns.h"

#include <stdio.h>

#include "resources/strings.h"

namespace {

struct InitialColumn {
    uint16_t heading;
    uint8_t field;
    int32_t alignment;
    int32_t width;
};

const InitialColumn INITIAL[SESSION_COLUMN_COUNT] = {
    {IDS_COLUMN_USER_NAME, SESSION_USER, 0, 120}, {IDS_COLUMN_RAS_CLIENT, SESSION_RAS_CLIENT, 0, 90},
    {IDS_COLUMN_PORT, SESSION_PORT, 2, 50},       {IDS_COLUMN_PORT_TYPE, SESSION_PORT_TYPE, 0, 80},
    {IDS_COLUMN_TIME, SESSION_TIME, 0, 145},      {IDS_COLUMN_SESSION_ID, SESSION_SESSION_ID, 0, 85},
    {IDS_COLUMN_IP_ADDRESS, SESSION_IP, 0, 120},
};

int fold(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

// Case-insensitive over at most `limit` characters, stopping at the end of
// either text.
int compare_text(const char* a, const char* b, uint32_t limit) {
    for (uint32_t i = 0; i < limit; ++i) {
        int x = fold((unsigned char)a[i]), y = fold((unsigned char)b[i]);
        if (x != y) return x < y ? -1 : 1;
        if (x == 0) return 0;
    }
    return 0;
}

int compare_number(uint32_t a, uint32_t b) { return a < b ? -1 : (a > b ? 1 : 0); }

}  // namespace

void session_columns_initial(SessionColumn columns[SESSION_COLUMN_COUNT]) {
    for (uint32_t i = 0; i < SESSION_COLUMN_COUNT; ++i) {
        snprintf(columns[i].heading, SESSION_HEADING_SIZE, "%s", string_text(INITIAL[i].heading));
        columns[i].field = INITIAL[i].field;
        columns[i].alignment = INITIAL[i].alignment;
        columns[i].width = INITIAL[i].width;
    }
}

int compare_session_field(const CurrentUserRecord& a, const CurrentUserRecord& b, uint8_t field) {
    switch (field) {
        case SESSION_USER: return compare_text(a.user_name, b.user_name, 255);
        case SESSION_RAS_CLIENT: return compare_text(a.ras_client, b.ras_client, 31);
        case SESSION_PORT: return compare_number(a.port_number, b.port_number);
        case SESSION_PORT_TYPE: return compare_text(a.port_type, b.port_type, 32);
        // The key's trailing zero bytes end the comparison.
        case SESSION_TIME: return compare_text(a.time_key, b.time_key, 19);
        case SESSION_SESSION_ID: return compare_text(a.session_id, b.session_id, 255);
        case SESSION_IP: return compare_number(a.ip_address, b.ip_address);
        case SESSION_DN: return compare_text(a.distinguished_name, b.distinguished_name, 255);
        default: return 0;
    }
}

int compare_sessions(const CurrentUserRecord& a, const CurrentUserRecord& b,
                     const SessionColumn columns[SESSION_COLUMN_COUNT]) {
    for (uint32_t i = 0; i < SESSION_COLUMN_COUNT; ++i) {
        int order = compare_session_field(a, b, columns[i].field);
        if (order != 0) return order;
    }
    return compare_session_field(a, b, SESSION_DN);
}

const char* session_field_text(const CurrentUserRecord& record, uint8_t field) {
    switch (field) {
        case SESSION_USER: return record.user_name;
        case SESSION_RAS_CLIENT: return record.ras_client;
        case SESSION_PORT: return record.port_text;
        case SESSION_PORT_TYPE: return record.port_type;
        case SESSION_TIME: return record.time_text;
        case SESSION_SESSION_ID: return record.session_id;
        case SESSION_IP: return record.ip_text;
        case SESSION_DN: return record.distinguished_name;
        default: return "";
    }
}
