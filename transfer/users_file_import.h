// A users file's record turned into what is stored for a native user: the
// items looked up in the import dictionary, their numbers translated into
// this server's names through the master dictionary and checked against the
// product (default) dictionary; the password item becomes "--Password".
// A record is parsed whole, with every message logged, before anything of
// it may be written.
#pragma once

#include <stdint.h>

#include "attrs/attribute_list.h"
#include "attrs/dictionary.h"
#include "panels/profile_link.h"
#include "panels/user_password.h"
#include "transfer/transfer_log.h"
#include "transfer/users_file_items.h"
#include "transfer/users_file_record.h"

// The attribute number of the password item.
const uint32_t USERS_PASSWORD_NUMBER = 2;

struct UsersImportDictionaries {
    const Dictionary* import;   // the names and value names the file is written with
    const Dictionary* master;   // each number's name in this server's terms
    const Dictionary* product;  // the server's default dictionary
};

struct UsersImportOptions {
    UsersImportDictionaries dictionaries;
    bool ignore_attributes;  // only the password of each user
    bool pap_only;           // the password kept as its digest
    const char* profile;     // linked to every user; "" for none
};

struct ImportedUser {
    char file_name[USERS_NAME_SIZE];  // the name as written in the file
    uint32_t line;                    // the record's first line
    uint32_t errors;                  // counted while the record was read (the list marks it "** ")
    bool importable;                  // read and parsed whole: it may be written
    // Class "++b-Native-User", the stored name (upper case, OEM), the check
    // and return lists in file order.
    AttributeRecord record;
    PasswordProperty password;
    char profile[PROFILE_NAME_SIZE];
};

// Work space of a run of records (its buffers are large; reused by each record).
struct UsersFileReader {
    UsersRecordText text;
    UsersEntry entry;
};
void users_reader_free(UsersFileReader* reader);

// Reads the next record and translates it into `user` (whose old lists are
// freed). False when no record is left. A record that is not importable
// still carries its names (the stored one empty when the name cannot be
// stored), line and error count: the scan lists it.
bool next_users_record(UsersFileInput* input, const UsersImportOptions& options, TransferLog* log,
                       UsersFileReader* reader, ImportedUser* user);
// Translates a record read whole; returns user->importable.
bool translate_users_record(const UsersRecordText& text, const UsersImportOptions& options, TransferLog* log,
                            UsersEntry* entry, ImportedUser* user);
// Frees the lists and wipes the password.
void imported_user_free(ImportedUser* user);
