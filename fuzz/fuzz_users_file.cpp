// The users-file reader over any bytes: records, items, operators and value
// conversions, translated through a small dictionary pair. The first byte
// chooses the options; nothing is written.
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include "transfer/users_file_import.h"

namespace {

AttributeDefinition IMPORT_ATTRIBUTES[] = {
    {"Password", 2, 0, 0x01, false},       {"User-Service", 6, 1, 0x07, true}, {"Framed-Address", 8, 2, 0x05, false},
    {"Framed-MTU", 12, 15, 0x04, false},   {"Filter", 11, 16, 0x0C, false},    {"Class", 25, 10, 0x04, false},
    {"Expiration", 21, 19, 0x01, false},   {"Hex8", 30, 11, 0x04, false},      {"Odd", 31, 7, 0x04, false},
    {"Pool-Address", 32, 18, 0x04, false}, {"Orphan", 99, 0, 0x04, false},
};
AttributeValueName IMPORT_VALUES[] = {{"User-Service", "Framed-User", 2, 0}, {"User-Service", "Login-User", 1, 0}};
AttributeDefinition MASTER_ATTRIBUTES[] = {
    {"User-Password", 2, 0, 0x01, false}, {"Service-Type", 6, 1, 0x07, true},  {"Framed-IP-Address", 8, 18, 0x05, false},
    {"Framed-MTU", 12, 1, 0x04, false},   {"Filter-Id", 11, 0, 0x0C, false},   {"Class", 25, 10, 0x04, false},
    {"Expires", 21, 19, 0x01, false},     {"Hex8", 30, 11, 0x04, false},       {"Odd", 31, 7, 0x04, false},
    {"Pool-Address", 32, 18, 0x04, false},
};
AttributeDefinition PRODUCT_ATTRIBUTES[] = {
    {"Service-Type", 6, 1, 0x07, true}, {"Framed-IP-Address", 8, 18, 0x05, false}, {"Framed-MTU", 12, 1, 0x04, false},
    {"Filter-Id", 11, 0, 0x0C, false},  {"Class", 25, 10, 0x04, false},            {"Hex8", 30, 11, 0x04, false},
};

const Dictionary IMPORT = {sizeof IMPORT_ATTRIBUTES / sizeof IMPORT_ATTRIBUTES[0], IMPORT_ATTRIBUTES,
                           sizeof IMPORT_VALUES / sizeof IMPORT_VALUES[0], IMPORT_VALUES};
const Dictionary MASTER = {sizeof MASTER_ATTRIBUTES / sizeof MASTER_ATTRIBUTES[0], MASTER_ATTRIBUTES, 0, nullptr};
const Dictionary PRODUCT = {sizeof PRODUCT_ATTRIBUTES / sizeof PRODUCT_ATTRIBUTES[0], PRODUCT_ATTRIBUTES, 0, nullptr};

void check_list(const AttributeList& list) {
    for (uint16_t i = 0; i < list.count; ++i) {
        const AttributeInstance& instance = list.items[i];
        if (instance.length > MAX_VALUE_LENGTH || instance.flags != IF_ORDINARY) __builtin_trap();
        if (!memchr(instance.name, 0, sizeof instance.name)) __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    UsersImportOptions options = {{&IMPORT, &MASTER, &PRODUCT}, (data[0] & 1) != 0, (data[0] & 2) != 0, ""};
    UsersFileInput input;
    users_input_from_memory(&input, data + 1, size - 1);
    TransferLog log = {nullptr, 0, 0};
    UsersFileReader reader;
    memset(&reader, 0, sizeof reader);
    ImportedUser user;
    memset(&user, 0, sizeof user);
    uint32_t records = 0;
    while (next_users_record(&input, options, &log, &reader, &user)) {
        if (!memchr(user.record.object_name, 0, sizeof user.record.object_name)) __builtin_trap();
        if (user.importable) {
            check_list(user.record.check_list);
            check_list(user.record.return_list);
            if (user.password.length > PASSWORD_SCRAMBLED_LENGTH) __builtin_trap();
        }
        // Each record takes at least one line.
        if (++records > input.line) __builtin_trap();
    }
    imported_user_free(&user);
    users_reader_free(&reader);
    return 0;
}
