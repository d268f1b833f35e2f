#include "api/current_users.h"

#include <stdlib.h>
#include <string.h>

#include "api/requests.h"
#include "api/response.h"
#include "api/status.h"
#include "api/text_field.h"

enum CurrentUserTag : uint16_t {
    CU_BATCH_SIZE = 2,
    CU_COUNT = 3,
    CU_END = 4,
    CU_RAS_CLIENT = 5,
    CU_USER = 6,
    CU_DN = 7,
    CU_SESSION_ID = 8,
    CU_TIME = 9,
    CU_PORT = 10,
    CU_PORT_TYPE = 11,
    CU_IP = 12,
};

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
        case CU_RAS_CLIENT: copy_text_field(record->ras_client, 32, item.value, item.length); break;
        case CU_USER: copy_text_field(record->user_name, 256, item.value, item.length); break;
        case CU_DN: copy_text_field(record->distinguished_name, 256, item.value, item.length); break;
        case CU_SESSION_ID: copy_text_field(record->session_id, 256, item.value, item.length); break;
        case CU_TIME: copy_text_field(record->time_text, 20, item.value, item.length); break;
        case CU_PORT: copy_text_field(record->port_text, 11, item.value, item.length); break;
        case CU_PORT_TYPE: copy_text_field(record->port_type, 32, item.value, item.length); break;
        case CU_IP: copy_text_field(record->ip_text, 16, item.value, item.length); break;
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
    uint16_t status = read_header_status(response);
    if (status != 0) return status;

    bool counted = false;
    uint16_t announced = 0;
    uint16_t closed = 0;
    CurrentUserRecord* records = nullptr;
    for (;;) {
        ResponseItem item = {0, 0, nullptr};
        msg_get_item(response, &item.tag, &item.value, &item.length);
        if (item.tag == 0) break;
        if (item.tag == 1 && item.length == 2) {
            status = get_le16(item.value);
        } else if (!counted) {
            if (item.tag != CU_COUNT || !item_u16(item, &announced)) continue;
            counted = true;
            if (announced > CURRENT_USERS_BATCH) return STATUS_TOO_MANY_RECORDS;
            records = (CurrentUserRecord*)calloc(announced ? announced : 1, sizeof(CurrentUserRecord));
            if (!records) return STATUS_TOO_MANY_RECORDS;
        } else if (closed < announced) {
            if (item.tag == CU_END)
                finish_record(&records[closed++]);
            else
                set_field(&records[closed], item);
        }
    }
    if (status != 0) {
        free(records);
        return status;
    }
    batch->count = closed;
    batch->records = records;
    return 0;
}

static void put_key(MessageBuffer* request, const CurrentUserRecord* record) {
    msg_put_string(request, CU_RAS_CLIENT, record->ras_client);
    msg_put_string(request, CU_USER, record->user_name);
    msg_put_string(request, CU_DN, record->distinguished_name);
    msg_put_string(request, CU_SESSION_ID, record->session_id);
    msg_put_string(request, CU_PORT, record->port_text);
    msg_put_string(request, CU_PORT_TYPE, record->port_type);
    msg_put_u8(request, CU_END, 0);
}

uint16_t list_current_users(const CurrentUserRecord* after, CurrentUserBatch* batch) {
    MessageBuffer* request = api_begin(SERVICE_CURRENT_USERS, 1);
    if (after) put_key(request, after);
    msg_put_u16(request, CU_BATCH_SIZE, CURRENT_USERS_BATCH);
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
    MessageBuffer* request = api_begin(SERVICE_CURRENT_USERS, 2);
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
        bool advanced = !has_last || memcmp(&last, &batch.records[batch.count - 1], sizeof last) != 0;
        for (uint16_t i = 0; advanced && i < batch.count; ++i) visit(context, batch.records[i]);
        last = batch.records[batch.count - 1];
        if (!advanced) {
            current_user_batch_free(&batch);
            return 0;
        }
        has_last = true;
        current_user_batch_free(&batch);
    }
}
