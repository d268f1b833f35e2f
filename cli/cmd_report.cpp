// report: the console's RTF report into a file, through its own writer; no
// viewer is started.
#include <stdio.h>
#include <string.h>
#include <time.h>

#include "api/requests.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "cli/record_input.h"
#include "panels/user_types.h"
#include "platform/computer_name.h"
#include "report/report_document.h"
#include "resources/strings.h"

namespace {

// The names --sections takes, one for each section.
const struct {
    const char* name;
    ReportSection section;
} SECTION_NAMES[SECTION_COUNT] = {
    {"clients", SECTION_RAS_CLIENTS},         {"proxies", SECTION_PROXIES},       {"users", SECTION_USERS},
    {"profiles", SECTION_PROFILES},           {"pools", SECTION_POOLS},           {"access", SECTION_ACCESS},
    {"configuration", SECTION_CONFIGURATION}, {"statistics", SECTION_STATISTICS}, {"sessions", SECTION_CURRENT_USERS},
};

// Every section without a list; otherwise those named, in the report's order.
bool parse_sections(const char* list, ReportSelection* selection, std::string* error) {
    memset(selection, 0, sizeof *selection);
    if (!list) {
        selection->all = true;
        for (bool& on : selection->sections) on = true;
        return true;
    }
    const char* at = list;
    do {
        const char* comma = strchr(at, ',');
        const size_t length = comma ? (size_t)(comma - at) : strlen(at);
        bool known = false;
        for (const auto& entry : SECTION_NAMES) {
            if (strlen(entry.name) != length || strncmp(entry.name, at, length) != 0) continue;
            selection->sections[entry.section] = known = true;
        }
        if (!known) {
            *error =
                "--sections takes clients, proxies, users, profiles, pools, access, configuration, statistics "
                "and sessions, separated by commas; \"" +
                std::string(at, length) + "\" is none of them";
            return false;
        }
        at = comma ? comma + 1 : nullptr;
    } while (at);
    return true;
}

// The name the report is headed with: the server's computer as given, or
// this computer.
std::string server_name(const CommandLine& line) {
    ServerTarget target;
    std::string error;
    if (resolve_server(line.server, &target, &error) && !target.local_form) return target.name;
    char name[256] = "";
    return computer_name(name, sizeof name) ? name : ".";
}

}  // namespace

bool check_report(const CommandLine& line, std::string* error) {
    ReportSelection selection;
    return parse_sections(line.sections, &selection, error);
}

int run_report(const CommandLine& line, Output* output) {
    const char* path = line.operands[0];
    ReportSelection selection;
    std::string error;
    parse_sections(line.sections, &selection, &error);  // checked before connecting

    uint32_t option_mask = 0;
    if (get_option_mask(&option_mask) != 0) option_mask = 0;
    const std::string name = server_name(line);
    char date[16] = "", time_text[16] = "";
    report_moment_texts((uint32_t)time(nullptr), date, time_text);

    ReportFileResult result;
    {
        // Failed reads and dictionary messages go to stderr, as the console
        // shows them in boxes.
        PromptsToOutput prompts(output);
        result = write_report_file(path, {name.c_str(), date, time_text, PLATFORM_NT, option_mask}, selection);
    }
    if (result != REPORT_WRITTEN) {
        const uint16_t text = result == REPORT_CREATE_FAILED ? IDS_REPORT_CREATE_FAILED : IDS_REPORT_WRITE_FAILED;
        report_error(output, std::string(string_text(text)) + ": " + path);
        return EXIT_FAILED;
    }
    return report_sections_cut() == 0 ? EXIT_OK : EXIT_FAILED;
}
