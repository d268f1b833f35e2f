// File|Report: the selections, the document, then the viewer.
#include <windows.h>

#include <stdio.h>
#include <time.h>

#include "platform/prompt.h"
#include "report/report_document.h"
#include "report/report_settings.h"
#include "report/report_win32.h"
#include "resources/strings.h"
#include "ui/wait_cursor.h"

namespace {

void tell(HWND owner, uint16_t title_id, uint16_t text_id, PromptIcon icon) {
    PromptRequest request = {owner, string_text(title_id), string_text(text_id), icon, PROMPT_OK, false};
    show_prompt(request);
}

bool start_viewer(const char* viewer, const char* file) {
    char command[VIEWER_COMMAND_SIZE];
    viewer_command_line(viewer, file, command, sizeof command);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace

void report_command_run(HWND owner, const char* server_name, uint16_t platform_mask, uint32_t option_mask) {
    ReportSelection selection;
    if (!report_selections_run(owner, &selection)) return;
    char viewer[SETTING_SIZE], file[SETTING_SIZE];
    read_report_viewer(SETTINGS_FILE, viewer, sizeof viewer);
    read_report_filename(SETTINGS_FILE, file, sizeof file);
    char date[16] = "", time_text[16] = "";
    report_moment_texts((uint32_t)time(nullptr), date, time_text);
    ReportFileResult result;
    {
        WaitCursor wait;
        result = write_report_file(file, {server_name, date, time_text, platform_mask, option_mask}, selection);
    }
    if (result != REPORT_WRITTEN) {
        tell(owner, IDS_TITLE_ERROR_DB,
             result == REPORT_CREATE_FAILED ? IDS_REPORT_CREATE_FAILED : IDS_REPORT_WRITE_FAILED,
             PROMPT_ICON_EXCLAMATION);
        return;
    }
    if (!start_viewer(viewer, file)) tell(owner, IDS_TITLE_ERROR, IDS_REPORT_VIEWER_FAILED, PROMPT_ICON_STOP);
}
