// Current users: the sessions the server counts as logged on.
#pragma once

#include <stdint.h>

#include "api/codec.h"

struct CurrentUserRecord {
    uint32_t port_number;  // parsed from port_text
    uint32_t ip_address;   // first octet most significant; 0 unless ip_text is a dotted quad
    char user_name[256];
    char ras_client[32];
    char port_type[32];
    char port_text[11];
    char time_text[20];    // "MM/DD/YYYY hh:mm:ss"
    char time_key[20];     // "YYYYMMDDhh:mm:ss": sorts by date and time
    char session_id[256];
    char distinguished_name[256];
    char ip_text[17];
};

const uint16_t CURRENT_USERS_BATCH = 72;

struct CurrentUserBatch {
    uint16_t count;
    CurrentUserRecord* records;  // malloc'd; current_user_batch_free
};

// One batch, continuing after `after` (null for the first). A reply that
// announces more than 72 records fails with 0xFFFF and no records.
uint16_t list_current_users(const CurrentUserRecord* after, CurrentUserBatch* batch);
uint16_t delete_current_user(const CurrentUserRecord* record);
void current_user_batch_free(CurrentUserBatch* batch);

// Every batch until one is empty or a request fails; `visit` sees each
// record once. Returns the failing status, if any.
uint16_t fetch_current_users(void (*visit)(void* context, const CurrentUserRecord& record), void* context);

uint16_t parse_current_users(MessageBuffer* response, CurrentUserBatch* batch);
// "a.b.c.d" with four decimal parts of 0 to 255 and nothing else.
bool parse_ip_text(const char* text, uint32_t* address);
