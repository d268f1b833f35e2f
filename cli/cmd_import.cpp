// import: a ".rif" file into the database, through the console's own engine
// and with the same "import.log".
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "cli/cli.h"
#include "cli/commands.h"
#include "cli/import_common.h"
#include "cli/record_input.h"
#include "platform/prompt.h"
#include "platform/terminal.h"
#include "resources/strings.h"
#include "transfer/export_selection.h"
#include "transfer/import_engine.h"

namespace {

bool load_import_dictionary(Dictionary* dictionary, Output* output) {
    PromptsToOutput prompts(output);
    bool loaded = load_dictionary_into(dictionary, nullptr, nullptr);
    if (!loaded) report_error(output, "no dictionary: the file's lines cannot be checked, nothing is offered");
    return loaded;
}

}  // namespace

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
        return finish_import(run, errors, "scan", output);
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
    output->out += import_summary(run->result);
    return finish_import(run, run->log.errors, "import", output);
}
