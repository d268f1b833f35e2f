#include "tests/transfer/users_file_support.h"

#include <stdio.h>
#include <string.h>

#include "tests/sim/sim_test_support.h"

LogCapture::LogCapture(const char* name) : path(test_directory() + "/" + name) {
    remove(path.c_str());
    log.file = fopen(path.c_str(), "wb");
}

LogCapture::~LogCapture() {
    if (log.file) fclose(log.file);
}

std::string LogCapture::text() {
    if (log.file) fflush(log.file);
    return read_test_file(path);
}

namespace {

// Names as a classic users file writes them; numbers as RFC 2865 gives them.
AttributeDefinition IMPORT_ATTRIBUTES[] = {
    {"Password", 2, 0, 0x01, false},         {"Client-Id", 4, 2, 0x03, false},
    {"User-Service", 6, 1, 0x07, true},      {"Framed-Address", 8, 2, 0x05, false},
    {"Framed-Filter-Id", 11, 0, 0x0C, false}, {"Framed-MTU", 12, 1, 0x04, false},
    {"Old-Password", 17, 0, 0x01, false},    {"Expiration", 21, 19, 0x01, false},
    {"Port-Message", 18, 0, 0x1C, false},    {"Modem-Flags", 40, 11, 0x04, false},
    {"Link-Options", 41, 12, 0x04, false},   {"Max-Links", 42, 14, 0x04, false},
    {"Max-Rate", 43, 15, 0x04, false},       {"Class", 25, 10, 0x04, false},
    {"Pool-Address", 44, 18, 0x04, false},   {"Odd-Type", 45, 7, 0x04, false},
    {"Vendor-Filter", 242, 10, 0x0C, false},
};
AttributeValueName IMPORT_VALUES[] = {
    {"User-Service", "Login-User", 1, 0},
    {"User-Service", "Framed-User", 2, 0},
};
AttributeDefinition MASTER_ATTRIBUTES[] = {
    {"User-Password", 2, 0, 0x01, false},   {"NAS-IP-Address", 4, 2, 0x03, false},
    {"Service-Type", 6, 1, 0x07, true},     {"Framed-IP-Address", 8, 18, 0x05, false},
    {"Filter-Id", 11, 0, 0x0C, false},      {"Framed-MTU", 12, 1, 0x04, false},
    {"Change-Password", 17, 0, 0x01, false}, {"Keel-Expiration", 21, 19, 0x01, false},
    {"Reply-Message", 18, 0, 0x1C, false},  {"Modem-Flags", 40, 11, 0x04, false},
    {"Link-Options", 41, 12, 0x04, false},  {"Max-Links", 42, 14, 0x04, false},
    {"Max-Rate", 43, 15, 0x04, false},      {"Class", 25, 10, 0x04, false},
    {"Pool-Address", 44, 18, 0x04, false},  {"Odd-Type", 45, 7, 0x04, false},
};
AttributeDefinition PRODUCT_ATTRIBUTES[] = {
    {"NAS-IP-Address", 4, 2, 0x03, false},     {"Service-Type", 6, 1, 0x07, true},
    {"Framed-IP-Address", 8, 18, 0x05, false}, {"Filter-Id", 11, 0, 0x0C, false},
    {"Framed-MTU", 12, 1, 0x04, false},        {"Keel-Expiration", 1007, 19, 0x01, false},
    {"Reply-Message", 18, 0, 0x1C, false},     {"Modem-Flags", 40, 11, 0x04, false},
    {"Link-Options", 41, 12, 0x04, false},     {"Max-Links", 42, 14, 0x04, false},
    {"Max-Rate", 43, 15, 0x04, false},         {"Class", 25, 10, 0x0C, false},
    {"Pool-Address", 44, 18, 0x04, false},
};

template <class T, size_t N>
uint32_t count_of(T (&)[N]) {
    return (uint32_t)N;
}

const Dictionary IMPORT = {count_of(IMPORT_ATTRIBUTES), IMPORT_ATTRIBUTES, count_of(IMPORT_VALUES), IMPORT_VALUES};
const Dictionary MASTER = {count_of(MASTER_ATTRIBUTES), MASTER_ATTRIBUTES, 0, nullptr};
const Dictionary PRODUCT = {count_of(PRODUCT_ATTRIBUTES), PRODUCT_ATTRIBUTES, 0, nullptr};

std::string describe_list(const AttributeList& list) {
    std::string text;
    for (uint16_t i = 0; i < list.count; ++i) {
        const AttributeInstance& instance = list.items[i];
        char hex[3];
        text += (i ? " " : "") + std::string(instance.name) + ":" + std::to_string(instance.stored_type) + ":";
        for (uint16_t b = 0; b < instance.length; ++b) {
            snprintf(hex, sizeof hex, "%02x", instance.data[b]);
            text += hex;
        }
    }
    return text;
}

}  // namespace

UsersImportDictionaries memory_dictionaries() { return {&IMPORT, &MASTER, &PRODUCT}; }

UsersImportOptions memory_options(bool ignore_attributes, bool pap_only, const char* profile) {
    return {memory_dictionaries(), ignore_attributes, pap_only, profile};
}

std::string describe_user(const ImportedUser& user) {
    std::string text = std::string(user.record.object_name[0] ? user.record.object_name : user.file_name) + "@" +
                       std::to_string(user.line) + (user.importable ? " ok" : " skip") +
                       " errors=" + std::to_string(user.errors);
    if (!user.importable) return text;
    text += " check=[" + describe_list(user.record.check_list) + "] reply=[" + describe_list(user.record.return_list) +
            "] password=" + std::to_string(user.password.type) + "/" + std::to_string(user.password.length);
    if (user.profile[0]) text += std::string(" profile=") + user.profile;
    return text;
}

std::vector<std::string> read_records(const std::string& file, const UsersImportOptions& options, LogCapture* capture,
                                      std::vector<ImportedUser>* users) {
    UsersFileInput input;
    users_input_from_memory(&input, (const uint8_t*)file.data(), file.size());
    UsersFileReader reader;
    memset(&reader, 0, sizeof reader);
    std::vector<std::string> lines;
    ImportedUser user;
    memset(&user, 0, sizeof user);
    while (next_users_record(&input, options, &capture->log, &reader, &user)) {
        lines.push_back(describe_user(user));
        if (users) {
            users->push_back(user);
            memset(&user, 0, sizeof user);  // the vector owns the lists now
        }
    }
    imported_user_free(&user);
    users_reader_free(&reader);
    return lines;
}

void free_users(std::vector<ImportedUser>* users) {
    for (ImportedUser& user : *users) imported_user_free(&user);
    users->clear();
}
