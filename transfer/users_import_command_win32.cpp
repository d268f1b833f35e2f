#include "transfer/users_import_command_win32.h"

#include <stdlib.h>

#include "platform/prompt.h"
#include "resources/strings.h"
#include "transfer/import_command_win32.h"
#include "transfer/import_engine.h"
#include "transfer/selection_dialog_win32.h"
#include "transfer/users_import_options_win32.h"
#include "ui/wait_cursor.h"

namespace {

// The run, its options and the dictionary tables the options point into.
struct UsersFileImport {
    ImportRun run;
    UsersImportChoices choices;
    ImportDictionaryTables tables;
    UsersImportOptions options;
};

void free_import(UsersFileImport* import) {
    import_close(&import->run);
    import_dictionaries_free(&import->tables);
    users_import_options_free(&import->choices);
    free(import);
}

}  // namespace

bool users_file_import_command(HWND owner, const char* path) {
    UsersFileImport* import = (UsersFileImport*)calloc(1, sizeof(UsersFileImport));
    if (!import) {
        PromptRequest request = {owner, string_text(IDS_TITLE_ERROR_DB), string_text(IDS_IMPORT_NO_MEMORY),
                                 PROMPT_ICON_STOP, PROMPT_OK, false};
        show_prompt(request);
        return false;
    }
    if (import_open_users_file(&import->run, path, IMPORT_LOG_NAME, &import->options) != IMPORT_OPENED) {
        PromptRequest request = {owner, string_text(IDS_TITLE_ERROR_DB), string_text(IDS_IMPORT_OPEN_FAILED),
                                 PROMPT_ICON_STOP, PROMPT_OK, false};
        show_prompt(request);
        free_import(import);
        return false;
    }
    // The options are chosen once the file is open; the run reads them from here.
    if (!users_import_options_run(owner, &import->choices, &import->tables, &import->options)) {
        free_import(import);
        return false;
    }
    {
        WaitCursor wait;
        import_scan(&import->run, nullptr);
    }
    import_tell_scan(&import->run, owner);
    run_selection_dialog(owner, &import->run.pages, import_phase_under_status, &import->run);
    free_import(import);
    return true;
}
