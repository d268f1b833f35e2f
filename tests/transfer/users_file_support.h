// Reading users files in tests: a log the test reads back, a small import
// dictionary pair held in memory (the shape of the demo's), and the records
// of a text summed up as one line each.
#pragma once

#include <string>
#include <vector>

#include "transfer/users_file_import.h"

// A log in the test directory; text() is what was written to it so far.
struct LogCapture {
    TransferLog log = {};
    std::string path;
    explicit LogCapture(const char* name = "users-import.log");
    ~LogCapture();
    std::string text();
};

// The pair and the product dictionary of the in-memory tests.
UsersImportDictionaries memory_dictionaries();
UsersImportOptions memory_options(bool ignore_attributes = false, bool pap_only = false, const char* profile = "");

// Every record of `file`: "NAME@LINE ok|skip errors=N check=[...] reply=[...] password=T/L".
// Each instance reads NAME:TYPE:HEX.
std::vector<std::string> read_records(const std::string& file, const UsersImportOptions& options, LogCapture* capture,
                                      std::vector<ImportedUser>* users = nullptr);
std::string describe_user(const ImportedUser& user);
void free_users(std::vector<ImportedUser>* users);
