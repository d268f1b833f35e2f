#include "panels/proxy_record.h"

#include <stddef.h>
#include <string.h>

#include "api/codec.h"
#include "api/create_object.h"
#include "api/db.h"
#include "api/requests.h"
#include "panels/stored_properties.h"

namespace {

const RecordProperty PROXY_PROPERTIES[] = {
    {"SharedSecret", offsetof(ProxyRecord, secret), SCRAMBLED_SECRET_SIZE},
    {"AcctSharedSecret", offsetof(ProxyRecord, acct_secret), SCRAMBLED_SECRET_SIZE},
    {"IPAddress", offsetof(ProxyRecord, address), PROXY_ADDRESS_SIZE},
    {"Retry-Count", offsetof(ProxyRecord, retry_count), 4},
    {"Retry-Milliseconds", offsetof(ProxyRecord, retry_ms), 4},
    {"Proxy-Acct-Flags", offsetof(ProxyRecord, acct_flags), 4},
};

// The three numbers are stored little-endian, whatever this machine is.
uint16_t set_number(const char* cls, const char* object, const char* property, uint32_t value) {
    uint8_t bytes[4];
    put_le32(bytes, value);
    return db_set(cls, object, property, bytes, sizeof bytes);
}

uint32_t stored_number(const uint32_t& field) { return get_le32((const uint8_t*)&field); }

uint16_t write_properties(void* context, const char* cls, const char* temp_name) {
    const ProxyRecord& record = *(const ProxyRecord*)context;
    uint16_t status = 0;
    if (secret_is_set(record.secret))
        status = db_set(cls, temp_name, "SharedSecret", record.secret.bytes, SCRAMBLED_SECRET_SIZE);
    if (status == 0 && secret_is_set(record.acct_secret))
        status = db_set(cls, temp_name, "AcctSharedSecret", record.acct_secret.bytes, SCRAMBLED_SECRET_SIZE);
    if (status == 0 && proxy_has_address(record))
        status = db_set(cls, temp_name, "IPAddress", record.address, PROXY_ADDRESS_SIZE);
    if (status == 0) status = set_number(cls, temp_name, "Retry-Count", record.retry_count);
    if (status == 0) status = set_number(cls, temp_name, "Retry-Milliseconds", record.retry_ms);
    if (status == 0) status = set_number(cls, temp_name, "Proxy-Acct-Flags", record.acct_flags);
    return status;
}

}  // namespace

void clear_proxy_fields(ProxyRecord* record) {
    char name[PROXY_NAME_SIZE];
    memcpy(name, record->name, sizeof name);
    memset(record, 0, sizeof *record);
    memcpy(record->name, name, sizeof name);
    record->name[PROXY_NAME_SIZE - 1] = 0;
}

bool proxy_has_address(const ProxyRecord& record) {
    static const uint8_t NONE[PROXY_ADDRESS_SIZE] = {};
    return memcmp(record.address, NONE, PROXY_ADDRESS_SIZE) != 0;
}

bool is_roaming_proxy(const char* name) { return strcmp(name, ROAMING_PROXY_NAME) == 0; }

uint16_t list_proxies(NameList* names) {
    memset(names, 0, sizeof *names);
    return under_server_lock([&] { return db_list_sorted(PROXY_CLASS, names); });
}

uint16_t read_proxy(ProxyRecord* record) {
    clear_proxy_fields(record);
    uint16_t status = under_server_lock([&] {
        return read_record_properties(PROXY_CLASS, record->name, record, PROXY_PROPERTIES,
                                      sizeof PROXY_PROPERTIES / sizeof PROXY_PROPERTIES[0]);
    });
    if (status != 0) {
        clear_proxy_fields(record);
        return status;
    }
    record->retry_count = stored_number(record->retry_count);
    record->retry_ms = stored_number(record->retry_ms);
    record->acct_flags = stored_number(record->acct_flags);
    if (record->acct_flags == 0) record->acct_flags = PROXY_ACCT_FORWARD;
    return 0;
}

uint16_t write_proxy(const ProxyRecord& record) {
    return create_object(PROXY_CLASS, record.name, write_properties, (void*)&record, TEMP_DELETE_IGNORE_RESULT);
}

uint16_t create_proxy(const char* name) {
    uint16_t status = db_create(PROXY_CLASS, name);
    if (status != 0) return status;
    status = set_number(PROXY_CLASS, name, "Retry-Count", DEFAULT_RETRY_COUNT);
    if (status == 0) status = set_number(PROXY_CLASS, name, "Retry-Milliseconds", DEFAULT_RETRY_MS);
    if (status == 0) status = set_number(PROXY_CLASS, name, "Proxy-Acct-Flags", PROXY_ACCT_FORWARD);
    if (status != 0) db_delete(PROXY_CLASS, name, nullptr);
    return status;
}

uint16_t delete_proxy(const char* name) { return db_delete(PROXY_CLASS, name, nullptr); }
