#include "panels/rejection_messages.h"

#include <string.h>

#include "api/text_field.h"
#include "resources/strings.h"

namespace {

const RejectionMessageInfo MESSAGES[MESSAGE_COUNT] = {
    {"Unknown-User-Msg", IDS_MESSAGE_NAME_UNKNOWN_USER, IDS_PART_UNKNOWN_USER},
    {"Unknown-Client-Msg", IDS_MESSAGE_NAME_UNKNOWN_CLIENT, IDS_PART_UNKNOWN_CLIENT},
    {"Lists-Mismatch-Msg", IDS_MESSAGE_NAME_LISTS_MISMATCH, IDS_PART_LISTS_MISMATCH},
    {"Invalid-List-Msg", IDS_MESSAGE_NAME_INVALID_LIST, IDS_PART_INVALID_LIST},
    {"Default-Reject-Msg", IDS_MESSAGE_NAME_DEFAULT, IDS_PART_DEFAULT},
};

// The letter that stands for a control character after a backslash, or 0.
char escape_letter(char c) {
    switch (c) {
        case '\t': return 't';
        case '\n': return 'n';
        case '\r': return 'r';
        default: return 0;
    }
}

char escaped_character(char letter) {
    switch (letter) {
        case 't': return '\t';
        case 'n': return '\n';
        case 'r': return '\r';
        default: return 0;
    }
}

// Appends up to two bytes when they fit whole, keeping room for the NUL.
bool put(char* out, uint32_t size, uint32_t* used, const char* bytes, uint32_t count) {
    if (*used + count >= size) return false;
    memcpy(out + *used, bytes, count);
    *used += count;
    return true;
}

}  // namespace

const RejectionMessageInfo& rejection_message_info(uint32_t message) {
    return MESSAGES[message < MESSAGE_COUNT ? message : (uint32_t)MESSAGE_DEFAULT];
}

void escape_message(const char* text, char* field, uint32_t field_size) {
    if (field_size == 0) return;
    uint32_t used = 0;
    for (const char* at = text; *at; ++at) {
        char letter = escape_letter(*at);
        const char pair[2] = {'\\', letter};
        if (!(letter ? put(field, field_size, &used, pair, 2) : put(field, field_size, &used, at, 1))) break;
    }
    field[used] = 0;
}

void unescape_message(const char* field, char* text, uint32_t text_size) {
    if (text_size == 0) return;
    uint32_t used = 0;
    for (const char* at = field; *at && used + 1 < text_size; ++at) {
        char c = at[0] == '\\' ? escaped_character(at[1]) : 0;
        if (c)
            ++at;
        else
            c = *at;
        text[used++] = c;
    }
    text[used] = 0;
}

void message_for_dialog(const char* text, char* shown, uint32_t shown_size) {
    if (shown_size == 0) return;
    uint32_t used = 0;
    for (const char* at = text; *at; ++at) {
        bool fits;
        if (*at == '\r' || *at == '\n') {
            if (at[0] == '\r' && at[1] == '\n') ++at;
            fits = put(shown, shown_size, &used, "\r\n", 2);
        } else {
            fits = put(shown, shown_size, &used, at, 1);
        }
        if (!fits) break;
    }
    shown[used] = 0;
}

void message_from_dialog(const char* typed, const char* shown, const char* original, char* text, uint32_t text_size) {
    copy_text(text, text_size, strcmp(typed, shown) == 0 ? original : typed);
}
