// The server-wide settings as the database holds them: the authentication
// order, the days log files are kept ("Log-Max-Days" of ("Policy",
// "Log-Info"), 32-bit little-endian) and the five rejection messages. These
// are the server sequences; they show nothing. Neither takes the server
// lock: each part is one fixed object, written in place.
#pragma once

#include <stdint.h>

#include "panels/auth_methods.h"
#include "panels/rejection_messages.h"

#define LOG_INFO_OBJECT "Log-Info"
#define LOG_MAX_DAYS_PROPERTY "Log-Max-Days"

const uint32_t DEFAULT_LOG_DAYS = 365;
const uint32_t LOG_DAYS_MAX = 999;

struct ConfigRecord {
    MethodList methods;
    bool order_stored;  // the database holds an order (else every eligible method is active)
    uint32_t log_days;
    char messages[MESSAGE_COUNT][MESSAGE_TEXT_SIZE];
};

// Reads every part. One the database does not hold takes its default: every
// eligible method active, 365 days (also for a value that is not 4 bytes),
// an empty message. Any other failure stops the read and is returned.
uint16_t read_config(ConfigRecord* record, uint16_t platform_mask, uint32_t option_mask);

// The parts a save writes, in order.
enum ConfigPart {
    CONFIG_PART_ORDER,
    CONFIG_PART_DAYS,
    CONFIG_PART_FIRST_MESSAGE,
    CONFIG_PART_COUNT = 2 + MESSAGE_COUNT
};
// The string id naming a part in a failure report.
uint16_t config_part_name_id(uint32_t part);
// The parts from `first` up to `end` named as one list: "a, b, c".
void config_part_names(uint32_t first, uint32_t end, char* text, uint32_t text_size);

// Writes the parts in order: each replaces its stored value (its object is
// created when missing) or, for an empty message, deletes the message's
// object. Stops at the first failure and returns it; *written counts the
// parts written before it. A part not written keeps its stored value.
uint16_t write_config(const ConfigRecord& record, uint32_t* written);
