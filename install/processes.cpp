#include "install/processes.h"

#include <stdio.h>

#include "install/text_compare.h"

// Another copy of the calling program is spared too: it is the caller's own file.
static bool is_caller_program(const char* path, const char* own_path) {
    return own_path[0] != '\0' && same_text_ignoring_case(path, own_path);
}

static void end_process(const InstallHost& host, HostHandle process) {
    if (host.terminate_process(host.context, process, 0) != 0) return;
    for (uint32_t poll = 0; poll < END_POLL_LIMIT && !host.process_ended(host.context, process); ++poll) {
        host.sleep_ms(host.context, END_POLL_INTERVAL_MS);
    }
}

void kill_processes(const InstallHost& host, const char* prefix) {
    // An empty prefix would match every program on the machine.
    if (prefix == nullptr || prefix[0] == '\0') return;
    uint32_t own_id = 0;
    char own_path[PROCESS_PATH_SIZE] = "";
    if (host.current_process(host.context, &own_id, own_path, sizeof own_path) != 0) own_path[0] = '\0';

    uint32_t ids[PROCESS_LIST_CAPACITY];
    size_t count = 0;
    if (host.list_processes(host.context, ids, PROCESS_LIST_CAPACITY, &count) != 0) count = 0;
    for (size_t i = 0; i < count && i < PROCESS_LIST_CAPACITY; ++i) {
        if (ids[i] == own_id) continue;
        HostHandle process = nullptr;
        if (host.open_process(host.context, ids[i], &process) != 0) continue;
        char path[PROCESS_PATH_SIZE];
        if (host.process_path(host.context, process, path, sizeof path) == 0 &&
            starts_with_ignoring_case(path, prefix) && !is_caller_program(path, own_path)) {
            end_process(host, process);
        }
        host.close_process(host.context, process);
    }
    // Give the system time to release the ended programs' files.
    host.sleep_ms(host.context, AFTER_KILL_WAIT_MS);
}

uint32_t install_counters(const InstallHost& host, const char* definition_file) {
    if (definition_file == nullptr || definition_file[0] == '\0') return HOST_ERROR_INVALID_PARAMETER;
    // The loader ignores the first word of its command line.
    char command_line[PROCESS_PATH_SIZE];
    int length = snprintf(command_line, sizeof command_line, " %s", definition_file);
    if (length < 0 || static_cast<size_t>(length) >= sizeof command_line) return HOST_ERROR_INVALID_PARAMETER;
    return host.load_counter_texts(host.context, command_line);
}
