#include "cli/json.h"

#include <stdio.h>
#include <string.h>

void json_quote(std::string* out, const char* bytes, size_t length) {
    *out += '"';
    for (size_t i = 0; i < length; ++i) {
        unsigned char c = (unsigned char)bytes[i];
        switch (c) {
            case '"': *out += "\\\""; break;
            case '\\': *out += "\\\\"; break;
            case '\n': *out += "\\n"; break;
            case '\r': *out += "\\r"; break;
            case '\t': *out += "\\t"; break;
            case '\b': *out += "\\b"; break;
            case '\f': *out += "\\f"; break;
            default:
                if (c < 0x20 || c >= 0x7F) {
                    char escape[7];
                    snprintf(escape, sizeof escape, "\\u%04X", c);
                    *out += escape;
                } else {
                    *out += (char)c;
                }
        }
    }
    *out += '"';
}

// Before any value or key: the comma after the previous element and the
// line break that puts each outermost element on a line of its own.
static void separate(JsonWriter* writer) {
    if (writer->after_key) {
        writer->after_key = false;
        return;
    }
    if (writer->first.empty()) return;
    bool first = writer->first.back();
    if (!first) writer->text += ',';
    if (writer->first.size() == 1) {
        writer->text += "\n  ";
    } else if (!first) {
        writer->text += ' ';
    }
    writer->first.back() = false;
}

static void open_container(JsonWriter* writer, char bracket) {
    separate(writer);
    writer->text += bracket;
    writer->first.push_back(true);
}

static void close_container(JsonWriter* writer, char bracket) {
    if (writer->first.empty()) return;
    bool empty = writer->first.back();
    writer->first.pop_back();
    if (writer->first.empty() && !empty) writer->text += '\n';
    writer->text += bracket;
}

void json_begin_array(JsonWriter* writer) { open_container(writer, '['); }
void json_end_array(JsonWriter* writer) { close_container(writer, ']'); }
void json_begin_object(JsonWriter* writer) { open_container(writer, '{'); }
void json_end_object(JsonWriter* writer) { close_container(writer, '}'); }

void json_key(JsonWriter* writer, const char* key) {
    separate(writer);
    json_quote(&writer->text, key, strlen(key));
    writer->text += ": ";
    writer->after_key = true;
}

void json_string(JsonWriter* writer, const char* bytes, size_t length) {
    separate(writer);
    json_quote(&writer->text, bytes, length);
}

void json_string(JsonWriter* writer, const char* text) { json_string(writer, text, strlen(text)); }

void json_number(JsonWriter* writer, uint32_t value) {
    separate(writer);
    char digits[12];
    snprintf(digits, sizeof digits, "%u", (unsigned)value);
    writer->text += digits;
}

void json_bool(JsonWriter* writer, bool value) {
    separate(writer);
    writer->text += value ? "true" : "false";
}

void json_null(JsonWriter* writer) {
    separate(writer);
    writer->text += "null";
}

std::string json_finish(JsonWriter* writer) { return writer->text + "\n"; }
