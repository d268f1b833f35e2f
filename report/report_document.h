// The report's document: the header, the title and creation lines, then
// each selected section in its order, each record laid out by its template.
#pragma once

#include "report/report_settings.h"
#include "report/rtf_writer.h"

struct ReportHeading {
    const char* server_name;
    const char* date_text;  // "MM/DD/YY"
    const char* time_text;  // "hh:mm:ss"
    // The connection's masks: which authentication methods the server offers.
    uint16_t platform_mask;
    uint32_t option_mask;
};

// Writes the whole document. A failed database read is reported and ends
// its section only; false when a write failed (the file is then incomplete).
bool write_report(ReportWriter* writer, const ReportHeading& heading, const ReportSelection& selection);
// How many sections of the last report a failed read ended early.
uint32_t report_sections_cut();

// The heading's date and time texts for a moment (seconds since 1970, UTC),
// in local time; false when the system cannot convert it.
bool report_moment_texts(uint32_t seconds, char date[16], char time[16]);

enum ReportFileResult { REPORT_WRITTEN, REPORT_CREATE_FAILED, REPORT_WRITE_FAILED };
// The document into a new file at `path` (an existing one is replaced). A
// failed write leaves the file as far as it got.
ReportFileResult write_report_file(const char* path, const ReportHeading& heading, const ReportSelection& selection);
