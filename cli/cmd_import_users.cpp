// import-users: a users file of another RADIUS server into native users,
// through the console's reader and import engine, with the same
// "import.log".
#include <stdlib.h>
#include <string.h>
#include <strings.h>

#include "api/text_field.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "cli/import_common.h"
#include "cli/record_input.h"
#include "resources/strings.h"
#include "transfer/export_selection.h"
#include "transfer/users_import_options.h"

namespace {

// The Import Options dialog's choices from the options; false (reported)
// when the pair or the profile is not the server's.
bool choose(const CommandLine& line, UsersImportChoices* choices, Output* output) {
    // The pair's base name as the server lists it, in any case.
    choices->format = -1;
    for (uint32_t i = 0; i < choices->formats.count && choices->format < 0; ++i)
        if (strcasecmp(name_list_at(&choices->formats, i), line.dictionary) == 0) choices->format = i;
    if (choices->format < 0) {
        std::string offered;
        for (uint32_t i = 0; i < choices->formats.count; ++i)
            offered += std::string(i ? ", " : "") + name_list_at(&choices->formats, i);
        report_error(output, std::string("no import dictionary pair \"") + line.dictionary + "\" (the server has: " +
                                 offered + ")");
        return false;
    }
    choices->profile = -1;
    if (line.profile && line.profile[0]) {
        choices->profile = name_list_find(&choices->profiles, stored_form(line.profile).c_str());
        if (choices->profile < 0) {
            report_error(output, "no profile " + shown_form(stored_form(line.profile).c_str()));
            return false;
        }
    }
    choices->ignore_attributes = (line.options & OPT_IGNORE_ATTRIBUTES) != 0;
    choices->pap_only = (line.options & OPT_PAP_ONLY) != 0;
    return true;
}

int import_file(const CommandLine& line, const UsersImportOptions& options, Output* output) {
    const char* path = line.operands[0];
    ImportRun* run = (ImportRun*)calloc(1, sizeof(ImportRun));
    if (!run) return request_failed(output, "import-users", 101);
    if (import_open_users_file(run, path, IMPORT_LOG_NAME, &options) != IMPORT_OPENED) {
        import_close(run);
        free(run);
        report_error(output, std::string(string_text(IDS_IMPORT_OPEN_FAILED)) + ": " + path);
        return EXIT_FAILED;
    }
    import_scan(run, nullptr);
    if (line.options & OPT_SCAN_ONLY) {
        output->out += format_pages(run->pages);
        return finish_import(run, run->scan_errors, "scan", output);
    }
    selection_set_page(&run->pages, PAGE_USERS, true);
    ImportCallbacks callbacks = {ask_on_terminal, nullptr, nullptr};
    import_selected(run, replace_mode(line), callbacks);
    output->out += import_summary(run->result);
    return finish_import(run, run->log.errors, "import", output);
}

}  // namespace

bool check_import_users(const CommandLine& line, std::string* error) {
    if (!line.dictionary) {
        *error = "import-users needs --dictionary BASE, the server's import dictionary pair";
        return false;
    }
    return check_replace_mode(line, error);
}

int run_import_users(const CommandLine& line, Output* output) {
    PromptsToOutput prompts(output);
    UsersImportChoices choices;
    if (!users_import_options_start(nullptr, &choices)) {
        users_import_options_free(&choices);
        return EXIT_FAILED;
    }
    ImportDictionaryTables tables = {};
    UsersImportOptions options = {};
    int code = choose(line, &choices, output) ? EXIT_OK : EXIT_FAILED;
    if (code == EXIT_OK && !users_import_options_accept(nullptr, &choices, &tables, &options)) code = EXIT_FAILED;
    if (code == EXIT_OK) code = import_file(line, options, output);
    import_dictionaries_free(&tables);
    users_import_options_free(&choices);
    return code;
}
