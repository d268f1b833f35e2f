// The five rejection messages the server sends to users, each the
// "Message-Text" of one object of class "Messages": the text without a
// terminating NUL. The panel shows them on single lines, where tab, line
// feed and carriage return are written "\t", "\n" and "\r".
#pragma once

#include <stdint.h>

#define MESSAGES_CLASS "Messages"
#define MESSAGE_TEXT_PROPERTY "Message-Text"

const uint32_t MESSAGE_TEXT_MAX = 1024;  // bytes stored
const uint32_t MESSAGE_TEXT_SIZE = MESSAGE_TEXT_MAX + 1;
// A field holds every byte of the text escaped.
const uint32_t MESSAGE_FIELD_MAX = 2 * MESSAGE_TEXT_MAX;
const uint32_t MESSAGE_FIELD_SIZE = MESSAGE_FIELD_MAX + 1;
// In the Edit Rejection Message dialog each line break takes two bytes.
const uint32_t MESSAGE_DIALOG_SIZE = 2 * MESSAGE_TEXT_MAX + 1;

// In the order of the panel's fields.
enum RejectionMessage {
    MESSAGE_UNKNOWN_USER,
    MESSAGE_UNKNOWN_CLIENT,
    MESSAGE_LISTS_MISMATCH,
    MESSAGE_INVALID_LIST,
    MESSAGE_DEFAULT,
    MESSAGE_COUNT
};

struct RejectionMessageInfo {
    const char* object;
    uint16_t dialog_name_id;  // fills "Edit %s Rejection Message"
    uint16_t part_name_id;    // names it in a save's failure report
};
const RejectionMessageInfo& rejection_message_info(uint32_t message);

// A stored text as its field shows it. `field` holds MESSAGE_FIELD_SIZE.
void escape_message(const char* text, char* field, uint32_t field_size);
// A field's text as stored: "\t", "\n" and "\r" become the characters, any
// other backslash stays; cut to text_size - 1 bytes.
void unescape_message(const char* field, char* text, uint32_t text_size);

// The text as the dialog's multi-line field shows it: every line break
// (CR LF, a lone LF or a lone CR) as CR LF. `shown` holds MESSAGE_DIALOG_SIZE.
void message_for_dialog(const char* text, char* shown, uint32_t shown_size);
// The dialog's OK: the text it leaves. Unchanged, the message keeps its own
// line breaks; changed, it is what was typed, cut to text_size - 1 bytes.
void message_from_dialog(const char* typed, const char* shown, const char* original, char* text, uint32_t text_size);
