// The database commands: each one sequence of service-1 requests under the
// whole-server lock, as the console brackets every read and write.
#include <stdlib.h>
#include <string.h>

#include "api/db.h"
#include "api/db_lists.h"
#include "api/names_block.h"
#include "api/requests.h"
#include "api/status.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "cli/table.h"
#include "cli/text_forms.h"

namespace {

// Nothing runs without the lock; the lock is always released. The body
// reports its own failure, which is the first; a release that fails after
// a successful body is only a warning, since the server drops the lock with
// the connection, which closes as the program ends.
template <class Body>
int under_server_lock(Output* output, Body body) {
    uint16_t status = lock_server();
    if (status != 0) return request_failed(output, "cannot take the server lock", status);
    int code = body();
    status = unlock_server();
    if (status != 0 && (code == EXIT_OK || code == EXIT_NO))
        report_failure(output, "warning: releasing the server lock failed", status);
    return code;
}

// "CLASS OBJECT [PROPERTY]" as the administrator typed them.
std::string target_words(const CommandLine& line, size_t count) {
    std::string words;
    for (size_t i = 0; i < count && i < line.operands.size(); ++i) {
        if (i) words += ' ';
        words += display_text(line.operands[i]);
    }
    return words;
}

const char* operand(const CommandLine& line, size_t index) {
    return index < line.operands.size() ? line.operands[index] : nullptr;
}

// The value a set command carries, checked already by check_set.
std::string set_value(const CommandLine& line) {
    std::string bytes;
    if (line.text_value) return std::string(line.text_value, strlen(line.text_value) + 1);
    std::string ignored;
    parse_hex_value(line.hex_value, &bytes, &ignored);
    return bytes;
}

}  // namespace

std::string format_name_list(const std::vector<std::string>& names, bool json) {
    if (json) {
        JsonWriter writer;
        json_begin_array(&writer);
        for (const std::string& name : names) json_string(&writer, name.data(), name.size());
        json_end_array(&writer);
        return json_finish(&writer);
    }
    std::vector<std::string> lines;
    for (const std::string& name : names) lines.push_back(display_text(name.data(), name.size()));
    return format_lines(lines);
}

bool check_set(const CommandLine& line, std::string* error) {
    if (!line.text_value == !line.hex_value) {
        *error = "set takes the value as either --hex HEX or --text TEXT";
        return false;
    }
    std::string bytes;
    if (line.hex_value && !parse_hex_value(line.hex_value, &bytes, error)) {
        *error = "--hex: " + *error;
        return false;
    }
    return true;
}

int run_list(const CommandLine& line, Output* output) {
    const char* cls = operand(line, 0);
    const char* object = operand(line, 1);
    return under_server_lock(output, [&]() {
        std::vector<std::string> names;
        if (object) {
            char* block = nullptr;
            uint32_t size = 0;
            uint16_t status = db_list_all(cls, object, &block, &size);
            if (status != 0)
                return request_failed(output, "cannot list the properties of " + target_words(line, 2), status);
            walk_names((const uint8_t*)block, size,
                       [&](const char* name, uint32_t length) { names.push_back(std::string(name, length)); });
            free(block);
        } else {
            NameList list;
            uint16_t status = db_list_sorted(cls, &list);
            if (status != 0)
                return request_failed(output, "cannot list the objects of " + target_words(line, 1), status);
            for (uint32_t i = 0; i < list.count; ++i) names.push_back(name_list_at(&list, i));
            name_list_free(&list);
        }
        output->out += format_name_list(names, (line.options & OPT_JSON) != 0);
        return EXIT_OK;
    });
}

int run_get(const CommandLine& line, Output* output) {
    return under_server_lock(output, [&]() {
        // The largest value an item can describe.
        static uint8_t area[0xFFFF];
        uint16_t length = sizeof area;
        uint16_t status = db_get(operand(line, 0), operand(line, 1), operand(line, 2), area, &length);
        if (status != 0) return request_failed(output, "cannot read " + target_words(line, 3), status);
        if (line.options & OPT_TEXT) {
            const void* nul = memchr(area, 0, length);
            size_t text_length = nul ? (size_t)((const uint8_t*)nul - area) : length;
            output->out.append((const char*)area, text_length);
        } else {
            output->out += format_hex_value(area, length);
        }
        output->out += '\n';
        return EXIT_OK;
    });
}

int run_set(const CommandLine& line, Output* output) {
    std::string value = set_value(line);
    return under_server_lock(output, [&]() {
        uint16_t status =
            db_set(operand(line, 0), operand(line, 1), operand(line, 2), value.data(), (uint32_t)value.size());
        if (status == STATUS_REQUEST_TOO_LARGE)
            return request_failed(output,
                                  "the value of " + std::to_string(value.size()) +
                                      " bytes does not fit in one request; nothing was written",
                                  status);
        if (status != 0) return request_failed(output, "cannot write " + target_words(line, 3), status);
        return EXIT_OK;
    });
}

int run_exists(const CommandLine& line, Output* output) {
    return under_server_lock(output, [&]() {
        bool exists = false;
        uint16_t status = db_exists(operand(line, 0), operand(line, 1), operand(line, 2), &exists);
        if (status != 0) return request_failed(output, "cannot look for " + target_words(line, 3), status);
        output->out += exists ? "yes\n" : "no\n";
        return exists ? EXIT_OK : EXIT_NO;
    });
}

int run_delete(const CommandLine& line, Output* output) {
    return under_server_lock(output, [&]() {
        uint16_t status = db_delete(operand(line, 0), operand(line, 1), operand(line, 2));
        if (status != 0) return request_failed(output, "cannot delete " + target_words(line, 3), status);
        return EXIT_OK;
    });
}

int run_rename(const CommandLine& line, Output* output) {
    const char* cls = operand(line, 0);
    const char* object = operand(line, 1);
    const char* new_name = operand(line, 2);
    return under_server_lock(output, [&]() {
        // The server replaces an object of the new name; only do that when asked.
        if (!(line.options & OPT_REPLACE) && strcmp(object, new_name) != 0) {
            bool exists = false;
            uint16_t status = db_exists(cls, new_name, nullptr, &exists);
            if (status != 0)
                return request_failed(output, "cannot look for " + display_text(cls) + " " + display_text(new_name),
                                      status);
            if (exists) {
                report_error(output, display_text(cls) + " " + display_text(new_name) +
                                         " already exists; nothing was renamed (--replace replaces it)");
                return EXIT_FAILED;
            }
        }
        uint16_t status = db_rename(cls, object, new_name);
        if (status != 0) return request_failed(output, "cannot rename " + target_words(line, 2), status);
        return EXIT_OK;
    });
}

int run_create(const CommandLine& line, Output* output) {
    return under_server_lock(output, [&]() {
        uint16_t status = db_create(operand(line, 0), operand(line, 1));
        if (status != 0) return request_failed(output, "cannot create " + target_words(line, 2), status);
        return EXIT_OK;
    });
}
