#include "api/requests.h"
#include "api/response.h"
#include "api/status.h"

static const uint16_t LOCK_SCOPE_SERVER = 0;
static const uint16_t LOCK_SCOPE_NAMED = 1;

static const uint16_t LOCK_GRANTED = 1;
static const uint16_t LOCK_HELD_BY_OTHER = 2;
static const uint16_t LOCK_RELEASED = 3;
static const uint16_t LOCK_RELEASE_FAILED = 4;
static const uint16_t LOCK_RELEASE_FAILED_TOO = 6;

uint16_t parse_lock_result(MessageBuffer* response, bool releasing) {
    if (read_header_status(response) != 0) return STATUS_TRANSPORT;
    ResponseItem item = {0, 0, nullptr};
    msg_get_item(response, &item.tag, &item.value, &item.length);
    uint16_t result = 0;
    bool has_result = item.tag == 3 && item_u16(item, &result);

    if (!has_result) return releasing ? STATUS_TRANSPORT : 0;
    if (result == LOCK_RELEASE_FAILED || result == LOCK_RELEASE_FAILED_TOO) return STATUS_TRANSPORT;
    if (releasing) return result == LOCK_RELEASED ? 0 : result;
    if (result == LOCK_GRANTED) return 0;
    if (result == LOCK_HELD_BY_OTHER) return STATUS_LOCK_HELD;
    return STATUS_TRANSPORT;
}

static uint16_t lock_request(uint16_t function, uint16_t scope, const char* name) {
    MessageBuffer* request = api_begin(SERVICE_LOCK, function);
    msg_put_u16(request, 2, scope);
    msg_put_u32(request, 4, LOCK_WAIT_MS);
    if (scope == LOCK_SCOPE_NAMED) msg_put_string(request, 5, name);
    MessageBuffer* response;
    if (api_exchange(&response) != 0) return STATUS_TRANSPORT;
    return parse_lock_result(response, function == 2);
}

uint16_t lock_server() { return lock_request(1, LOCK_SCOPE_SERVER, nullptr); }
uint16_t unlock_server() { return lock_request(2, LOCK_SCOPE_SERVER, nullptr); }
uint16_t lock_named(const char* name) { return lock_request(1, LOCK_SCOPE_NAMED, name); }
uint16_t unlock_named(const char* name) { return lock_request(2, LOCK_SCOPE_NAMED, name); }
