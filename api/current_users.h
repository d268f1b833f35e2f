// Current users: the sessions the server counts as logged on.
#pragma once

#include <stdint.h>

#include "api/codec.h"
#include "api/protocol.h"

struct CurrentUserRecord {
    uint32_t port_number;  // parsed from port_text
    uint32_t ip_address;   // first octet most significant; 0 unless ip_text is a dotted quad
    char user_name[CU_WIDTH_USER];
    char ras_client[CU_WIDTH_RAS_CLIENT];
    char port_type[CU_WIDTH_PORT_TYPE];
    char port_text[CU_WIDTH_PORT];
    char time_text[CU_WIDTH_TIME];  // "MM/DD/YYYY hh:mm:ss"
    char time_key[CU_WIDTH_TIME];   // "YYYYMMDDhh:mm:ss": sorts by date and time
    char session_id[CU_WIDTH_SESSION_ID];
    char distinguished_name[CU_WIDTH_DN];
    char ip_text[CU_WIDTH_IP + 1];
};

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
// record once. Returns the failing status, if any; 0x8001 when a batch ends
// on the record it was asked to continue after.
uint16_t fetch_current_users(void (*visit)(void* context, const CurrentUserRecord& record), void* context);

uint16_t parse_current_users(MessageBuffer* response, CurrentUserBatch* batch);
// "a.b.c.d" with four decimal parts of 0 to 255 and nothing else.
bool parse_ip_text(const char* text, uint32_t* address);
