#include "transfer/export_command_win32.h"

#include <commdlg.h>
#include <stdio.h>
#include <string.h>

#include "api/report.h"
#include "api/text_field.h"
#include "attrs/dictionary.h"
#include "platform/prompt.h"
#include "resources/strings.h"
#include "transfer/export_progress_win32.h"
#include "transfer/export_selection.h"
#include "transfer/file_dialog_win32.h"
#include "transfer/selection_dialog_win32.h"
#include "transfer/transfer_log.h"
#include "ui/wait_cursor.h"

namespace {

bool common_save_dialog(void* owner, char* path, uint32_t path_size) {
    // "Radius Information Files (*.rif)", NUL, "*.rif", NUL, NUL.
    char filter[80];
    int length = snprintf(filter, sizeof filter - 8, "%s", string_text(IDS_RIF_FILTER_NAME));
    if (length < 0) return false;
    memcpy(filter + length + 1, "*.rif\0", 7);
    // The replace prompt is the command's own (its Yes/No/Cancel).
    OPENFILENAMEA dialog = file_dialog_fields(owner, filter, path, path_size, IDS_EXPORT_FILE_TITLE);
    dialog.lpstrDefExt = "rif";
    return GetSaveFileNameA(&dialog) != FALSE;
}

SaveFileChooser g_chooser = common_save_dialog;

void tell(HWND owner, uint16_t title_id, PromptIcon icon, const char* text) {
    PromptRequest request = {owner, string_text(title_id), text, icon, PROMPT_OK, false};
    show_prompt(request);
}

bool export_accepted(HWND dialog, SelectionModel* model, void*) {
    if (selection_count(model) > 0) return true;
    tell(dialog, IDS_EXPORT_TITLE, PROMPT_ICON_INFORMATION, string_text(IDS_EXPORT_NOTHING_SELECTED));
    return false;
}

// The closing message: what went wrong, or where the objects went.
void tell_outcome(HWND owner, const char* path, const ExportResult& result, uint32_t errors) {
    char text[700];
    if (result.write_failed) {
        snprintf(text, sizeof text, string_text(IDS_EXPORT_FILE_FAILED), path);
        tell(owner, IDS_TITLE_ERROR_DB, PROMPT_ICON_STOP, text);
    } else if (errors > 0) {
        snprintf(text, sizeof text, string_text(IDS_EXPORT_ERRORS), (int)errors);
        tell(owner, IDS_TITLE_IMPORT_ERROR, PROMPT_ICON_EXCLAMATION, text);
    } else {
        snprintf(text, sizeof text, string_text(IDS_EXPORT_DONE), (unsigned)result.objects, path);
        tell(owner, IDS_EXPORT_TITLE, PROMPT_ICON_INFORMATION, text);
    }
}

}  // namespace

void export_set_file_chooser(SaveFileChooser chooser) { g_chooser = chooser ? chooser : common_save_dialog; }

void export_command(HWND owner) {
    SelectionModel model;
    export_selection_init(&model);
    uint16_t status = while_waiting([&] { return export_list_objects(&model); });
    if (status != 0) {
        report_status(IDS_TITLE_ERROR_DB, IDS_LOAD_FAILED, status);
        selection_free(&model);
        return;
    }
    char path[MAX_PATH] = "";
    if (run_selection_dialog(owner, &model, export_accepted, nullptr) != IDOK ||
        !choose_export_file(owner, g_chooser, path, sizeof path)) {
        selection_free(&model);
        return;
    }
    ExportSelection selection = export_selection_from(&model);
    // Value names come from the dictionary the lists are edited with.
    Dictionary* dictionary = program_dictionary();
    if ((selection.parts[EXPORT_USERS] || selection.parts[EXPORT_PROFILES]) && !dictionary_loaded(dictionary))
        load_dictionary(owner, nullptr);

    ExportProgressWindow window;
    export_progress_open(&window, owner);
    ExportCallbacks callbacks = {export_progress_update, &window};
    ExportResult result = {};
    uint32_t errors = 0;
    {
        WaitCursor wait;
        export_to_file(path, selection, dictionary, EXPORT_LOG_NAME, callbacks, &result, &errors);
    }
    export_progress_close(&window);
    selection_free(&model);
    tell_outcome(owner, path, result, errors);
}
