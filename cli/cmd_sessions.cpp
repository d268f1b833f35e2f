// sessions: the current users in the seven columns of the Current Users
// window, and deleting stale session records by their key fields.
#include <string.h>

#include "api/current_users.h"
#include "api/status.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "cli/table.h"

namespace {

const char* key_field(const CurrentUserRecord& record, int field) {
    switch (field) {
        case KEY_CLIENT: return record.ras_client;
        case KEY_USER: return record.user_name;
        case KEY_DN: return record.distinguished_name;
        case KEY_SESSION_ID: return record.session_id;
        case KEY_PORT: return record.port_text;
        default: return record.port_type;
    }
}

void collect(void* context, const CurrentUserRecord& record) {
    ((std::vector<CurrentUserRecord>*)context)->push_back(record);
}

// The whole list, or the failure reported.
int fetch_all(std::vector<CurrentUserRecord>* records, Output* output) {
    uint16_t status = fetch_current_users(collect, records);
    return status == 0 ? EXIT_OK : request_failed(output, "cannot read the current users", status);
}

void json_field(JsonWriter* writer, const char* key, const char* text) {
    json_key(writer, key);
    json_string(writer, text);
}

}  // namespace

std::string format_sessions(const std::vector<CurrentUserRecord>& records, bool json) {
    if (json) {
        JsonWriter writer;
        json_begin_array(&writer);
        for (const CurrentUserRecord& record : records) {
            json_begin_object(&writer);
            json_field(&writer, "user_name", record.user_name);
            json_field(&writer, "ras_client", record.ras_client);
            json_field(&writer, "port", record.port_text);
            json_field(&writer, "port_type", record.port_type);
            json_field(&writer, "time", record.time_text);
            json_field(&writer, "session_id", record.session_id);
            json_field(&writer, "ip_address", record.ip_text);
            json_field(&writer, "distinguished_name", record.distinguished_name);
            json_end_object(&writer);
        }
        json_end_array(&writer);
        return json_finish(&writer);
    }
    TextTable table;
    table.headings = {"User Name", "RAS Client", "Port", "Port Type", "Time", "Session-ID", "IP Address"};
    table.right_aligned = {false, false, true};
    for (const CurrentUserRecord& record : records) {
        table.rows.push_back({display_text(record.user_name), display_text(record.ras_client),
                              display_text(record.port_text), display_text(record.port_type),
                              display_text(record.time_text), display_text(record.session_id),
                              display_text(record.ip_text)});
    }
    return format_table(table);
}

bool session_matches(const CurrentUserRecord& record, const char* const key[SESSION_KEY_COUNT]) {
    for (int field = 0; field < SESSION_KEY_COUNT; ++field) {
        if (key[field] && strcmp(key[field], key_field(record, field)) != 0) return false;
    }
    return true;
}

bool check_sessions_delete(const CommandLine& line, std::string* error) {
    if (line.options & (OPT_SESSION_KEY | OPT_ALL)) return true;
    *error = "sessions delete needs key fields (--client, --user, --dn, --session-id, --port, --port-type) or --all";
    return false;
}

int run_sessions(const CommandLine& line, Output* output) {
    std::vector<CurrentUserRecord> records;
    int code = fetch_all(&records, output);
    if (code != EXIT_OK) return code;
    output->out += format_sessions(records, (line.options & OPT_JSON) != 0);
    return EXIT_OK;
}

// The records to delete are found in the server's own list, so each delete
// carries the record's full key, distinguished name included.
int run_sessions_delete(const CommandLine& line, Output* output) {
    std::vector<CurrentUserRecord> records;
    int code = fetch_all(&records, output);
    if (code != EXIT_OK) return code;
    std::vector<const CurrentUserRecord*> matching;
    for (const CurrentUserRecord& record : records) {
        if (session_matches(record, line.session_key)) matching.push_back(&record);
    }
    if (matching.empty()) { return request_failed(output, "no current session matches", STATUS_NOT_FOUND); }
    if (matching.size() > 1 && !(line.options & OPT_ALL)) {
        report_error(output, std::to_string(matching.size()) +
                                 " current sessions match; nothing was deleted (give more key fields, or --all)");
        return EXIT_FAILED;
    }
    for (const CurrentUserRecord* record : matching) {
        uint16_t status = delete_current_user(record);
        if (status != 0)
            return request_failed(output,
                                  "cannot delete the session of " + display_text(record->user_name) + " on " +
                                      display_text(record->ras_client) + " port " + display_text(record->port_text),
                                  status);
    }
    return EXIT_OK;
}
