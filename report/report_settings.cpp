#include "report/report_settings.h"

#include <ctype.h>
#include <stdio.h>
#include <string.h>

#include "platform/profile_file.h"

namespace {

const char ADMIN_SETTINGS[] = "Admin Settings";
const char REPORT_SETTINGS[] = "Report Settings";
const char REPORT_ALL[] = "ReportAll";

const char* const SECTION_KEYS[SECTION_COUNT] = {"RASClients",    "Proxies",        "Users",
                                                 "Profiles",      "IPAddressPools", "Access",
                                                 "Configuration", "Statistics",     "CurrentUsers"};

bool read_switch(const char* file, const char* key) {
    char value[SETTING_SIZE];
    if (!profile_read(file, REPORT_SETTINGS, key, value, sizeof value) || !value[0]) return true;
    return setting_is_on(value);
}

void read_with_default(const char* file, const char* key, const char* fallback, char* value, uint32_t size) {
    if (!profile_read(file, ADMIN_SETTINGS, key, value, size) || !value[0]) snprintf(value, size, "%s", fallback);
}

}  // namespace

const char* section_key(ReportSection section) { return section < SECTION_COUNT ? SECTION_KEYS[section] : ""; }

bool setting_is_on(const char* value) {
    // By hand: strncasecmp is not everywhere this builds.
    const char YES[] = "YES";
    for (int i = 0; i < 3; ++i)
        if (toupper((unsigned char)value[i]) != YES[i]) return false;
    return true;
}

ReportSelection read_report_selection(const char* file) {
    ReportSelection selection = {};
    selection.all = read_switch(file, REPORT_ALL);
    for (int i = 0; i < SECTION_COUNT; ++i) selection.sections[i] = selection.all || read_switch(file, SECTION_KEYS[i]);
    return selection;
}

bool save_report_selection(const char* file, const ReportSelection& selection) {
    bool saved = profile_write(file, REPORT_SETTINGS, REPORT_ALL, selection.all ? "Yes" : "No");
    for (int i = 0; i < SECTION_COUNT; ++i) {
        const char* value = selection.all ? nullptr : selection.sections[i] ? "Yes" : "No";
        saved = profile_write(file, REPORT_SETTINGS, SECTION_KEYS[i], value) && saved;
    }
    return saved;
}

void read_report_viewer(const char* file, char* viewer, uint32_t size) {
    read_with_default(file, "ReportViewer", "Write.exe", viewer, size);
}

void read_report_filename(const char* file, char* name, uint32_t size) {
    read_with_default(file, "ReportFilename", "Report.rtf", name, size);
}

bool save_report_files(const char* file, const char* viewer, const char* name) {
    const bool saved = profile_write(file, ADMIN_SETTINGS, "ReportViewer", viewer);
    return profile_write(file, ADMIN_SETTINGS, "ReportFilename", name) && saved;
}

void viewer_command_line(const char* viewer, const char* file, char* command, uint32_t size) {
    const char* quote = strchr(file, ' ') && file[0] != '"' ? "\"" : "";
    snprintf(command, size, "%s %s%s%s", viewer, quote, file, quote);
}
