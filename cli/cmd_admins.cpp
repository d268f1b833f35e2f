// admins: the accounts that may administer the server, and adding or
// removing one.
#include <ctype.h>
#include <string.h>

#include <algorithm>

#include "api/requests.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "cli/table.h"

namespace {

const char* kind_word(uint16_t kind) { return kind == ADMIN_GROUP ? "group" : "user"; }

struct Collector {
    std::vector<AdminEntry>* entries;
    uint16_t kind;
};

void collect(void* context, const char* name) {
    Collector* collector = (Collector*)context;
    collector->entries->push_back(AdminEntry{name, collector->kind});
}

bool before(const AdminEntry& a, const AdminEntry& b) {
    size_t length = std::min(a.name.size(), b.name.size());
    for (size_t i = 0; i < length; ++i) {
        int x = tolower((unsigned char)a.name[i]), y = tolower((unsigned char)b.name[i]);
        if (x != y) return x < y;
    }
    if (a.name.size() != b.name.size()) return a.name.size() < b.name.size();
    if (a.name != b.name) return a.name < b.name;
    return a.kind < b.kind;
}

// admin_set with the kind the command names: level 2 adds, 0 removes.
int set_admin(const CommandLine& line, uint16_t level, const char* action, Output* output) {
    const char* name = line.operands[0];
    uint16_t kind = (line.options & OPT_GROUP) ? ADMIN_GROUP : ADMIN_USER;
    uint16_t status = admin_set(name, kind, level);
    if (status == 0) return EXIT_OK;
    return request_failed(
        output, std::string("cannot ") + action + " the administrator " + kind_word(kind) + " " + display_text(name),
        status);
}

}  // namespace

std::string format_admins(std::vector<AdminEntry> entries, bool json) {
    std::sort(entries.begin(), entries.end(), before);
    if (json) {
        JsonWriter writer;
        json_begin_array(&writer);
        for (const AdminEntry& entry : entries) {
            json_begin_object(&writer);
            json_key(&writer, "name");
            json_string(&writer, entry.name.data(), entry.name.size());
            json_key(&writer, "kind");
            json_string(&writer, kind_word(entry.kind));
            json_end_object(&writer);
        }
        json_end_array(&writer);
        return json_finish(&writer);
    }
    TextTable table;
    table.headings = {"Kind", "Name"};
    for (const AdminEntry& entry : entries)
        table.rows.push_back({kind_word(entry.kind), display_text(entry.name.c_str())});
    return format_table(table);
}

int run_admins(const CommandLine& line, Output* output) {
    std::vector<AdminEntry> entries;
    for (uint16_t kind : {ADMIN_USER, ADMIN_GROUP}) {
        Collector collector = {&entries, kind};
        uint16_t status = admin_list(kind, collect, &collector);
        if (status != 0)
            return request_failed(output, std::string("cannot list the administrator ") + kind_word(kind) + "s",
                                  status);
    }
    output->out += format_admins(entries, (line.options & OPT_JSON) != 0);
    return EXIT_OK;
}

int run_admins_add(const CommandLine& line, Output* output) { return set_admin(line, ACCESS_FULL, "add", output); }

int run_admins_remove(const CommandLine& line, Output* output) {
    return set_admin(line, ACCESS_NONE, "remove", output);
}
