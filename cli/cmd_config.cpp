// config: the authentication order, the days log files are kept and the
// five rejection messages, as the configuration panel shows and saves them.
#include <stdio.h>
#include <string.h>
#include <strings.h>

#include <string>

#include "api/codec.h"
#include "api/report.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "cli/table.h"
#include "panels/config.h"
#include "panels/config_record.h"
#include "resources/strings.h"

namespace {

// --message KEY=TEXT: the keys in the order of the messages.
const char* const MESSAGE_KEYS[MESSAGE_COUNT] = {"unknown-user", "unknown-client", "check-failure",
                                                 "invalid-attribute", "other-failure"};

int read_current(const CommandLine& line, ConfigRecord* record, Output* output) {
    uint16_t status = read_config(record, CONNECT_PLATFORM_MASK, line.server_options);
    if (status != 0) return request_failed(output, "cannot read the configuration", status);
    return EXIT_OK;
}

std::string method_names(const MethodList& methods, bool active) {
    std::string text;
    for (uint32_t i = 0; i < methods.count; ++i) {
        if (methods.entries[i].active != active) continue;
        if (!text.empty()) text += ", ";
        text += method_name(methods.entries[i].code);
    }
    return text;
}

void method_array(JsonWriter* writer, const char* key, const MethodList& methods, bool active) {
    json_key(writer, key);
    json_begin_array(writer);
    for (uint32_t i = 0; i < methods.count; ++i)
        if (methods.entries[i].active == active) json_string(writer, method_name(methods.entries[i].code));
    json_end_array(writer);
}

std::string escaped(const char* text) {
    char field[MESSAGE_FIELD_SIZE];
    escape_message(text, field, sizeof field);
    return field;
}

// --order: the methods named, comma-separated, become the active ones in
// that order; the others are kept inactive. The stored form is built and
// read back as the server's would be, so SecurID brings its prefix and
// suffix along and only eligible types count.
bool order_from_line(const CommandLine& line, const MethodList& current, MethodList* methods, Output* output) {
    const std::string order = line.order;
    uint8_t bytes[AUTH_ORDER_BYTES_MAX];
    uint32_t length = 2;
    for (size_t start = 0;;) {
        const size_t comma = order.find(',', start);
        std::string word = order.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        while (!word.empty() && word.front() == ' ') word.erase(0, 1);
        while (!word.empty() && word.back() == ' ') word.pop_back();
        // Type code 0 is a method too (native users): look for the entry.
        uint32_t found = 0;
        while (found < current.count && strcasecmp(method_name(current.entries[found].code), word.c_str()) != 0)
            ++found;
        if (found == current.count) {
            std::string known = method_names(current, true);
            const std::string inactive = method_names(current, false);
            if (!inactive.empty()) known += ", " + inactive;
            report_error(output, "\"" + word + "\" is not an authentication method of this server (" + known + ")");
            return false;
        }
        // A method named twice is read once, as a stored repeat is.
        if (length + 2 <= sizeof bytes) {
            put_le16(bytes + length, current.entries[found].code);
            length += 2;
        }
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    put_le16(bytes, (uint16_t)((length - 2) / 2));
    methods_from_order(bytes, length, true, CONNECT_PLATFORM_MASK, line.server_options, methods);
    return true;
}

bool message_from_line(const char* item, ConfigRecord* record, Output* output) {
    const char* equals = strchr(item, '=');
    for (uint32_t message = 0; equals && message < MESSAGE_COUNT; ++message) {
        const size_t key_length = strlen(MESSAGE_KEYS[message]);
        if ((size_t)(equals - item) != key_length || strncmp(item, MESSAGE_KEYS[message], key_length) != 0) continue;
        if (strlen(equals + 1) > MESSAGE_FIELD_MAX) {
            report_error(output, "a message field holds at most 2048 characters");
            return false;
        }
        unescape_message(equals + 1, record->messages[message], MESSAGE_TEXT_SIZE);
        return true;
    }
    report_error(output, std::string("\"") + item +
                             "\": a message is KEY=TEXT with KEY one of unknown-user, unknown-client, "
                             "check-failure, invalid-attribute, other-failure");
    return false;
}

}  // namespace

int run_config_show(const CommandLine& line, Output* output) {
    ConfigRecord record;
    int code = read_current(line, &record, output);
    if (code != EXIT_OK) return code;
    if (line.options & OPT_JSON) {
        JsonWriter writer;
        json_begin_object(&writer);
        method_array(&writer, "order", record.methods, true);
        method_array(&writer, "inactive", record.methods, false);
        json_key(&writer, "log_days");
        json_number(&writer, record.log_days);
        json_key(&writer, "messages");
        json_begin_object(&writer);
        for (uint32_t message = 0; message < MESSAGE_COUNT; ++message) {
            json_key(&writer, MESSAGE_KEYS[message]);
            json_string(&writer, record.messages[message]);
        }
        json_end_object(&writer);
        json_end_object(&writer);
        output->out += json_finish(&writer);
        return EXIT_OK;
    }
    TextTable table;
    table.rows = {{"Authentication order:", method_names(record.methods, true)},
                  {"Inactive:", method_names(record.methods, false)},
                  {"Log files kept (days):", std::to_string(record.log_days)}};
    for (uint32_t message = 0; message < MESSAGE_COUNT; ++message)
        table.rows.push_back({std::string("Message ") + MESSAGE_KEYS[message] + ":",
                              escaped(record.messages[message])});
    output->out += format_table(table);
    return EXIT_OK;
}

int run_config_set(const CommandLine& line, Output* output) {
    ConfigRecord record;
    int code = read_current(line, &record, output);
    if (code != EXIT_OK) return code;
    if (line.order) {
        MethodList methods;
        if (!order_from_line(line, record.methods, &methods, output)) return EXIT_FAILED;
        record.methods = methods;
    }
    if (active_method_count(record.methods) == 0) {
        report_error(output, string_text(IDS_CONFIG_EMPTY_ORDER));
        return EXIT_FAILED;
    }
    if (line.log_days && !log_days_value(line.log_days, &record.log_days)) {
        report_error(output, string_text(IDS_CONFIG_DAYS_RANGE));
        return EXIT_FAILED;
    }
    for (const char* item : line.message_items)
        if (!message_from_line(item, &record, output)) return EXIT_FAILED;
    uint32_t written = 0;
    uint16_t status = write_config(record, &written);
    if (status == 0) return EXIT_OK;
    char saved[256], not_saved[256];
    config_part_names(0, written, saved, sizeof saved);
    config_part_names(written, CONFIG_PART_COUNT, not_saved, sizeof not_saved);
    return request_failed(output,
                          std::string("cannot save the configuration; saved: ") + (written ? saved : "nothing") +
                              "; not saved, as before on the server: " + not_saved,
                          status);
}
