// The report's document: the header, the title and creation lines, then
// each selected section in its order, each record laid out by its template.
#pragma once

#include "report/report_settings.h"
#include "report/rtf_writer.h"

struct ReportHeading {
    const char* server_name;
    const char* date_text;  // "MM/DD/YY"
    const char* time_text;  // "hh:mm:ss"
};

// Writes the whole document. A failed database read is reported and ends
// its section only; false when a write failed (the file is then incomplete).
bool write_report(ReportWriter* writer, const ReportHeading& heading, const ReportSelection& selection);
