#include "api/requests.h"
#include "api/response.h"
#include "api/status.h"

uint16_t parse_lock_result(MessageBuffer* response, bool releasing) {
    if (read_header_status(response) != 0) return STATUS_TRANSPORT;
    ResponseItem item = {0, 0, nullptr};
    msg_get_item(response, &item.tag, &item.value, &item.length);
    uint16_t result = 0;
    bool has_result = item.tag == LOCK_TAG_RESULT && item_u16(item, &result);

    if (!has_result) return releasing ? STATUS_TRANSPORT : 0;
    if (result == LOCK_NOT_HELD || result == LOCK_RELEASE_FAILED) return STATUS_TRANSPORT;
    if (releasing) return result == LOCK_RELEASED ? 0 : result;
    if (result == LOCK_GRANTED) return 0;
    if (result == LOCK_HELD_BY_OTHER) return STATUS_LOCK_HELD;
    return STATUS_TRANSPORT;
}

static uint16_t lock_request(LockFunction function, LockScope scope, const char* name) {
    MessageBuffer* request = api_begin(SERVICE_LOCK, function);
    msg_put_u16(request, LOCK_TAG_SCOPE, scope);
    msg_put_u32(request, LOCK_TAG_WAIT, LOCK_WAIT_MS);
    if (scope == LOCK_SCOPE_NAMED) msg_put_string(request, LOCK_TAG_NAME, name);
    MessageBuffer* response;
    if (api_exchange(&response) != 0) return STATUS_TRANSPORT;
    return parse_lock_result(response, function == LOCK_RELEASE);
}

uint16_t lock_server() { return lock_request(LOCK_TAKE, LOCK_SCOPE_SERVER, nullptr); }
uint16_t unlock_server() { return lock_request(LOCK_RELEASE, LOCK_SCOPE_SERVER, nullptr); }
uint16_t lock_named(const char* name) { return lock_request(LOCK_TAKE, LOCK_SCOPE_NAMED, name); }
uint16_t unlock_named(const char* name) { return lock_request(LOCK_RELEASE, LOCK_SCOPE_NAMED, name); }
