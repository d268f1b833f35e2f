#include "api/current_users.h"

#include <stdlib.h>
#include <string.h>

#include "api/requests.h"
#include "api/response.h"
#include "api/status.h"
#include "api/text_field.h"

bool parse_ip_text(const char* text, uint32_t* address) {
    uint32_t result = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0 && *text++ != '.') return false;
        uint32_t value = 0;
        int digits = 0;
        while (*text >= '0' && *text <= '9' && digits < 4) {
            value = value * 10 + (uint32_t)(*text++ - '0');
            ++digits;
        }
        if (digits == 0 || digits > 3 || value > 255) return false;
        result = (result << 8) | value;
    }
    if (*text != 0) return false;
    *address = result;
    return true;
}

static uint32_t parse_port(const char* text) {
    uint32_t value = 0;
    while (*text >= '0' && *text <= '9') value = value * 10 + (uint32_t)(*text++ - '0');
    return value;
}

// Year, month, day, then the time of day, so the key sorts chronologically.
static void make_time_key(CurrentUserRecord* record) {
    static const int SOURCE[] = {6, 7, 8, 9, 0, 1, 3, 4, 11, 12, 13, 14, 15, 16, 17, 18};
    memset(record->time_key, 0, sizeof record->time_key);
    for (size_t i = 0; i < sizeof SOURCE / sizeof SOURCE[0]; ++i) record->time_key[i] = record->time_text[SOURCE[i]];
}

static void set_field(CurrentUserRecord* record, const ResponseItem& item) {
    switch (item.tag) {
        case CU_TAG_RAS_CLIENT:
            copy_text_field(record->ras_client, CU_WIDTH_RAS_CLIENT, item.value, item.length);
            break;
        case CU_TAG_USER: copy_text_field(record->user_name, CU_WIDTH_USER, item.value, item.length); break;
        case CU_TAG_DN: copy_text_field(record->distinguished_name, CU_WIDTH_DN, item.value, item.length); break;
        case CU_TAG_SESSION_ID:
            copy_text_field(record->session_id, CU_WIDTH_SESSION_ID, item.value, item.length);
            break;
        case CU_TAG_TIME: copy_text_field(record->time_text, CU_WIDTH_TIME, item.value, item.length); break;
        case CU_TAG_PORT: copy_text_field(record->port_text, CU_WIDTH_PORT, item.value, item.length); break;
        case CU_TAG_PORT_TYPE: copy_text_field(record->port_type, CU_WIDTH_PORT_TYPE, item.value, item.length); break;
        case CU_TAG_IP: copy_text_field(record->ip_text, CU_WIDTH_IP, item.value, item.length); break;
        default: break;
    }
}

static void finish_record(CurrentUserRecord* record) {
    record->port_number = parse_port(record->port_text);
    if (!parse_ip_text(record->ip_text, &record->ip_address)) record->ip_address = 0;
    make_time_key(record);
}

uint16_t parse_current_users(MessageBuffer* response, CurrentUserBatch* batch) {
    batch->count = 0;
    batch->records = nullptr;
    // Items before the count are ignored, and so are those after the
    // announced number of records.
    bool counted = false;
    bool refused = false;
    uint16_t announced = 0;
    uint16_t closed = 0;
    CurrentUserRecord* records = nullptr;
    uint16_t status = read_response(response, [&](const ResponseItem& item) {
        if (refused) return;
        if (!counted) {
            if (item.tag != CU_TAG_COUNT || !item_u16(item, &announced)) return;
            counted = true;
            if (announced <= CU_MAX_BATCH)
                records = (CurrentUserRecord*)calloc(announced ? announced : 1, sizeof(CurrentUserRecord));
            refused = records == nullptr;
        } else if (closed < announced) {
            if (item.tag == CU_TAG_END)
                finish_record(&records[closed++]);
            else
                set_field(&records[closed], item);
        }
    });
    if (status == 0 && refused) status = STATUS_TOO_MANY_RECORDS;
    if (status != 0) {
        free(records);
        return status;
    }
    batch->count = closed;
    batch->records = records;
    return 0;
}

static void put_key(MessageBuffer* request, const CurrentUserRecord* record) {
    msg_put_string(request, CU_TAG_RAS_CLIENT, record->ras_client);
    msg_put_string(request, CU_TAG_USER, record->user_name);
    msg_put_string(request, CU_TAG_DN, record->distinguished_name);
    msg_put_string(request, CU_TAG_SESSION_ID, record->session_id);
    msg_put_string(request, CU_TAG_PORT, record->port_text);
    msg_put_string(request, CU_TAG_PORT_TYPE, record->port_type);
    msg_put_u8(request, CU_TAG_END, 0);
}

uint16_t list_current_users(const CurrentUserRecord* after, CurrentUserBatch* batch) {
    MessageBuffer* request = api_begin(SERVICE_CURRENT_USERS, CURRENT_USERS_LIST);
    if (after) put_key(request, after);
    msg_put_u16(request, CU_TAG_BATCH, CU_MAX_BATCH);
    MessageBuffer* response;
    uint16_t status = api_exchange(&response);
    if (status != 0) {
        batch->count = 0;
        batch->records = nullptr;
        return status;
    }
    return parse_current_users(response, batch);
}

uint16_t delete_current_user(const CurrentUserRecord* record) {
    MessageBuffer* request = api_begin(SERVICE_CURRENT_USERS, CURRENT_USERS_DELETE);
    put_key(request, record);
    return exchange_for_status();
}

void current_user_batch_free(CurrentUserBatch* batch) {
    free(batch->records);
    batch->records = nullptr;
    batch->count = 0;
}

uint16_t fetch_current_users(void (*visit)(void* context, const CurrentUserRecord& record), void* context) {
    CurrentUserRecord last;
    bool has_last = false;
    for (;;) {
        CurrentUserBatch batch;
        uint16_t status = list_current_users(has_last ? &last : nullptr, &batch);
        if (status != 0) return status;
        if (batch.count == 0) {
            current_user_batch_free(&batch);
            return 0;
        }
        // A server that ignores the key would send the same batch forever.
        if (has_last && memcmp(&last, &batch.records[batch.count - 1], sizeof last) == 0) {
            current_user_batch_free(&batch);
            return STATUS_BAD_REPLY;
        }
        for (uint16_t i = 0; i < batch.count; ++i) visit(context, batch.records[i]);
        last = batch.records[batch.count - 1];
        has_last = true;
        current_user_batch_free(&batch);
    }
}
