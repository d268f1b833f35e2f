// The two phases of an import, their banners in the log and the messages
// that close them.
#include "transfer/import_engine.h"

#include <stdio.h>
#include <string.h>

#include "platform/prompt.h"
#include "resources/strings.h"
#include "transfer/export_selection.h"
#include "transfer/import_steps.h"

namespace {

void banner_lines(TransferLog* log, const char* const* lines, uint32_t count) {
    for (uint32_t i = 0; i < count; ++i) transfer_log_banner(log, "%s", lines[i]);
}

const char* const SCAN_ERROR_NOTE[] = {
    "*** Note : The above errors were detected during the initial scan of the         ***\r\n",
    "***        import file. No actual records have, as yet, been imported.           ***\r\n",
};

const char* const SCAN_WARNING_NOTE[] = {
    "*** Note : Possible errors were detected during the import of this user file.     ***\r\n",
    "***        These errors appear as Warnings and may have resulted                  ***\r\n",
    "***        from the following:                                                    ***\r\n",
    "***        1) Required RAS Clients were not added to the database prior to import.***\r\n",
    "***           Import the required RAS Client(s) to correct any possible errors.   ***\r\n",
    "***        2) Master dictionary attributes and values do not match the ones       ***\r\n",
    "***           used to create this import file. Make sure the import and product   ***\r\n",
    "***           dictionaries are consistent with the Radius Master Dictionary.      ***\r\n",
    "***        3) Syntax errors in the User import file.                              ***\r\n",
    "***           Check the User import file and correct any errors.                  ***\r\n",
};

const char* const IMPORT_ERROR_NOTE[] = {
    "*** Note : The errors above caused the related imported entries to be incomplete.***\r\n",
    "***        These errors ARE serious and should be examined carefully.            ***\r\n",
};

const char* const IMPORT_WARNING_NOTE[] = {
    "*** Note : Warnings were generated during the import of this file. Possible      ***\r\n",
    "***        reasons are:                                                          ***\r\n",
    "***        1) RAS Clients were not added to the database prior to import.        ***\r\n",
    "***           Importing the corresponding RAS Client(s) will rectify the errors. ***\r\n",
    "***        2) Master dictionary attributes and values do not match the ones      ***\r\n",
    "***           used to create this import file. Make sure the import and product  ***\r\n",
    "***           dictionaries are consistent  with the Radius Master Dictionary.    ***\r\n",
};

template <uint32_t N>
void banner_lines(TransferLog* log, const char* const (&lines)[N]) {
    banner_lines(log, lines, N);
}

void tell(void* owner, uint16_t title_id, PromptIcon icon, const char* text, bool task_modal) {
    PromptRequest request = {task_modal ? nullptr : owner, string_text(title_id), text, icon, PROMPT_OK, task_modal};
    show_prompt(request);
}

// The first line of the file, compared whole: a trailing blank refuses it.
bool version_line_read(ImportRun* run) {
    rif_reader_start(&run->reader, rif_read_file, run->file);
    return rif_next_line(&run->reader) && !run->reader.too_long &&
           strcmp(run->reader.text, string_text(IDS_RIF_HEADER)) == 0;
}

}  // namespace

ImportOpenResult import_open(ImportRun* run, const char* path, const char* log_path) {
    memset(run, 0, sizeof *run);
    transfer_pages_init(&run->pages, IDS_IMPORT_TITLE, IDS_IMPORT_SELECT_PROMPT);
    run->file = fopen(path, "rb");
    if (!run->file) return IMPORT_CANNOT_OPEN;
    if (!version_line_read(run)) {
        fclose(run->file);
        run->file = nullptr;
        return IMPORT_INVALID_FILE;
    }
    if (!transfer_log_open(&run->log, log_path, IMPORT_LOG_HEADING, path)) {
        fclose(run->file);
        run->file = nullptr;
        return IMPORT_CANNOT_OPEN;
    }
    return IMPORT_OPENED;
}

ImportOpenResult import_open_users_file(ImportRun* run, const char* path, const char* log_path,
                                        const UsersImportOptions* options) {
    memset(run, 0, sizeof *run);
    transfer_pages_init(&run->pages, IDS_IMPORT_TITLE, IDS_IMPORT_SELECT_PROMPT);
    for (uint32_t page = 0; page < run->pages.page_count; ++page) run->pages.pages[page].disabled = page != PAGE_USERS;
    run->users = options;
    run->file = fopen(path, "rb");
    if (!run->file) return IMPORT_CANNOT_OPEN;
    users_input_from_file(&run->users_input, run->file);
    if (!transfer_log_open(&run->log, log_path, IMPORT_LOG_HEADING, path)) {
        fclose(run->file);
        run->file = nullptr;
        return IMPORT_CANNOT_OPEN;
    }
    return IMPORT_OPENED;
}

void import_scan(ImportRun* run, const Dictionary* dictionary) {
    run->dictionary = dictionary;
    transfer_log_banner(&run->log, "\r\n>>> Scanning input file <<<\r\n");
    // Without the dictionary no attribute line can be checked: nothing is offered.
    if (run->users)
        walk_users_file(run, PHASE_SCAN);
    else if (dictionary && dictionary_loaded(dictionary))
        walk_file(run, PHASE_SCAN);
    run->scan_errors = run->log.errors;
    run->scan_warnings = run->log.warnings;
    if (run->scan_errors) banner_lines(&run->log, SCAN_ERROR_NOTE);
    if (run->scan_warnings) banner_lines(&run->log, SCAN_WARNING_NOTE);
    transfer_log_banner(&run->log, IMPORT_LOG_COUNT, (int)run->scan_errors);
    transfer_log_banner(&run->log, "\r\n");
    run->log.errors = 0;
    run->log.warnings = 0;
}

void import_selected(ImportRun* run, ReplaceMode mode, const ImportCallbacks& callbacks) {
    transfer_log_banner(&run->log, "\r\n>>> Importing selected objects into database <<<\r\n");
    run->mode = mode;
    run->callbacks = callbacks;
    memset(&run->result, 0, sizeof run->result);
    run->result.selected = selection_count(&run->pages);
    if (run->result.selected > 0) {
        if (run->users)
            walk_users_file(run, PHASE_IMPORT);
        else
            walk_file(run, PHASE_IMPORT);
    }
    if (run->log.errors) banner_lines(&run->log, IMPORT_ERROR_NOTE);
    if (run->log.warnings) banner_lines(&run->log, IMPORT_WARNING_NOTE);
}

void import_close(ImportRun* run) {
    if (run->log.file) transfer_log_close(&run->log, IMPORT_LOG_COUNT);
    if (run->file) fclose(run->file);
    run->file = nullptr;
    selection_free(&run->pages);
    import_object_free(&run->object);
    imported_user_free(&run->users_user);
    users_reader_free(&run->users_reader);
}

void import_tell_scan(const ImportRun* run, void* owner) {
    char text[600];
    if (run->scan_errors) {
        snprintf(text, sizeof text, string_text(IDS_IMPORT_SCAN_ERRORS), (int)run->scan_errors);
        tell(owner, IDS_TITLE_IMPORT_ERROR, PROMPT_ICON_INFORMATION, text, true);
    }
    if (run->scan_warnings)
        tell(owner, IDS_TITLE_IMPORT_WARNING, PROMPT_ICON_INFORMATION, string_text(IDS_IMPORT_SCAN_WARNINGS), false);
}

void import_tell_outcome(const ImportRun* run, void* owner) {
    char text[600];
    if (run->result.selected == 0)
        tell(owner, IDS_IMPORT_TITLE, PROMPT_ICON_INFORMATION, string_text(IDS_NO_RECORDS_TO_IMPORT), false);
    if (run->log.errors) {
        snprintf(text, sizeof text, string_text(IDS_IMPORT_ERRORS), (int)run->log.errors);
        tell(owner, IDS_TITLE_IMPORT_ERROR, PROMPT_ICON_EXCLAMATION, text, false);
    }
    if (run->log.warnings)
        tell(owner, IDS_TITLE_IMPORT_WARNING, PROMPT_ICON_INFORMATION, string_text(IDS_IMPORT_WARNINGS), false);
}
