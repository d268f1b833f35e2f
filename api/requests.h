// The catalogue of server requests beyond the database service: statistics,
// administrators, access level, status text, products, keep-alive, locks and
// versions. Current users and dictionaries have their own headers.
#pragma once

#include <stdint.h>

#include "api/codec.h"
#include "api/protocol.h"

// Versions: bits 16-23 major, 8-15 minor, 0-7 patch.
const uint32_t CONSOLE_VERSION = 0x00011E00;
const uint32_t MIN_SERVICE_VERSION = 0x00011E00;
// "01.30.00": the form every version is shown in. `text` holds at least 9 bytes.
void format_version(uint32_t version, char* text, uint32_t text_size);

const uint16_t ACCESS_NONE = 0;
const uint16_t ACCESS_FULL = 2;

// Statistics: counters 0 to 29; counter 0 is the up time in seconds.
const uint16_t STAT_COUNTER_COUNT = 30;
struct StatisticsCounters {
    bool present[STAT_COUNTER_COUNT];
    uint32_t value[STAT_COUNTER_COUNT];
};
uint16_t get_statistics(StatisticsCounters* counters);

// Administrators: kind 0 a user account, 1 a group; level 2 adds, 0 removes.
const uint16_t ADMIN_USER = 0;
const uint16_t ADMIN_GROUP = 1;
const uint16_t ADMIN_NAMES_CAPACITY = 32768;
// One batch into `area` (capacity bytes): names each with its NUL, ended by an
// empty name. `after` is "" for the first batch.
uint16_t admin_enumerate(const char* after, uint16_t kind, uint16_t level, uint8_t* area, uint16_t capacity,
                         uint16_t* length, bool* more);
uint16_t admin_set(const char* name, uint16_t kind, uint16_t level);
// Every batch of one kind; `visit` is called once per name. A batch that
// ends on the name it was asked to continue after fails with 0x8001.
uint16_t admin_list(uint16_t kind, void (*visit)(void* context, const char* name), void* context);

uint16_t get_access_level(uint16_t* level);
uint16_t get_option_mask(uint32_t* mask);
uint16_t get_service_version(uint32_t* version);
// A nonzero status refuses this console; `required` is set in both cases when
// the server sends it.
uint16_t check_console_version(uint32_t console_version, uint32_t* required);

const uint16_t STATUS_TEXT_CAPACITY = 8192;
// Fills `text` (capacity bytes) with the server's status text, NUL-terminated.
uint16_t get_status_text(char* text, uint16_t capacity);

struct Product {
    char name[32];
    uint32_t value;
};
struct ProductList {
    uint32_t count;
    Product* products;  // malloc'd; product_list_free
};
// A response without a count item gives status 0 and `has_list` false.
uint16_t get_product_list(ProductList* list, bool* has_list);
void product_list_free(ProductList* list);

uint16_t keep_alive();

// Server-side locks, whole server or by name; statuses as the lock table says.
uint16_t lock_server();
uint16_t unlock_server();
// Runs `work` (returning a status) between lock_server and unlock_server;
// nothing runs when the lock is refused.
template <typename Work>
uint16_t under_server_lock(Work work) {
    uint16_t status = lock_server();
    if (status != 0) return status;
    status = work();
    unlock_server();
    return status;
}
uint16_t lock_named(const char* name);
uint16_t unlock_named(const char* name);
const uint32_t LOCK_WAIT_MS = 10000;

// Response parsers, apart from the exchanges so they can be tested and fuzzed
// on crafted bytes. Each returns the request's status.
uint16_t parse_statistics(MessageBuffer* response, StatisticsCounters* counters);
uint16_t parse_admin_batch(MessageBuffer* response, uint8_t* area, uint16_t capacity, uint16_t* length, bool* more);
uint16_t parse_status_text(MessageBuffer* response, char* text, uint16_t capacity);
uint16_t parse_product_list(MessageBuffer* response, ProductList* list, bool* has_list);
// The lock table: `releasing` selects the unlock column.
uint16_t parse_lock_result(MessageBuffer* response, bool releasing);
