// version and status: what the console's Servers panel shows about the
// service, readable whatever the access level.
#include <stdio.h>
#include <string.h>

#include "api/requests.h"
#include "api/status.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "cli/table.h"

static std::string version_text(uint32_t version) {
    char text[16];
    format_version(version, text, sizeof text);
    return text;
}

static std::string version_json(const VersionReport& report) {
    const Admission& admission = report.admission;
    JsonWriter json;
    json_begin_object(&json);
    json_key(&json, "service_version");
    json_string(&json, version_text(admission.service_version).c_str());
    json_key(&json, "console_version");
    json_string(&json, version_text(CONSOLE_VERSION).c_str());
    json_key(&json, "required_console_version");
    if (admission.has_required)
        json_string(&json, version_text(admission.required_version).c_str());
    else
        json_null(&json);
    json_key(&json, "console_accepted");
    if (admission.console_checked)
        json_bool(&json, admission.console_status == 0);
    else
        json_null(&json);
    json_key(&json, "access_level");
    if (admission.level_read)
        json_number(&json, admission.access_level);
    else
        json_null(&json);
    json_key(&json, "option_mask");
    if (report.admission.has_option_mask)
        json_number(&json, report.admission.option_mask);
    else
        json_null(&json);
    json_key(&json, "admitted");
    json_bool(&json, admission.verdict == ADMITTED);
    json_key(&json, "message");
    json_string(&json, admission_text(admission).c_str());
    json_end_object(&json);
    return json_finish(&json);
}

std::string format_version_report(const VersionReport& report, bool json) {
    if (json) return version_json(report);
    const Admission& admission = report.admission;
    TextTable table;
    table.rows.push_back({"Service version:", version_text(admission.service_version)});
    table.rows.push_back({"Console version:", version_text(CONSOLE_VERSION)});
    if (admission.has_required)
        table.rows.push_back({"Required console version:", version_text(admission.required_version)});
    if (admission.console_checked)
        table.rows.push_back({"Console accepted:", admission.console_status == 0 ? "yes" : "no"});
    if (admission.level_read) table.rows.push_back({"Access level:", std::to_string(admission.access_level)});
    if (report.admission.has_option_mask) {
        char mask[16];
        snprintf(mask, sizeof mask, "0x%08X", (unsigned)report.admission.option_mask);
        table.rows.push_back({"Option mask:", mask});
    }
    std::string text = format_table(table);
    // A refusal goes to the error stream instead, like every failure.
    if (admission.verdict == ADMITTED) text += admission_text(admission) + "\n";
    return text;
}

int run_version(const CommandLine& line, Output* output) {
    VersionReport report;
    memset(&report, 0, sizeof report);
    check_admission(&report.admission);
    output->out += format_version_report(report, (line.options & OPT_JSON) != 0);
    if (report.admission.verdict == ADMITTED) return EXIT_OK;
    report_error(output, admission_text(report.admission));
    return EXIT_CONNECT;
}

int run_status(const CommandLine&, Output* output) {
    static char text[STATUS_TEXT_CAPACITY];
    uint16_t status = get_status_text(text, sizeof text);
    if (status != 0) return request_failed(output, "cannot read the server's status text", status);
    // The server ends its lines with CR LF; each line is shown on its own.
    size_t length = strlen(text);
    size_t start = 0;
    while (start < length) {
        size_t end = start;
        while (end < length && text[end] != '\n') ++end;
        size_t cut = end > start && text[end - 1] == '\r' ? end - 1 : end;
        output->out += display_text(text + start, cut - start) + "\n";
        start = end + 1;
    }
    return EXIT_OK;
}
