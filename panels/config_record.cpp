#include "panels/config_record.h"

#include <stdio.h>
#include <string.h>

#include "api/codec.h"
#include "api/db.h"
#include "api/status.h"
#include "resources/strings.h"

namespace {

// A value of a fixed object; `*stored` false when the database lacks it.
uint16_t get_value(const char* cls, const char* object, const char* property, void* area, uint16_t capacity,
                   uint16_t* length, bool* stored) {
    *length = capacity;
    uint16_t status = db_get(cls, object, property, area, length);
    *stored = status == 0;
    if (status == STATUS_NOT_FOUND) return 0;
    return status;
}

uint16_t read_methods(MethodList* methods, bool* order_stored, uint16_t platform_mask, uint32_t option_mask) {
    uint8_t order[AUTH_ORDER_READ_LIMIT];
    uint16_t length = 0;
    bool stored = false;
    uint16_t status =
        get_value(POLICY_CLASS, AUTH_INFO_OBJECT, AUTH_ORDER_PROPERTY, order, sizeof order, &length, &stored);
    *order_stored = stored && length > 0;
    methods_from_order(order, length, *order_stored, platform_mask, option_mask, methods);
    return status;
}

uint16_t read_days(uint32_t* days) {
    uint8_t value[8];  // room for more, to tell a value of another length
    uint16_t length = 0;
    bool stored = false;
    uint16_t status =
        get_value(POLICY_CLASS, LOG_INFO_OBJECT, LOG_MAX_DAYS_PROPERTY, value, sizeof value, &length, &stored);
    *days = stored && length == 4 ? get_le32(value) : DEFAULT_LOG_DAYS;
    return status;
}

uint16_t read_message(uint32_t message, char* text) {
    uint16_t length = 0;
    bool stored = false;
    uint16_t status = get_value(MESSAGES_CLASS, rejection_message_info(message).object, MESSAGE_TEXT_PROPERTY, text,
                                MESSAGE_TEXT_MAX, &length, &stored);
    text[stored && length <= MESSAGE_TEXT_MAX ? length : 0] = 0;
    return status;
}

// Replaces a value in place, so that a failure leaves the stored one; the
// object is created first when the database does not have it yet.
uint16_t put_value(const char* cls, const char* object, const char* property, const void* bytes, uint32_t length) {
    uint16_t status = db_set(cls, object, property, bytes, length);
    if (status != STATUS_NOT_FOUND) return status;
    status = db_create(cls, object);
    return status != 0 ? status : db_set(cls, object, property, bytes, length);
}

uint16_t write_part(const ConfigRecord& record, uint32_t part) {
    if (part == CONFIG_PART_ORDER) {
        uint8_t order[AUTH_ORDER_BYTES_MAX];
        uint32_t length = order_from_methods(record.methods, order);
        return put_value(POLICY_CLASS, AUTH_INFO_OBJECT, AUTH_ORDER_PROPERTY, order, length);
    }
    if (part == CONFIG_PART_DAYS) {
        uint8_t days[4];
        put_le32(days, record.log_days);
        return put_value(POLICY_CLASS, LOG_INFO_OBJECT, LOG_MAX_DAYS_PROPERTY, days, sizeof days);
    }
    uint32_t message = part - CONFIG_PART_FIRST_MESSAGE;
    const char* object = rejection_message_info(message).object;
    const char* text = record.messages[message];
    size_t length = strnlen(text, MESSAGE_TEXT_MAX);
    if (length > 0) return put_value(MESSAGES_CLASS, object, MESSAGE_TEXT_PROPERTY, text, (uint32_t)length);
    // An empty message is no object at all; one already gone is cleared.
    uint16_t status = db_delete(MESSAGES_CLASS, object, nullptr);
    return status == STATUS_NOT_FOUND ? 0 : status;
}

}  // namespace

uint16_t read_config(ConfigRecord* record, uint16_t platform_mask, uint32_t option_mask) {
    memset(record, 0, sizeof *record);
    uint16_t status = read_methods(&record->methods, &record->order_stored, platform_mask, option_mask);
    if (status == 0) status = read_days(&record->log_days);
    for (uint32_t i = 0; i < MESSAGE_COUNT && status == 0; ++i) status = read_message(i, record->messages[i]);
    return status;
}

uint16_t config_part_name_id(uint32_t part) {
    if (part == CONFIG_PART_ORDER) return IDS_PART_ORDER;
    if (part == CONFIG_PART_DAYS) return IDS_PART_DAYS;
    return rejection_message_info(part - CONFIG_PART_FIRST_MESSAGE).part_name_id;
}

void config_part_names(uint32_t first, uint32_t end, char* text, uint32_t text_size) {
    text[0] = 0;
    for (uint32_t part = first; part < end; ++part) {
        size_t used = strlen(text);
        snprintf(text + used, text_size - used, "%s%s", part == first ? "" : ", ",
                 string_text(config_part_name_id(part)));
    }
}

uint16_t write_config(const ConfigRecord& record, uint32_t* written) {
    *written = 0;
    for (uint32_t part = 0; part < CONFIG_PART_COUNT; ++part) {
        uint16_t status = write_part(record, part);
        if (status != 0) return status;
        ++*written;
    }
    return 0;
}
