#include "transfer/import_command_win32.h"

#include <commdlg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "attrs/dictionary.h"
#include "platform/prompt.h"
#include "resources/strings.h"
#include "transfer/file_dialog_win32.h"
#include "transfer/import_engine.h"
#include "transfer/import_status_win32.h"
#include "transfer/users_import_command_win32.h"
#include "transfer/selection_dialog_win32.h"
#include "ui/wait_cursor.h"

namespace {

// "NAME (*.rif)", NUL, "*.rif", NUL, "NAME (*.*)", NUL, "*.*", NUL, NUL.
void build_filter(char* filter, uint32_t size) {
    int first = snprintf(filter, size, "%s%c*.rif%c%s%c*.*%c", string_text(IDS_RIF_FILTER_NAME), 0, 0,
                         string_text(IDS_EXTERNAL_FILTER_NAME), 0, 0);
    if (first > 0 && (uint32_t)first < size) filter[first] = 0;
}

bool common_open_dialog(void* owner, char* path, uint32_t path_size) {
    char filter[160];
    build_filter(filter, sizeof filter);
    OPENFILENAMEA dialog = file_dialog_fields(owner, filter, path, path_size, IDS_IMPORT_FILE_TITLE);
    dialog.Flags |= OFN_FILEMUSTEXIST;
    return GetOpenFileNameA(&dialog) != FALSE;
}

SaveFileChooser g_chooser = common_open_dialog;

void tell(HWND owner, uint16_t title_id, PromptIcon icon, const char* text) {
    PromptRequest request = {owner, string_text(title_id), text, icon, PROMPT_OK, false};
    show_prompt(request);
}

bool is_rif_name(const char* path) {
    size_t length = strlen(path);
    return length >= 3 && strcmp(path + length - 3, "rif") == 0;
}

}  // namespace

void import_set_file_chooser(SaveFileChooser chooser) { g_chooser = chooser ? chooser : common_open_dialog; }

bool import_phase_under_status(HWND dialog, SelectionModel*, void* context) {
    ImportRun* run = (ImportRun*)context;
    ImportStatusWindow status = {};
    import_status_open(&status, dialog);
    import_selected(run, REPLACE_ASK, import_status_callbacks(&status));
    import_status_close(&status);
    import_tell_outcome(run, dialog);
    return true;
}

bool import_command(HWND owner) {
    char path[MAX_PATH] = "";
    if (!g_chooser(owner, path, sizeof path)) return false;
    if (!is_rif_name(path)) return users_file_import_command(owner, path);
    ImportRun* run = (ImportRun*)calloc(1, sizeof(ImportRun));
    if (!run) {
        tell(owner, IDS_TITLE_ERROR_DB, PROMPT_ICON_STOP, string_text(IDS_IMPORT_NO_MEMORY));
        return false;
    }
    switch (import_open(run, path, IMPORT_LOG_NAME)) {
        case IMPORT_OPENED: break;
        case IMPORT_CANNOT_OPEN:
            free(run);
            tell(owner, IDS_TITLE_ERROR_DB, PROMPT_ICON_STOP, string_text(IDS_IMPORT_OPEN_FAILED));
            return false;
        case IMPORT_INVALID_FILE:
            free(run);
            tell(owner, IDS_TITLE_ERROR_DB, PROMPT_ICON_STOP, string_text(IDS_INVALID_IMPORT_FILE));
            return false;
    }
    // The lists are checked against the dictionary the panels edit with.
    Dictionary* dictionary = program_dictionary();
    if (!dictionary_loaded(dictionary)) load_dictionary(owner, nullptr);
    {
        WaitCursor wait;
        import_scan(run, dictionary);
    }
    import_tell_scan(run, owner);
    run_selection_dialog(owner, &run->pages, import_phase_under_status, run);
    import_close(run);
    free(run);
    return true;
}
