#include "cli/cli.h"

#include "api/report.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/connection.h"

void report_failure(Output* output, const std::string& context, uint16_t status) {
    // The status part alone goes through the formatter: a name in the
    // context may itself hold "%s".
    char suffix[128];
    format_status_message(suffix, sizeof suffix, " (%04X: %s)", status);
    output->err += "keelcli: " + context + suffix + "\n";
}

int request_failed(Output* output, const std::string& context, uint16_t status) {
    report_failure(output, context, status);
    return EXIT_FAILED;
}

void report_error(Output* output, const std::string& text) { output->err += "keelcli: " + text + "\n"; }

int keelcli_main(int argc, char** argv, Output* output) {
    CommandLine line;
    std::string error;
    ParseResult parsed = parse_command_line(argc, argv, &line, &error);
    if (parsed == PARSE_GENERAL_HELP) {
        output->out += general_usage();
        return EXIT_OK;
    }
    if (parsed == PARSE_ERROR) {
        // An error that quotes the command's usage needs no pointer to it.
        bool has_usage = error.find("usage:") != std::string::npos;
        report_error(output, has_usage ? error : error + " (keelcli --help shows the commands)");
        return EXIT_USAGE;
    }
    if (line.help) {
        output->out += command_usage(*line.command);
        return EXIT_OK;
    }
    ServerTarget target;
    if (!resolve_server(line.server, &target, &error)) {
        report_error(output, error);
        // Without --server the fault is this computer's, not the command line's.
        return line.server ? EXIT_USAGE : EXIT_CONNECT;
    }

    int code = open_connection(target, output);
    if (code != EXIT_OK) return code;
    if (line.command->needs == NEEDS_ADMISSION) {
        // The console leaves every panel but Servers disabled until the
        // service and its versions admit it; so does this client.
        Admission admission;
        check_admission(&admission);
        if (admission.verdict != ADMITTED) {
            report_error(output, admission_text(admission));
            close_connection();
            return EXIT_CONNECT;
        }
        line.server_options = admission.option_mask;
    }
    code = line.command->run(line, output);
    close_connection();
    return code;
}
