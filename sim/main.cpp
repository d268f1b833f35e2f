// keelsim FIXTURE [--save] [--host NAME] [--lock-wait MS] [--fault FAULT]... [--ready-file PATH]
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "sim/lexer.h"
#include "sim/os.h"
#include "sim/sim.h"
#include "sim/stop_wait.h"

static const char USAGE[] =
    "usage: keelsim FIXTURE [--save] [--host NAME] [--lock-wait MS] [--fault FAULT]... [--ready-file PATH]\n"
    "  FAULT is SERVICE:FUNCTION:N:ACTION with ACTION fail=STATUS, drop, truncate=BYTES or delay=MS\n";

struct Arguments {
    const char* fixture = nullptr;
    bool save = false;
    const char* host = nullptr;
    uint32_t lock_wait = 0;
    std::vector<SimFault> faults;
    const char* ready_file = nullptr;
};

static bool parse_arguments(int argc, char** argv, Arguments* arguments) {
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (strcmp(argument, "--save") == 0) {
            arguments->save = true;
            continue;
        }
        bool takes_value = strcmp(argument, "--host") == 0 || strcmp(argument, "--lock-wait") == 0 ||
                           strcmp(argument, "--fault") == 0 || strcmp(argument, "--ready-file") == 0;
        if (takes_value) {
            if (!value) {
                fprintf(stderr, "keelsim: %s needs a value\n", argument);
                return false;
            }
            ++i;
            if (strcmp(argument, "--host") == 0) {
                arguments->host = value;
            } else if (strcmp(argument, "--lock-wait") == 0) {
                if (!parse_number(value, 0xFFFFFFFFu, &arguments->lock_wait)) {
                    fprintf(stderr, "keelsim: bad --lock-wait value \"%s\"\n", value);
                    return false;
                }
            } else if (strcmp(argument, "--fault") == 0) {
                SimFault fault;
                if (!sim_parse_fault(value, &fault)) {
                    fprintf(stderr, "keelsim: bad fault \"%s\"\n", value);
                    return false;
                }
                arguments->faults.push_back(fault);
            } else {
                arguments->ready_file = value;
            }
            continue;
        }
        if (argument[0] == '-' || arguments->fixture) {
            fprintf(stderr, "keelsim: unexpected argument \"%s\"\n", argument);
            return false;
        }
        arguments->fixture = argument;
    }
    if (!arguments->fixture) fprintf(stderr, "keelsim: no fixture given\n");
    return arguments->fixture != nullptr;
}

// Written whole under its final name, so a script polling for it never reads half.
static bool write_ready_file(const char* path, const char* listen_name) {
    std::string temporary = std::string(path) + ".keelsim-tmp";
    FILE* file = fopen(temporary.c_str(), "wb");
    if (!file) return false;
    bool ok = fprintf(file, "%s\n", listen_name) > 0;
    ok = fclose(file) == 0 && ok;
    ok = ok && os_replace_file(temporary.c_str(), path);
    if (!ok) remove(temporary.c_str());
    return ok;
}

// Exit statuses, as README.md lists them.
const int EXIT_STOPPED = 0;  // ran until told to stop
const int EXIT_FAILED = 1;   // could not start or run
const int EXIT_USAGE = 2;    // bad command line

int main(int argc, char** argv) {
    Arguments arguments;
    if (!parse_arguments(argc, argv, &arguments)) {
        fputs(USAGE, stderr);
        return EXIT_USAGE;
    }
    if (!stop_wait_prepare()) {
        fprintf(stderr, "keelsim: cannot watch for stop signals\n");
        return EXIT_FAILED;
    }
    std::string error;
    SimOptions options;
    options.fixture_path = arguments.fixture;
    options.save = arguments.save;
    options.host = arguments.host;
    options.lock_wait_cap_ms = arguments.lock_wait;
    options.error = &error;
    SimServer* server = nullptr;
    uint16_t status = sim_start(options, &server);
    if (status != 0) {
        fprintf(stderr, "keelsim: %s\n", error.empty() ? "cannot start" : error.c_str());
        return EXIT_FAILED;
    }
    for (const SimFault& fault : arguments.faults) sim_inject_fault(server, fault);
    fprintf(stderr, "keelsim: listening on %s\n", sim_listen_name(server));
    fflush(stderr);
    int exit_code = EXIT_STOPPED;
    if (arguments.ready_file && !write_ready_file(arguments.ready_file, sim_listen_name(server))) {
        fprintf(stderr, "keelsim: cannot write %s\n", arguments.ready_file);
        exit_code = EXIT_FAILED;
    } else {
        stop_wait();
    }
    sim_stop(server);
    if (arguments.ready_file) remove(arguments.ready_file);
    stop_wait_done();
    return exit_code;
}
