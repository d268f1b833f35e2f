#include "transfer/users_file_items.h"

#include <string.h>

#include "transfer/users_file_messages.h"

namespace {

bool is_separator(char c) { return c == ',' || c == ' ' || c == '\t' || c == '\n'; }
bool is_blank(char c) { return c == ' ' || c == '\t'; }
// Characters of an operator; a name stops at the first of them.
bool is_operator_char(char c) { return c && strchr("=:!<>+~*", c) != nullptr; }

// Copies a quoted text or a run into `out` (cut to `size`); returns the
// position after it. A name also stops at operator characters, so that
// "Name:=value" splits as it reads.
const char* take_token(const char* at, char* out, uint32_t size, bool name) {
    uint32_t length = 0;
    if (*at == '"') {
        for (++at; *at && *at != '"' && *at != '\n'; ++at)
            if (length + 1 < size) out[length++] = *at;
        if (*at == '"') ++at;
    } else {
        for (; *at && !is_separator(*at) && *at != '=' && !(name && is_operator_char(*at)); ++at)
            if (length + 1 < size) out[length++] = *at;
    }
    out[length] = 0;
    return at;
}

bool accepted_operator(const char* op) {
    return strcmp(op, "=") == 0 || strcmp(op, ":=") == 0 || strcmp(op, "==") == 0 || strcmp(op, "+=") == 0;
}

// The file's line of the `index`-th joined line.
uint32_t line_at(const UsersItemText& items, uint32_t index) {
    if (items.line_count == 0) return 0;
    return items.lines[index < items.line_count ? index : items.line_count - 1];
}

}  // namespace

bool parse_users_items(const UsersItemText& items, TransferLog* log, UsersEntry* entry, UsersEntryVisit visit,
                       void* context) {
    const char* at = items.text;
    uint32_t joined_line = 0;  // every LF is a separator: tokens stop at it
    for (;;) {
        for (; is_separator(*at); ++at)
            if (*at == '\n') ++joined_line;
        if (!*at) return true;
        entry->line = line_at(items, joined_line);
        at = take_token(at, entry->name, sizeof entry->name, true);
        while (is_blank(*at)) ++at;
        char op[4];
        uint32_t op_length = 0;
        for (; is_operator_char(*at); ++at)
            if (op_length + 1 < sizeof op) op[op_length++] = *at;
        op[op_length] = 0;
        if (op_length == 0) {
            transfer_log_error(log, UF_MISSING_EQUALS, entry->name);
            return false;
        }
        if (!accepted_operator(op)) {
            transfer_log_error(log, UF_OPERATOR_REFUSED, op, entry->name, items.user, (int)entry->line);
            return false;
        }
        while (is_blank(*at)) ++at;
        at = take_token(at, entry->value, sizeof entry->value, false);
        if (!visit(context, *entry)) return false;
    }
}
