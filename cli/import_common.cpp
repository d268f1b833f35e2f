#include "cli/import_common.h"

#include <ctype.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "cli/cli.h"
#include "cli/command_line.h"
#include "platform/terminal.h"
#include "resources/strings.h"

bool check_replace_mode(const CommandLine& line, std::string* error) {
    if (!line.replace_mode) return true;
    for (const char* mode : {"ask", "all", "none"})
        if (strcmp(line.replace_mode, mode) == 0) return true;
    *error = std::string("--replace takes ask, all or none, not \"") + line.replace_mode + "\"";
    return false;
}

ReplaceMode replace_mode(const CommandLine& line) {
    if (!line.replace_mode) return stdin_is_terminal() ? REPLACE_ASK : REPLACE_NONE;
    if (strcmp(line.replace_mode, "all") == 0) return REPLACE_ALL;
    if (strcmp(line.replace_mode, "none") == 0) return REPLACE_NONE;
    return REPLACE_ASK;
}

ReplaceAnswer ask_on_terminal(void*, const char* cls, const char* object) {
    char answer[32];
    for (;;) {
        fprintf(stderr, "Replace %s : %s? [r]eplace, replace [a]ll, [s]kip, [c]ancel: ", cls, object);
        fflush(stderr);
        if (!read_input_line(answer, sizeof answer)) return ANSWER_STOP;
        switch (tolower((unsigned char)answer[0])) {
            case 'r': return ANSWER_REPLACE;
            case 'a': return ANSWER_REPLACE_ALL;
            case 's': return ANSWER_SKIP;
            case 'c': return ANSWER_STOP;
        }
    }
}

std::string format_pages(const SelectionModel& pages) {
    std::string text;
    for (uint32_t page = 0; page < pages.page_count; ++page) {
        const SelectionPage& entries = pages.pages[page];
        if (entries.count == 0) continue;
        text += std::string(string_text(entries.title_id)) + "\n";
        for (uint32_t i = 0; i < entries.count; ++i) text += std::string("  ") + selection_text(entries, i) + "\n";
    }
    return text;
}

std::string import_summary(const ImportResult& result) {
    char summary[200];
    snprintf(summary, sizeof summary, "%u imported, %u skipped, %u kept as they were, %u created incomplete%s\n",
             (unsigned)result.written, (unsigned)result.skipped, (unsigned)result.kept, (unsigned)result.partial,
             result.stopped ? "; cancelled" : "");
    return summary;
}

int finish_import(ImportRun* run, uint32_t errors, const char* what, Output* output) {
    import_close(run);
    free(run);
    if (errors == 0) return EXIT_OK;
    char count[96];
    snprintf(count, sizeof count, "keelcli: %u %s errors logged in %s\n", (unsigned)errors, what, IMPORT_LOG_NAME);
    output->err += count;
    return EXIT_FAILED;
}
