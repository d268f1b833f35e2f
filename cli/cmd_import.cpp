// import: a ".rif" file into the database, through the console's own engine
// and with the same "import.log".
#include <ctype.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "cli/cli.h"
#include "cli/commands.h"
#include "platform/prompt.h"
#include "platform/terminal.h"
#include "resources/strings.h"
#include "transfer/export_selection.h"
#include "transfer/import_engine.h"

namespace {

// Messages the dictionary reading would show in a box go to stderr.
std::string* g_prompt_texts = nullptr;

PromptAnswer collect_prompt(const PromptRequest& request) {
    if (g_prompt_texts) *g_prompt_texts += std::string("keelcli: ") + request.text + "\n";
    return ANSWER_OK;
}

// One question per existing object, on the terminal.
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

ReplaceMode replace_mode(const CommandLine& line) {
    if (!line.replace_mode) return stdin_is_terminal() ? REPLACE_ASK : REPLACE_NONE;
    if (strcmp(line.replace_mode, "all") == 0) return REPLACE_ALL;
    if (strcmp(line.replace_mode, "none") == 0) return REPLACE_NONE;
    return REPLACE_ASK;
}

// What the scan offers, page by page, as the selection dialog lists it.
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

bool load_import_dictionary(Dictionary* dictionary, Output* output) {
    std::string texts;
    g_prompt_texts = &texts;
    set_prompt_handler(collect_prompt);
    bool loaded = load_dictionary_into(dictionary, nullptr, nullptr);
    set_prompt_handler(nullptr);
    g_prompt_texts = nullptr;
    if (!loaded)
        output->err += texts + "keelcli: no dictionary: the file's lines cannot be checked, nothing is offered\n";
    return loaded;
}

int finish(ImportRun* run, uint32_t errors, const char* what, Output* output) {
    import_close(run);
    free(run);
    if (errors == 0) return EXIT_OK;
    char count[96];
    snprintf(count, sizeof count, "keelcli: %u %s errors logged in %s\n", (unsigned)errors, what, IMPORT_LOG_NAME);
    output->err += count;
    return EXIT_FAILED;
}

}  // namespace

bool check_import(const CommandLine& line, std::string* error) {
    if (!line.replace_mode) return true;
    for (const char* mode : {"ask", "all", "none"})
        if (strcmp(line.replace_mode, mode) == 0) return true;
    *error = std::string("--replace takes ask, all or none, not \"") + line.replace_mode + "\"";
    return false;
}

int run_import(const CommandLine& line, Output* output) {
    const char* path = line.operands[0];
    ImportRun* run = (ImportRun*)calloc(1, sizeof(ImportRun));
    if (!run) return request_failed(output, "import", 101);
    switch (import_open(run, path, IMPORT_LOG_NAME)) {
        case IMPORT_OPENED: break;
        case IMPORT_CANNOT_OPEN:
            free(run);
            report_error(output, std::string(string_text(IDS_IMPORT_OPEN_FAILED)) + ": " + path);
            return EXIT_FAILED;
        case IMPORT_INVALID_FILE:
            free(run);
            report_error(output, std::string(string_text(IDS_INVALID_IMPORT_FILE)) + ": " + path);
            return EXIT_FAILED;
    }
    Dictionary dictionary = {};
    load_import_dictionary(&dictionary, output);
    import_scan(run, &dictionary);
    if (line.options & OPT_SCAN_ONLY) {
        output->out += format_pages(run->pages);
        uint32_t errors = run->scan_errors;
        dictionary_free(&dictionary);
        return finish(run, errors, "scan", output);
    }
    uint64_t chosen = line.options & OPT_EXPORT_PARTS;
    for (uint32_t page = 0; page < run->pages.page_count; ++page) {
        SelectionPage& entries = run->pages.pages[page];
        for (uint32_t i = 0; i < entries.count; ++i) {
            ExportPart part = part_of_entry(page, entries.entries[i].group);
            entries.entries[i].selected = chosen == 0 || (chosen & (OPT_EXPORT_CLIENTS << part)) != 0;
        }
    }
    ImportCallbacks callbacks = {ask_on_terminal, nullptr, nullptr};
    import_selected(run, replace_mode(line), callbacks);
    dictionary_free(&dictionary);
    const ImportResult& result = run->result;
    char summary[200];
    snprintf(summary, sizeof summary, "%u imported, %u skipped, %u kept as they were, %u created incomplete%s\n",
             (unsigned)result.written, (unsigned)result.skipped, (unsigned)result.kept, (unsigned)result.partial,
             result.stopped ? "; cancelled" : "");
    output->out += summary;
    return finish(run, run->log.errors, "import", output);
}
