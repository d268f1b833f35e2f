// The layout of a users file: a record starts at a line whose first
// character is neither a blank nor a tab, and goes on with the indented
// lines after it; an empty line ends it, comment lines inside it are
// skipped.
#include "transfer/users_file_record.h"

#include <stdlib.h>
#include <string.h>

#include "transfer/users_file_messages.h"

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

const char* skip_blanks(const char* text) {
    while (is_blank(*text)) ++text;
    return text;
}

void trim_end(char* text) {
    size_t length = strlen(text);
    while (length > 0 && is_blank(text[length - 1])) text[--length] = 0;
}

bool ends_with_comma(const char* text) {
    size_t length = strlen(text);
    return length > 0 && text[length - 1] == ',';
}

// A comment is a line whose first character is "#"; an indented one counts
// too, since files written for today's servers indent their comments.
bool is_comment(const char* line) { return *skip_blanks(line) == '#'; }
bool is_empty(const char* line) { return *skip_blanks(line) == 0; }

bool append_reply(UsersRecordText* record, const char* text, uint32_t line) {
    const uint32_t length = (uint32_t)strlen(text);
    const uint64_t needed = (uint64_t)record->reply_used + length + 2;
    if (needed > USERS_REPLY_LIMIT) return false;
    if (needed > record->reply_capacity) {
        uint32_t capacity = record->reply_capacity ? record->reply_capacity : 1024;
        while (capacity < needed) capacity *= 2;
        char* grown = (char*)realloc(record->reply, capacity);
        if (!grown) return false;
        record->reply = grown;
        record->reply_capacity = capacity;
    }
    if (record->reply_line_count == record->reply_line_capacity) {
        uint32_t capacity = record->reply_line_capacity ? record->reply_line_capacity * 2 : 16;
        uint32_t* grown = (uint32_t*)realloc(record->reply_lines, capacity * sizeof *grown);
        if (!grown) return false;
        record->reply_lines = grown;
        record->reply_line_capacity = capacity;
    }
    // LF stands for the comma a line without one is given; a quoted text
    // stops there too, as at the end of its line.
    if (record->reply_used > 0) record->reply[record->reply_used++] = '\n';
    memcpy(record->reply + record->reply_used, text, length + 1);
    record->reply_used += length;
    record->reply_lines[record->reply_line_count++] = line;
    return true;
}

// The user name: a quoted text (as files for today's servers may write it),
// else the characters up to the first blank or tab. Returns where the check
// items start; null when the name cannot be stored.
const char* take_name(const char* line, char name[USERS_NAME_SIZE]) {
    const char* at = line;
    const char* end;
    if (*at == '"') {
        ++at;
        end = strchr(at, '"');
        if (!end) end = at + strlen(at);
    } else {
        end = at;
        while (*end && !is_blank(*end)) ++end;
    }
    const size_t length = (size_t)(end - at);
    if (length == 0 || length >= USERS_NAME_SIZE) return nullptr;
    memcpy(name, at, length);
    name[length] = 0;
    return skip_blanks(*end == '"' ? end + 1 : end);
}

enum LineKind { LINE_REPLY, LINE_COMMENT, LINE_EMPTY, LINE_NEXT_RECORD, LINE_NONE };

// What the next line is to the record being read, without taking it.
bool next_line_kind(UsersFileInput* input, TransferLog* log, LineKind* kind) {
    int first = 0;
    if (!users_input_peek(input, &first)) {
        transfer_log_error(log, UF_UNGETC_FAILED);
        return false;
    }
    *kind = first == EOF                     ? LINE_NONE
            : is_blank((char)first)          ? LINE_REPLY
            : first == '#'                   ? LINE_COMMENT
            : first == '\n' || first == '\r' ? LINE_EMPTY
                                             : LINE_NEXT_RECORD;
    return true;
}

struct ReplyTrouble {
    bool too_long;  // a line longer than a line may be
    bool no_room;   // more reply text than a record may hold
};

// The indented lines after the first one, up to the empty line that ends
// the record (taken with it) or the first line of the next record (left
// in place). False when the input failed (logged).
bool read_reply_lines(UsersFileInput* input, TransferLog* log, UsersRecordText* record, bool open_comma,
                      ReplyTrouble* trouble) {
    char line[USERS_LINE_SIZE];
    for (;;) {
        LineKind kind;
        if (!next_line_kind(input, log, &kind)) return false;
        if (kind == LINE_NONE && open_comma) transfer_log_warning(log, UF_PREMATURE_END);
        if (kind == LINE_EMPTY) users_input_line(input, line);
        if (kind == LINE_NONE || kind == LINE_EMPTY || kind == LINE_NEXT_RECORD) return true;
        if (users_input_line(input, line) == USERS_LINE_TOO_LONG) trouble->too_long = true;
        if (kind == LINE_COMMENT || is_comment(line)) continue;
        trim_end(line);
        const char* text = skip_blanks(line);
        // A line of blanks is an empty reply line: the record goes on.
        if (!*text) continue;
        open_comma = ends_with_comma(text);
        if (!trouble->no_room && !append_reply(record, text, input->line)) trouble->no_room = true;
    }
}

void clear_record(UsersRecordText* record) {
    record->name[0] = 0;
    record->line = 0;
    record->check[0] = 0;
    record->reply_used = 0;
    if (record->reply) record->reply[0] = 0;
    record->reply_line_count = 0;
}

}  // namespace

UsersRecordRead read_users_record(UsersFileInput* input, TransferLog* log, UsersRecordText* record) {
    clear_record(record);
    char line[USERS_LINE_SIZE];
    UsersLineRead read;
    for (;;) {
        read = users_input_line(input, line);
        if (read == USERS_LINE_END) return USERS_RECORD_END;
        if (is_empty(line) || line[0] == '#') continue;
        if (!is_blank(line[0])) break;
        if (!is_comment(line)) transfer_log_warning(log, UF_STRAY_LINE, (int)input->line);
    }
    record->line = input->line;
    ReplyTrouble trouble = {read == USERS_LINE_TOO_LONG, false};
    trim_end(line);
    const char* check = take_name(line, record->name);
    if (check) {
        strncpy(record->check, check, USERS_LINE_SIZE - 1);
        record->check[USERS_LINE_SIZE - 1] = 0;
    }
    const bool trailing_comma = ends_with_comma(record->check);
    // The record's lines are read whatever becomes of it, so the next call
    // starts at the next record.
    if (!read_reply_lines(input, log, record, trailing_comma && !trouble.too_long, &trouble))
        return USERS_RECORD_FAILED;
    if (!check) {
        transfer_log_error(log, UF_BAD_USER_NAME, (int)record->line);
        return USERS_RECORD_FAILED;
    }
    if (trouble.too_long) {
        transfer_log_error(log, UF_MISSING_NEW_LINE, record->name);
        return USERS_RECORD_FAILED;
    }
    if (!record->check[0]) {
        transfer_log_warning(log, UF_MISSING_PASSWORD, record->name, (int)record->line);
        return USERS_RECORD_SKIPPED;
    }
    if (trailing_comma) transfer_log_warning(log, UF_TRAILING_COMMA, (int)record->line);
    if (trouble.no_room) {
        transfer_log_error(log, UF_REPLY_LIST_FAILED, record->name);
        return USERS_RECORD_FAILED;
    }
    return USERS_RECORD_READ;
}

void users_record_free(UsersRecordText* record) {
    free(record->reply);
    free(record->reply_lines);
    record->reply = nullptr;
    record->reply_lines = nullptr;
    record->reply_used = record->reply_capacity = 0;
    record->reply_line_count = record->reply_line_capacity = 0;
}
