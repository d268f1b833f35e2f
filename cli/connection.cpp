#include "cli/connection.h"

#include <stdio.h>
#include <string.h>

#include "api/requests.h"
#include "api/session.h"
#include "api/status.h"
#include "api/text_field.h"
#include "cli/cli.h"
#include "cli/table.h"
#include "platform/computer_name.h"

bool resolve_server(const char* option, ServerTarget* target, std::string* error) {
    memset(target, 0, sizeof *target);
    if (!option) {
        if (computer_name(target->name, sizeof target->name)) return true;
        *error = "cannot read this computer's name; give --server NAME";
        return false;
    }
    if (strcmp(option, ".") == 0) {
        target->local_form = true;
        return true;
    }
    while (*option == '\\') ++option;
    size_t length = strlen(option);
    if (length == 0 || length > SERVER_NAME_MAX || strpbrk(option, "\\/")) {
        *error = "--server needs a computer name of 1 to 127 characters, without \"\\\" or \"/\"";
        return false;
    }
    copy_text(target->name, sizeof target->name, option);
    return true;
}

int open_connection(const ServerTarget& target, Output* output) {
    PipeSession* session = nullptr;
    uint16_t status = session_open(target.local_form ? nullptr : target.name, &session);
    if (status == 0) {
        set_current_session(session);
        return EXIT_OK;
    }
    std::string where = target.local_form ? std::string("this computer") : display_text(target.name);
    if (status == STATUS_ACCESS_REFUSED)
        report_failure(output, "the server on " + where + " refused this account; log on to the host first", status);
    else
        report_failure(output, "cannot connect to the server on " + where + "; the service may be down", status);
    return EXIT_CONNECT;
}

void close_connection() { disconnect(); }

void check_admission(Admission* admission) {
    memset(admission, 0, sizeof *admission);
    if (get_service_version(&admission->service_version) != 0) admission->service_version = 0;
    if (admission->service_version < MIN_SERVICE_VERSION) {
        admission->verdict = SERVICE_OUT_OF_DATE;
        return;
    }
    admission->console_checked = true;
    // Versions keep bits 24-31 zero, so this value cannot come from the service.
    const uint32_t NOT_SENT = 0xFFFFFFFFu;
    uint32_t required = NOT_SENT;
    admission->console_status = check_console_version(CONSOLE_VERSION, &required);
    admission->has_required = required != NOT_SENT;
    admission->required_version = admission->has_required ? required : 0;
    if (admission->console_status != 0) {
        admission->verdict = CONSOLE_REFUSED;
        return;
    }
    admission->level_read = true;
    if (get_access_level(&admission->access_level) != 0) admission->access_level = 0;
    admission->verdict = admission->access_level == ACCESS_NONE ? INSUFFICIENT_RIGHTS : ADMITTED;
}

std::string admission_text(const Admission& admission) {
    char service[16], minimum[16], required[16], console[16];
    format_version(admission.service_version, service, sizeof service);
    format_version(MIN_SERVICE_VERSION, minimum, sizeof minimum);
    format_version(admission.required_version, required, sizeof required);
    format_version(CONSOLE_VERSION, console, sizeof console);
    char text[256];
    switch (admission.verdict) {
    case SERVICE_OUT_OF_DATE:
        snprintf(text, sizeof text, "Radius service v%s out of date (service required to be v%s or later)", service,
                 minimum);
        break;
    case CONSOLE_REFUSED:
        snprintf(text, sizeof text, "Radius service v%s requires v%s admin (this is v%s)", service, required, console);
        break;
    case INSUFFICIENT_RIGHTS:
        snprintf(text, sizeof text, "Connected to Radius service v%s (insufficient rights)", service);
        break;
    default: snprintf(text, sizeof text, "Connected to Radius service v%s", service); break;
    }
    return text;
}
