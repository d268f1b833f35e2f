// What the report remembers in the console's settings file: the viewer,
// the report file, and which sections go into the report.
#pragma once

#include <stdint.h>

const char* const SETTINGS_FILE = "KEELADMIN.INI";
const uint32_t SETTING_SIZE = 260;

// The sections in the order the document writes them.
enum ReportSection {
    SECTION_RAS_CLIENTS,
    SECTION_PROXIES,
    SECTION_USERS,
    SECTION_PROFILES,
    SECTION_POOLS,
    SECTION_ACCESS,
    SECTION_CONFIGURATION,
    SECTION_STATISTICS,
    SECTION_CURRENT_USERS,
    SECTION_COUNT
};
// The section's key in the settings file, which is also its heading.
const char* section_key(ReportSection section);

struct ReportSelection {
    bool all;
    bool sections[SECTION_COUNT];
};

// "Yes" in any case, and whatever follows it.
bool setting_is_on(const char* value);

// Absent or empty values read as on; with "ReportAll" on, every section is.
ReportSelection read_report_selection(const char* file);
// "ReportAll" and, when not all, each section's key.
bool save_report_selection(const char* file, const ReportSelection& selection);

// "Write.exe" and "Report.rtf" when absent or empty.
void read_report_viewer(const char* file, char* viewer, uint32_t size);
void read_report_filename(const char* file, char* name, uint32_t size);
bool save_report_files(const char* file, const char* viewer, const char* name);

// The viewer's command line: "viewer file", the file name quoted when it
// holds a blank, or the viewer would get it in pieces.
const uint32_t VIEWER_COMMAND_SIZE = 2 * SETTING_SIZE + 4;
void viewer_command_line(const char* viewer, const char* file, char* command, uint32_t size);
