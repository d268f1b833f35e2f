// One record of a users file as text: the user name, the check items of its
// first line and its indented reply lines, read whole before anything of it
// is parsed or written.
#pragma once

#include <stdint.h>

#include "transfer/transfer_log.h"
#include "transfer/users_file_input.h"

const uint32_t USERS_NAME_SIZE = 256;              // a stored user name and its NUL
const uint32_t USERS_REPLY_LIMIT = 1024 * 1024;    // bytes of reply text a record may hold

struct UsersRecordText {
    char name[USERS_NAME_SIZE];  // as written in the file
    uint32_t line;               // number of the record's first line
    char check[USERS_LINE_SIZE];
    // The reply lines without their indentation, joined by LF; each joined
    // line's number in the file.
    char* reply;
    uint32_t reply_used;
    uint32_t reply_capacity;
    uint32_t* reply_lines;
    uint32_t reply_line_count;
    uint32_t reply_line_capacity;
};

enum UsersRecordRead {
    USERS_RECORD_READ,     // the texts are ready for the item parser
    USERS_RECORD_SKIPPED,  // no check items: logged as a missing password
    USERS_RECORD_FAILED,   // a line too long, a name that cannot be stored, no memory: logged
    USERS_RECORD_END,      // no record left
};

// Reads the next record (comments and empty lines before it are skipped).
// Every message goes to `log`; the record's lines are consumed whatever
// the result, so the next call starts at the next record.
UsersRecordRead read_users_record(UsersFileInput* input, TransferLog* log, UsersRecordText* record);
void users_record_free(UsersRecordText* record);
