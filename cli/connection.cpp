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
    option = bare_server_name(option);
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

std::string admission_text(const Admission& admission) {
    char text[256];
    admission_note(admission, text, sizeof text);
    if (admission.verdict == ADMITTED) {
        char service[16];
        format_version(admission.service_version, service, sizeof service);
        snprintf(text, sizeof text, "Connected to Radius service v%s", service);
    }
    return text;
}
