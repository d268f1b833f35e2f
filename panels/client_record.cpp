#include "panels/client_record.h"

#include <stddef.h>
#include <string.h>

#include "api/create_object.h"
#include "api/db.h"
#include "api/requests.h"
#include "panels/stored_properties.h"

namespace {

// The properties a read fills, in the order they are read.
const RecordProperty CLIENT_PROPERTIES[] = {
    {"SharedSecret", offsetof(ClientRecord, secret), SCRAMBLED_SECRET_SIZE},
    {"AcctSharedSecret", offsetof(ClientRecord, acct_secret), SCRAMBLED_SECRET_SIZE},
    {"Product", offsetof(ClientRecord, product), PRODUCT_NAME_SIZE},
    {"IPAddress", offsetof(ClientRecord, address), CLIENT_ADDRESS_SIZE},
};

uint16_t read_properties(ClientRecord* record) {
    uint16_t status = read_record_properties(CLIENT_CLASS, record->name, record, CLIENT_PROPERTIES,
                                             sizeof CLIENT_PROPERTIES / sizeof CLIENT_PROPERTIES[0]);
    record->product[PRODUCT_NAME_SIZE - 1] = 0;  // a stored text may lack its end
    return status;
}

uint16_t write_properties(void* context, const char* cls, const char* temp_name) {
    const ClientRecord& record = *(const ClientRecord*)context;
    uint16_t status = 0;
    if (secret_is_set(record.secret))
        status = db_set(cls, temp_name, "SharedSecret", record.secret.bytes, SCRAMBLED_SECRET_SIZE);
    if (status == 0 && secret_is_set(record.acct_secret))
        status = db_set(cls, temp_name, "AcctSharedSecret", record.acct_secret.bytes, SCRAMBLED_SECRET_SIZE);
    if (status == 0) status = db_set_text(cls, temp_name, "Product", record.product);
    if (status == 0 && client_has_address(record))
        status = db_set(cls, temp_name, "IPAddress", record.address, CLIENT_ADDRESS_SIZE);
    return status;
}

}  // namespace

void clear_client_fields(ClientRecord* record) {
    char name[CLIENT_NAME_SIZE];
    memcpy(name, record->name, sizeof name);
    memset(record, 0, sizeof *record);
    memcpy(record->name, name, sizeof name);
    record->name[CLIENT_NAME_SIZE - 1] = 0;
}

bool client_has_address(const ClientRecord& record) {
    static const uint8_t NONE[CLIENT_ADDRESS_SIZE] = {};
    return memcmp(record.address, NONE, CLIENT_ADDRESS_SIZE) != 0;
}

bool is_any_client(const char* name) { return strcmp(name, ANY_CLIENT_NAME) == 0; }

uint16_t list_clients(NameList* names) {
    memset(names, 0, sizeof *names);
    return under_server_lock([&] { return db_list_sorted(CLIENT_CLASS, names); });
}

uint16_t read_client(ClientRecord* record) {
    clear_client_fields(record);
    uint16_t status = under_server_lock([&] { return read_properties(record); });
    if (status != 0) clear_client_fields(record);
    return status;
}

uint16_t write_client(const ClientRecord& record) {
    return create_object(CLIENT_CLASS, record.name, write_properties, (void*)&record, TEMP_DELETE_IGNORE_RESULT);
}

uint16_t create_client(const char* name, const char* product) {
    uint16_t status = db_create(CLIENT_CLASS, name);
    if (status != 0) return status;
    status = db_set_text(CLIENT_CLASS, name, "Product", product);
    if (status != 0) db_delete(CLIENT_CLASS, name, nullptr);
    return status;
}

uint16_t delete_client(const char* name) { return db_delete(CLIENT_CLASS, name, nullptr); }
